.ver 3
; Plantilla de la máquina microprogramable (.ver 3), la misma que escribe el montador con «Nuevo».
; Enseña la sección .conf, que da el número de operandos de inst0..inst3 (1, 2 o 3), y las
; tres formas de instrucción configurable; la de tres operandos ocupa dos palabras.
; Solo se monta: qué hace cada instrucción lo decide el microprograma que escriba el usuario.
; Las palabras montadas: «inst2 uno, aux» en la dirección 0 es 2*16384 + 16*128 + 17 = 34833,
; la constante 3 de «inst3 1, var2, 3» queda en la dirección 5 y aux (17) sin valor
; inicial guarda 16667.
; Instrucciones: 0
; Memoria final: 0=34833, 5=3, 15=1, 17=16667, 18=3
.conf
inst0 1
inst1 1
inst2 2
inst3 3

.data 15 ;dirección de inicio de los datos
dw var1	1
dw uno	1
dw aux	?
dw var2	3

.code
eti:	inst2 uno, aux
	inst0 var1
	inst1 uno
	inst2 1, var2
	inst3 1, var2, 3


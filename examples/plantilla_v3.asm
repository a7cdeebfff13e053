.ver 3
; Plantilla de la máquina microprogramable (.ver 3), la misma que escribe el montador con «Nuevo».
; Enseña la sección .conf, que da el número de operandos de inst0..inst3 (1, 2 o 3), y las
; tres formas de instrucción configurable; la de tres operandos ocupa dos palabras.
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


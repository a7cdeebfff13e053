.ver 1
; Plantilla de la máquina básica (.ver 1), la misma que escribe el montador con «Nuevo».
; Enseña la forma de un fuente: versión, zona de datos (.data y dw) y zona de código
; (.code) con las cuatro instrucciones ADD, CMP, MOV y BEQ y una etiqueta.
;
; Tras 8 instrucciones (dos vueltas del bucle), var1 (dirección 15) vale 3 y aux (17) vale 1.
; Instrucciones: 8
; Memoria final: 15=3, 16=1, 17=1

.data 15 ;dirección de inicio de los datos
dw var1	1
dw uno	1
dw aux	?

.code
eti:	mov uno, aux
	add uno, var1
	cmp uno, uno
	beq eti


.ver 2
; Plantilla de la máquina modificada (.ver 2), la misma que escribe el montador con «Nuevo».
; Enseña las instrucciones que añade esta versión: CLEAR (pone a cero), MOVD (carga una
; constante) y ACUM (suma una constante); MOVD y ACUM ocupan dos palabras.
;
; Tras 7 instrucciones (una vuelta del bucle), var1 (dirección 15) vale 2, aux (17) vale 1
; y var2 (18) vale 2: CLEAR la puso a 0, MOVD a 1 y ACUM le sumó 1.
; Instrucciones: 7
; Memoria final: 15=2, 17=1, 18=2

.data 15 ;dirección de inicio de los datos
dw var1	1
dw uno	1
dw aux	?
dw var2	3

.code
eti:	mov uno, aux
	add uno, var1
	clear var2
	movd 1, var2
	acum 1, var2
	cmp uno, uno
	beq eti


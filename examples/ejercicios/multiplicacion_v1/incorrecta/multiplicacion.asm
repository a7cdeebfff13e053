.ver 1
; Entrega incorrecta del ejercicio multiplicacion_v1.json: suma antes de comparar, así que con b = 0
; el contador no vuelve a valer 0 hasta dar la vuelta a los 16 bits y el programa no termina a tiempo
; (pierde los 3 puntos del caso «por cero»).

.data 30
dw a	7
dw b	6
dw producto	0
dw contador	0
dw cero	0
dw uno	1

.code
	mov cero, producto	; producto := 0
	mov cero, contador	; contador := 0
bucle:	add a, producto		; producto := producto + a
	add uno, contador	; contador := contador + 1
	cmp contador, b		; FZ := (contador = b)
	beq fin
	cmp uno, uno		; FZ := 1
	beq bucle
fin:	cmp uno, uno
	beq fin			; el programa termina aquí

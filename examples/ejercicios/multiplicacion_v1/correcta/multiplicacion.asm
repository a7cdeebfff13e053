.ver 1
; Entrega correcta del ejercicio multiplicacion_v1.json: producto := a * b por sumas sucesivas.
; Compara el contador con b antes de sumar, así que con b = 0 no suma nada y termina.

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
bucle:	cmp contador, b		; FZ := (contador = b)
	beq fin			; hechas las b sumas
	add a, producto		; producto := producto + a
	add uno, contador	; contador := contador + 1
	cmp uno, uno		; FZ := 1
	beq bucle
fin:	cmp uno, uno
	beq fin			; el programa termina aquí

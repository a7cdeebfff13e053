.ver 1
; Bucle con contador en la máquina básica (.ver 1).
; Enseña a repetir un trozo de código: se suma 3 a total cinco veces. La salida del bucle
; usa CMP y BEQ; como BEQ solo salta si FZ vale 1, «cmp uno, uno» seguido de BEQ hace
; un salto incondicional.
;
; Al terminar, contador (dirección 20) vale 5 y total (24) vale 15 = 5 * 3.
; Memoria final: 20=5, 24=15

.data 20
dw contador	0
dw limite	5
dw uno	1
dw paso	3
dw total	0

.code
bucle:	add paso, total		; total := total + paso
	add uno, contador	; contador := contador + 1
	cmp contador, limite	; FZ := (contador = limite)
	beq fin			; se sale cuando se han hecho todas las vueltas
	cmp uno, uno		; FZ := 1
	beq bucle		; vuelta al principio del bucle
fin:	cmp uno, uno
	beq fin			; el programa termina aquí, saltando sobre sí mismo


.ver 2
; Suma de los elementos de un vector en la máquina modificada (.ver 2).
; Enseña la declaración vector, las instrucciones CLEAR, MOVD y ACUM, y el código que se
; modifica a sí mismo: sumar 128 a la instrucción «add» hace que su primer operando
; (bits 13 a 7) apunte al elemento siguiente. Usar la etiqueta «sumar» como operando
; da un aviso, pero el montaje es correcto.
;
; Al terminar, suma (dirección 45) vale 66 = 4 + 8 + 15 + 16 + 23, quedan (46) vale 0 y la
; instrucción «sumar» (dirección 3) se ha convertido en «add 45, 45» (5805).
; Memoria final: 45=66, 46=0, 3=5805

.data 40
vector datos 4, 8, 15, 16, 23
dw suma	?
dw quedan	?
dw cero	0
dw paso	128

.code
	clear suma		; suma := 0
	movd 5, quedan		; quedan := número de elementos
sumar:	add datos, suma		; suma := suma + elemento actual
	add paso, sumar		; la instrucción anterior pasa al elemento siguiente
	acum 65535, quedan	; quedan := quedan - 1 (65535 es -1 en 16 bits); FZ := (quedan = 0)
	beq fin			; no quedan elementos
	cmp cero, cero		; FZ := 1
	beq sumar
fin:	cmp cero, cero
	beq fin			; el programa termina aquí


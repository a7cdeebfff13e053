.ver 1
; Copia de un vector con código que se modifica a sí mismo, en la máquina básica (.ver 1).
; La máquina no tiene direccionamiento indirecto: para recorrer un vector, el programa
; suma 129 a su propia instrucción «mov». Como el primer operando ocupa los bits 13 a 7
; y el segundo los bits 6 a 0, sumar 129 = 128 + 1 avanza los dos operandos a la vez.
; Usar la etiqueta «copiar» como operando da un aviso, pero el montaje es correcto.
;
; Al terminar, destino (direcciones 34 a 37) vale 5, 10, 15, 20, quedan (38) vale 0 y la
; instrucción de la dirección 0 se ha convertido en «mov 34, 38» (37158).
; Memoria final: 34=5, 35=10, 36=15, 37=20, 38=0, 0=37158

.data 30
vector origen	5, 10, 15, 20
vector destino	0, 0, 0, 0
dw quedan	4
dw menosuno	65535
dw paso	129
dw cero	0

.code
copiar:	mov origen, destino	; destino[i] := origen[i]
	add paso, copiar	; la instrucción anterior pasa al elemento siguiente
	add menosuno, quedan	; quedan := quedan - 1; FZ := (quedan = 0)
	beq fin			; copiados todos los elementos
	cmp cero, cero		; FZ := 1
	beq copiar
fin:	cmp cero, cero
	beq fin			; el programa termina aquí, saltando sobre sí mismo

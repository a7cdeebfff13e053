.ver 2
; Potencia de dos en la máquina modificada (.ver 2).
; Enseña las tres instrucciones de esta versión: CLEAR pone una palabra a cero, ACUM le
; suma una constante (65535 es -1 en 16 bits, así que «acum 65535, x» resta uno) y MOVD
; guarda una constante. MOVD y ACUM ocupan dos palabras: la segunda es la constante.
; Calcula potencia := 2 elevado a 10 doblando potencia diez veces.
;
; Al terminar, potencia (dirección 20) vale 1024 y quedan (21) vale 0.
; Memoria final: 20=1024, 21=0

.data 20
dw potencia	?
dw quedan	?
dw cero	0

.code
	clear potencia		; potencia := 0
	acum 1, potencia	; potencia := potencia + 1
	movd 10, quedan		; quedan := 10
doblar:	add potencia, potencia	; potencia := 2 * potencia
	acum 65535, quedan	; quedan := quedan - 1; FZ := (quedan = 0)
	beq fin			; hechas todas las vueltas
	cmp cero, cero		; FZ := 1
	beq doblar
fin:	cmp cero, cero
	beq fin			; el programa termina aquí

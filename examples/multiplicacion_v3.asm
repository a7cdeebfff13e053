.ver 3
; Multiplicación por sumas sucesivas en la máquina microprogramable (.ver 3).
; Enseña a usar las instrucciones configurables como el repertorio básico: se supone un
; microprograma en el que inst0 suma (como ADD), inst1 compara (como CMP), inst2 copia
; (como MOV) e inst3 salta si FZ vale 1 (como BEQ, con su único operando).
; Calcula producto := a * b sumando a, b veces.
.conf
inst0 2
inst1 2
inst2 2
inst3 1

.data 50
dw a	7
dw b	6
dw producto	?
dw contador	?
dw cero	0
dw uno	1

.code
	inst2 cero, producto	; producto := 0
	inst2 cero, contador	; contador := 0
bucle:	inst1 contador, b	; FZ := (contador = b)
	inst3 fin		; hechas las b sumas
	inst0 a, producto	; producto := producto + a
	inst0 uno, contador	; contador := contador + 1
	inst1 uno, uno		; FZ := 1
	inst3 bucle
fin:	inst1 uno, uno
	inst3 fin		; el programa termina aquí


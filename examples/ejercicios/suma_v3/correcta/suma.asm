.ver 3
; Entrega correcta del ejercicio suma_v3.json: suma := x + y con las instrucciones configurables, bajo el
; microprograma suma.mpr de la misma carpeta: inst0 suma (como ADD), inst1 compara (como CMP),
; inst2 copia (como MOV) e inst3 salta si FZ vale 1 (como BEQ).
.conf
inst0 2
inst1 2
inst2 2
inst3 1

.data 40
dw x	4
dw y	2
dw suma	?
dw uno	1

.code
	inst2 x, suma		; suma := x
	inst0 y, suma		; suma := suma + y
fin:	inst1 uno, uno		; FZ := 1
	inst3 fin		; el programa termina aquí

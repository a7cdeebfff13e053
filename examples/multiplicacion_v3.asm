.ver 3
; Multiplicación por sumas sucesivas en la máquina microprogramable (.ver 3).
; Enseña a usar las instrucciones configurables como el repertorio básico: con el microprograma
; multiplicacion_v3.mpr, inst0 suma (como ADD), inst1 compara (como CMP), inst2 copia
; (como MOV) e inst3 salta si FZ vale 1 (como BEQ, con su único operando).
; Calcula producto := a * b sumando a, b veces. Al terminar, producto (dirección 52) vale 42
; y contador (dirección 53) vale 6.
; Memoria final: 50=7, 51=6, 52=42, 53=6
;
; Configuración de la ALU: la de partida ('00' '+', '01' XOR, '10' 'Reg B', '11' '0').
;
; Microprograma (multiplicacion_v3.mpr), campos en binario:
; uI Mx Alu L/E pPc pIR pA pB pFZ Salto Test pAux  Qué hace
;  0 00  00  0   1   1   0  0  0  0000  111  0    búsqueda: IR <- M[PC], PC <- PC + 1; sigue en 1
;  1 00  00  0   0   0   0  0  0  1001  101  0    decodifica: si cop vale 2 o 3 (inst2, inst3) salta a 9
;  2 00  00  0   0   0   0  0  0  0110  100  0    decodifica: si cop vale 1 (inst1) salta a 6; si no, inst0
;  3 10  00  0   0   0   0  1  0  0000  111  0    inst0 (suma): B <- M[fuente]
;  4 11  00  0   0   0   1  0  0  0000  111  0    inst0: A <- M[destino]
;  5 11  00  1   0   0   0  0  1  0000  011  0    inst0: M[destino] <- A + B, FZ; vuelve a 0
;  6 10  00  0   0   0   0  1  0  0000  111  0    inst1 (compara): B <- M[fuente]
;  7 11  00  0   0   0   1  0  0  0000  111  0    inst1: A <- M[destino]
;  8 11  01  0   0   0   0  0  1  0000  011  0    inst1: FZ <- (A XOR B = 0), sin escribir; vuelve a 0
;  9 00  00  0   0   0   0  0  0  1100  100  0    decodifica: si cop vale 3 (inst3) salta a 12; si no, inst2
; 10 10  00  0   0   0   0  1  0  0000  111  0    inst2 (copia): B <- M[fuente]
; 11 11  10  1   0   0   0  0  1  0000  011  0    inst2: M[destino] <- B, FZ; vuelve a 0
; 12 00  00  0   0   0   0  0  0  0000  010  0    inst3 (salta si FZ): con FZ = 0 no salta y vuelve a 0
; 13 11  00  0   1   1   0  0  0  0001  011  0    inst3: IR <- M[destino], PC <- destino + 1; decodifica en 1
; 14 00  00  0   0   0   0  0  0  0000  011  0    sin uso: vuelve a 0
; 15 00  00  0   0   0   0  0  0  0000  011  0    sin uso: vuelve a 0
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

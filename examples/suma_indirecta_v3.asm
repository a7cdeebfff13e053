.ver 3
; Suma de un vector recorrido con un puntero en la máquina microprogramable (.ver 3).
; Enseña el registro auxiliar RegAux: la instrucción inst2 p, d copia en d la palabra cuya
; dirección está guardada en p (d := M[M[p]]), un acceso indirecto que el repertorio básico no
; tiene. inst0 suma, inst1 compara e inst3 salta si FZ vale 1, como en multiplicacion_v3.
; Al terminar, suma (dirección 48) vale 66 = 4 + 8 + 15 + 16 + 23, puntero (45) vale 45 y
; elemento (47) vale 23, el último leído.
; Memoria final: 40=4, 44=23, 45=45, 47=23, 48=66
;
; Configuración de la ALU: la de partida ('00' '+', '01' XOR, '10' 'Reg B', '11' '0').
;
; Microprograma (suma_indirecta_v3.mpr), campos en binario:
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
;  9 00  00  0   0   0   0  0  0  1101  100  0    decodifica: si cop vale 3 (inst3) salta a 13; si no, inst2
; 10 10  00  0   0   0   0  0  0  0000  111  1    inst2 (carga indirecta): lee M[fuente]; RegAux se carga con ella
; 11 01  00  0   0   0   0  1  0  0000  111  0    inst2: B <- M[RegAux]
; 12 11  10  1   0   0   0  0  1  0000  011  0    inst2: M[destino] <- B, FZ; vuelve a 0
; 13 00  00  0   0   0   0  0  0  0000  010  0    inst3 (salta si FZ): con FZ = 0 no salta y vuelve a 0
; 14 11  00  0   1   1   0  0  0  0001  011  0    inst3: IR <- M[destino], PC <- destino + 1; decodifica en 1
; 15 00  00  0   0   0   0  0  0  0000  011  0    sin uso: vuelve a 0
.conf
inst0 2
inst1 2
inst2 2
inst3 1

.data 40
vector datos 4, 8, 15, 16, 23	; direcciones 40 a 44
dw puntero	40		; dirección del elemento siguiente
dw limite	45		; primera dirección tras el vector
dw elemento	?
dw suma	0
dw uno	1

.code
bucle:	inst1 puntero, limite	; FZ := (puntero = limite)
	inst3 fin		; recorrido todo el vector
	inst2 puntero, elemento	; elemento := M[puntero]
	inst0 elemento, suma	; suma := suma + elemento
	inst0 uno, puntero	; puntero := puntero + 1
	inst1 uno, uno		; FZ := 1
	inst3 bucle
fin:	inst1 uno, uno
	inst3 fin		; el programa termina aquí

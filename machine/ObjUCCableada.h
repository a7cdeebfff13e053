#pragma once
// The hard-wired control unit: normal, optimized, or that of the modified machine.

#include "ObjUnidadControl.h"
#include "TiposMaquina.h"

#include <array>

namespace velmo {

class TUCCableada : public TUnidadControl {
public:
    TTipoControl Tipocontrol = tnormal; // tnormal, toptimizado or TVL1Modif
    int copaux = 0; // opcode of a MOVD or ACUM, kept from decode to the constant's load (state 8)

    static constexpr std::array<TRegCAblesUP, 12> kControlNormal = {{
        {0, 0, 0, 1, 1, 0, 0, 0}, // 0 fetch
        {0, 0, 0, 0, 0, 0, 0, 0}, // 1 decode
        {2, 0, 0, 0, 0, 0, 1, 0}, // 2 ADD: B <- M[src]
        {2, 0, 0, 0, 0, 0, 1, 0}, // 3 CMP: B <- M[src]
        {2, 0, 0, 0, 0, 0, 1, 0}, // 4 MOV: B <- M[src]
        {0, 0, 0, 0, 0, 0, 1, 0}, // 5 BEQ: decide on FZ
        {3, 0, 0, 0, 0, 1, 0, 0}, // 6 ADD: A <- M[dst]
        {3, 0, 1, 0, 0, 0, 0, 1}, // 7 ADD: M[dst] <- A+B
        {3, 0, 0, 0, 0, 1, 0, 0}, // 8 CMP: A <- M[dst]
        {3, 1, 0, 0, 0, 0, 0, 1}, // 9 CMP: FZ
        {3, 2, 1, 0, 0, 0, 0, 1}, // 10 MOV: M[dst] <- B
        {3, 2, 0, 1, 1, 0, 0, 0}, // 11 BEQ taken: fetch at dst
    }};

    static constexpr std::array<TRegCAblesUP, 7> kControlOptimizado = {{
        {0, 0, 0, 1, 1, 0, 0, 0}, // 0 fetch
        {2, 0, 0, 0, 0, 0, 1, 0}, // 1 decode, B <- M[src]
        {3, 0, 0, 1, 1, 0, 0, 0}, // 2 BEQ taken: fetch at dst
        {3, 0, 0, 0, 0, 1, 0, 0}, // 3 A <- M[dst]
        {3, 0, 1, 0, 0, 0, 0, 1}, // 4 ADD
        {0, 1, 0, 0, 0, 0, 0, 1}, // 5 CMP
        {3, 2, 1, 0, 0, 0, 0, 1}, // 6 MOV
    }};

    static constexpr std::array<TRegCAblesUP, 12> kControlVL1Modif = {{
        {0, 0, 0, 1, 1, 0, 0, 0}, // 0 fetch
        {2, 0, 0, 0, 0, 0, 1, 0}, // 1 decode, B <- M[src]
        {3, 0, 0, 1, 1, 0, 0, 0}, // 2 BEQ taken: fetch at dst
        {3, 0, 0, 0, 0, 1, 0, 0}, // 3 A <- M[dst]
        {3, 0, 1, 0, 0, 0, 0, 1}, // 4 ADD
        {0, 1, 0, 0, 0, 0, 0, 1}, // 5 CMP
        {3, 2, 1, 0, 0, 0, 0, 1}, // 6 MOV
        {3, 3, 1, 0, 0, 0, 0, 0}, // 7 CLEAR: M[dst] <- 0
        {0, 0, 0, 1, 0, 0, 1, 0}, // 8 B <- constant word, PC skips it
        {3, 2, 1, 0, 0, 0, 0, 1}, // 9 MOVD: M[dst] <- B
        {3, 0, 0, 0, 0, 1, 0, 0}, // 10 ACUM: A <- M[dst]
        {3, 0, 1, 0, 0, 0, 0, 1}, // 11 ACUM: M[dst] <- A+B
    }};

    /// The engine gives it 14 ports.
    TUCCableada(Anfitrion& anfitrion, std::uint16_t ncables);

    void SetUp() override;
    void Comportamiento() override;

private:
    void SiguienteNormal(int cop, int fz);
    void SiguienteOptimizado(int cop, int fz);
    void SiguienteVL1Modif(int cop, int fz);
    /// State 1 of the optimized and modified controls share their jump and MOV decisions.
    bool DecodeComun(int cop, int fz);
    void Pasa(std::uint8_t siguiente, const char* linea);
};

} // namespace velmo

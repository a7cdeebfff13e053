#pragma once
// What the hard-wired and the microprogrammed control units share: the state (or microaddress)
// bookkeeping, the end-of-instruction test and the driving of a control word onto the ports.

#include "ObjElemOrg.h"
#include "TiposMaquina.h"

#include <cstdint>

namespace velmo {

class TUnidadControl : public TElemOrg {
public:
    std::uint8_t EstadoActual = 0;    // executed in this cycle
    std::uint8_t EstadoSiguiente = 0; // computed for the next cycle
    std::uint8_t EstadoAnterior = 0;  // executed in the previous cycle

    void SetEstadoActual(std::uint8_t estado) {
        EstadoAnterior = EstadoActual;
        EstadoActual = estado;
    }

    /// Asked before the state advances: the cycle just run fetched an instruction, either in state 0 or
    /// in the decode state reached straight from a taken jump (which fetched the target itself).
    bool IsFinInstruccion() const { return EstadoActual == 0 || (EstadoActual == 1 && EstadoAnterior != 0); }

protected:
    TUnidadControl(Anfitrion& anfitrion, std::uint16_t ncables)
        : TElemOrg(anfitrion, "UCcableada", ncables) {}
    TUnidadControl(const TUnidadControl&) = default;
    TUnidadControl& operator=(const TUnidadControl&) = default;

    /// Puts the control word on the output ports 2, 9, 0, 1, 4, 5, 6, 8.
    void PonPalabraControl(std::int16_t mx10, std::int16_t alu10, std::int16_t lorWmem, std::int16_t pPc,
                           std::int16_t pIr, std::int16_t pA, std::int16_t pB, std::int16_t pFz);
    void PonPalabraControl(const TRegCAblesUP& palabra) {
        PonPalabraControl(palabra.MX10, palabra.ALU10, palabra.LorWmem, palabra.pPc, palabra.pIr, palabra.pA,
                          palabra.pB, palabra.pFz);
    }

    std::int16_t Cop() const { return LosCables[3].Valor; }
    std::int16_t Fz() const { return LosCables[7].Valor; }
};

} // namespace velmo

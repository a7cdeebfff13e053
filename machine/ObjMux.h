#pragma once
// The four-input address multiplexer.

#include "ObjElemOrg.h"

#include <cstdint>

namespace velmo {

class TMux : public TElemOrg {
public:
    std::uint16_t ValorOUT = 0;
    std::uint16_t IndiceCableOutSum = 0;
    std::uint16_t IndiceCableOutMem = 0;
    std::uint16_t Regauxin = 0; // the auxiliary address register, input 1

    /// The output indices are set at once, so a multiplexer is never wired to entry 0 by mistake.
    TMux(Anfitrion& anfitrion, std::uint16_t ncables) : TElemOrg(anfitrion, "Mux", ncables) { Inicializa(); }

    void Inicializa() override;
    void Comportamiento() override;

    void SetValorOut(std::uint16_t v) { ValorOUT = v; }
    void SetIndiceCableOutSum(std::uint16_t v) { IndiceCableOutSum = v; }
    void SetIndiceCableOutMem(std::uint16_t v) { IndiceCableOutMem = v; }
    void SetRegauxin(std::uint16_t v) { Regauxin = v; }
};

} // namespace velmo

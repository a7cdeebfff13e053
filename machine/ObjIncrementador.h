#pragma once
// The PC incrementer: the selected address plus one, wrapping at 128.

#include "ObjElemOrg.h"

#include <cstdint>

namespace velmo {

class TIncrementador : public TElemOrg {
public:
    std::int32_t Numbits = 7;
    std::uint16_t ValorIN = 0;
    std::uint16_t IndiceCableIN = 0;
    std::uint16_t ValorOUT = 0;
    std::uint16_t IndiceCableOut = 0;

    TIncrementador(Anfitrion& anfitrion, std::uint16_t ncables);

    void Inicializa() override;
    void Comportamiento() override;

    void SetValorIn(std::uint16_t v) { ValorIN = v; }
    void SetIndiceCableIn(std::uint16_t v) { IndiceCableIN = v; }
    void SetValorOut(std::uint16_t v) { ValorOUT = v; }
    void SetIndiceCableOut(std::uint16_t v) { IndiceCableOut = v; }
};

} // namespace velmo

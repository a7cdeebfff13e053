#pragma once
// A register of the datapath: PC, IR, A, B or FZ.

#include "ObjElemOrg.h"

#include <cstdint>
#include <string>

namespace velmo {

class TRegistro : public TElemOrg {
public:
    std::string NombreReg; // "PC", "IR", "ALU-> A", "ALU-> B" or "FZ"
    std::int32_t Numbits = 0;
    std::uint16_t PermisoCarga = 0; // 1: loads at the next clock edge
    std::uint16_t ValorIN = 0;      // shown at the output from the next cycle on
    std::uint16_t IndiceCableIN = 0;
    std::uint16_t ValorOUT = 0;
    std::uint16_t IndiceCableOut = 0; // not used by the IR
    bool IsCopModif = false;          // IR: decode a 4-bit opcode in the next behaviour

    TRegistro(Anfitrion& anfitrion, std::string nombre, std::uint16_t ncables, std::int32_t numbits);

    void Inicializa() override;
    void SetUp() override { ValorOUT = ValorIN; }
    void Comportamiento() override;
    /// The same with the trace flag the engine read once for the whole cycle.
    void Comportamiento(bool traza);

    void SetValorIn(std::uint16_t v) { ValorIN = v; }
    void SetIndiceCableIn(std::uint16_t v) { IndiceCableIN = v; }
    void SetValorOut(std::uint16_t v) { ValorOUT = v; }
    void SetIndiceCableOut(std::uint16_t v) { IndiceCableOut = v; }
    void SetPermisoCarga(std::uint16_t v) { PermisoCarga = v; }

private:
    bool m_esIR;
};

} // namespace velmo

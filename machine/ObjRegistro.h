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
    /// The same with the trace flag the engine read once for the whole cycle; inline, as it runs five times a
    /// cycle.
    void Comportamiento(bool traza) {
        Comportado = true;
        const bool carga = LosCables[0].Valor == 1;
        if (traza) {
            TrazaCarga(carga);
        }
        PermisoCarga = carga ? 1 : 0;
        if (!m_esIR) {
            LosCables[2].Valor = static_cast<std::int16_t>(ValorOUT);
            return;
        }
        // The IR splits its word into destination, source and opcode fields.
        LosCables[2].Valor = static_cast<std::int16_t>(ValorOUT & 0x7F);
        LosCables[3].Valor = static_cast<std::int16_t>((ValorOUT >> 7) & 0x7F);
        if (IsCopModif) {
            LosCables[4].Valor = static_cast<std::int16_t>(ValorOUT >> 12);
            IsCopModif = false;
        } else {
            LosCables[4].Valor = static_cast<std::int16_t>(ValorOUT >> 14);
        }
    }

    void SetValorIn(std::uint16_t v) { ValorIN = v; }
    void SetIndiceCableIn(std::uint16_t v) { IndiceCableIN = v; }
    void SetValorOut(std::uint16_t v) { ValorOUT = v; }
    void SetIndiceCableOut(std::uint16_t v) { IndiceCableOut = v; }
    void SetPermisoCarga(std::uint16_t v) { PermisoCarga = v; }

private:
    void TrazaCarga(bool carga) const;

    bool m_esIR;
};

} // namespace velmo

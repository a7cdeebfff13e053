#pragma once
// The ALU: fixed on the hard-wired and fixed-microprogram machines, configurable on the
// microprogrammable one.

#include "AnfitrionMaquina.h"
#include "ObjElemOrg.h"
#include "TiposMaquina.h"

#include <cstdint>

namespace velmo {

class TAlu : public TElemOrg {
public:
    std::uint16_t ValorOUT = 0;
    std::uint16_t IndiceCableOut = 0;
    TTipoControl tipocontrol = tnormal; // TMicroprogramable makes the ALU configurable

    /// The host also tells which operation each opcode's option group has selected.
    TAlu(AnfitrionMaquina& anfitrion, std::uint16_t ncables);
    TAlu(const TAlu&) = default;
    /// Values only; the host that answers the option groups stays (see TElemOrg).
    TAlu& operator=(const TAlu& o) {
        TElemOrg::operator=(o);
        ValorOUT = o.ValorOUT;
        IndiceCableOut = o.IndiceCableOut;
        tipocontrol = o.tipocontrol;
        return *this;
    }

    void Inicializa() override;
    void Comportamiento() override;

    void SetValorOut(std::uint16_t v) { ValorOUT = v; }
    void SetIndiceCableOut(std::uint16_t v) { IndiceCableOut = v; }

private:
    AnfitrionMaquina* m_maquina;

    /// False when the opcode's group has nothing selected: the output keeps its value.
    bool OperacionConfigurable(unsigned op, std::uint16_t a, std::uint16_t b, std::uint16_t& resultado);
    std::uint16_t DivisionPorCero();
};

} // namespace velmo

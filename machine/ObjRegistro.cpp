#include "ObjRegistro.h"

#include "LineaTraza.h"

namespace velmo {

TRegistro::TRegistro(Anfitrion& anfitrion, std::string nombre, std::uint16_t ncables, std::int32_t numbits)
    : TElemOrg(anfitrion, "Registro", ncables), NombreReg(std::move(nombre)), Numbits(numbits),
      m_esIR(NombreReg == "IR") {
    Inicializa();
}

void TRegistro::Inicializa() {
    ValorIN = 0;
    ValorOUT = 0;
}

void TRegistro::Comportamiento() {
    Comportamiento(anfitrion().TrazaActiva());
}

void TRegistro::Comportamiento(bool traza) {
    Comportado = true;
    const bool carga = LosCables[0].Valor == 1;
    if (traza) {
        anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << (carga ? "pongo permiso carga a true del reg: "
                                                                   : "pongo permiso carga a false del reg: ")
                                                         << NombreReg)
                                        .Texto());
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

} // namespace velmo

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

void TRegistro::TrazaCarga(bool carga) const {
    anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << (carga ? "pongo permiso carga a true del reg: "
                                                               : "pongo permiso carga a false del reg: ")
                                                     << NombreReg)
                                    .Texto());
}

} // namespace velmo

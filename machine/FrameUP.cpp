#include "FrameUP.h"

#include "CablesMaquina.h"

namespace velmo {

const TRegConfCable& TOrganizacion::Cable(int indice) {
    return kMapaUP.at(static_cast<std::size_t>(indice));
}

void TOrganizacion::CreaCablesOrg() {
    datos_.Valor.fill(0);
    datos_.activado.fill(false);
    datos_.RegAux = 0;
}

} // namespace velmo

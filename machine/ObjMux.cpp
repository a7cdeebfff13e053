#include "ObjMux.h"

#include "CablesMaquina.h"

namespace velmo {

void TMux::Inicializa() {
    IndiceCableOutSum = mapa::wMuxoutSum;
    IndiceCableOutMem = mapa::wMuxoutMem;
}

void TMux::Comportamiento() {
    Comportado = true;
    switch (LosCables[0].Valor) {
    case 0:
        ValorOUT = static_cast<std::uint16_t>(LosCables[1].Valor);
        break;
    case 1:
        ValorOUT = Regauxin;
        break;
    case 2:
        ValorOUT = static_cast<std::uint16_t>(LosCables[5].Valor);
        break;
    default:
        ValorOUT = static_cast<std::uint16_t>(LosCables[4].Valor);
        break;
    }
}

} // namespace velmo

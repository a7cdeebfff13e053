#include "ObjIncrementador.h"

#include "CablesMaquina.h"
#include "RegInst.h"

namespace velmo {

TIncrementador::TIncrementador(Anfitrion& anfitrion, std::uint16_t ncables)
    : TElemOrg(anfitrion, "Incrementador", ncables) {
    Inicializa();
}

void TIncrementador::Inicializa() {
    ValorIN = 0;
    ValorOUT = 0;
    IndiceCableOut = mapa::wSumPc;
    IndiceCableIN = mapa::wMuxoutSum;
}

void TIncrementador::Comportamiento() {
    Comportado = true;
    ValorOUT = static_cast<std::uint16_t>(ValorIN + 1);
    if (ValorOUT == kPalabrasMemoria) {
        ValorOUT = 0;
    }
}

} // namespace velmo

#include "ObjMemoria.h"

#include "CablesMaquina.h"
#include "Utils.h"

#include <string>

namespace velmo {

TMemoria::TMemoria(Anfitrion& anfitrion, std::uint16_t ncables) : TElemOrg(anfitrion, "Memoria", ncables) {
    PermisoCarga = 0;
    Inicializa();
}

void TMemoria::Inicializa() {
    for (int i = 0; i < kPalabrasMemoria; ++i) {
        VectorReginst[static_cast<std::size_t>(i)] = PalabraLibre(i);
        ActualizaCopLargo(static_cast<std::size_t>(i));
    }
    escritas_ = {};
    IndiceCableOutIR = mapa::wMemOutIr;
    IndiceCableOutB = mapa::wMoutB;
    IndiceCableOutA = mapa::wMoutA;
    IndiceCablein = mapa::wAluOutMem;
}

void TMemoria::Comportamiento() {
    Comportado = true;
    IsCopModif = false;
    const auto direccion = static_cast<std::uint16_t>(LosCables[1].Valor);
    if (direccion >= kPalabrasMemoria) {
        anfitrion().MuestraMensaje(
            "Error en tiempo de ejecución\r\nSe está intentando acceder a la dirección " +
                std::to_string(direccion) + " de memoria.",
            "Velmo", IconoMensaje::Error);
        ValorOUT = 0;
    } else {
        const TregInst& palabra = VectorReginst[direccion];
        ValorOUT = palabra.Valor;
        IsCopModif = copLargo_[direccion];
    }
    const auto salida = static_cast<std::int16_t>(ValorOUT);
    LosCables[2].Valor = salida;
    LosCables[3].Valor = salida;
    LosCables[4].Valor = salida;
}

bool TMemoria::EscribirInstruccion(const TregInst& reg, int direccion) {
    if (!DireccionValida(direccion)) {
        return false;
    }
    VectorReginst[static_cast<std::size_t>(direccion)] = reg;
    ActualizaCopLargo(static_cast<std::size_t>(direccion));
    escritas_[static_cast<std::size_t>(direccion) / 64] &= ~(std::uint64_t{1} << (direccion % 64));
    return true;
}

bool TMemoria::EscribirValor(std::uint16_t valor, int direccion) {
    if (!DireccionValida(direccion)) {
        return false;
    }
    TregInst& palabra = VectorReginst[static_cast<std::size_t>(direccion)];
    palabra.Valor = valor;
    UpdateRegInst(valor, ver, palabra);
    ActualizaCopLargo(static_cast<std::size_t>(direccion));
    escritas_[static_cast<std::size_t>(direccion) / 64] |= std::uint64_t{1} << (direccion % 64);
    return true;
}

void TMemoria::ActualizaCopLargo(std::size_t direccion) {
    const std::string& cop = VectorReginst[direccion].cop;
    copLargo_[direccion] = EsMnemonico(cop, "CLEAR") || EsMnemonico(cop, "ACUM") || EsMnemonico(cop, "MOVD");
}

bool TMemoria::LeerInstruccion(int direccion, TregInst& reg) const {
    if (!DireccionValida(direccion)) {
        return false;
    }
    reg = VectorReginst[static_cast<std::size_t>(direccion)];
    return true;
}

} // namespace velmo

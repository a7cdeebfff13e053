#include "ObjAlu.h"

#include "CablesMaquina.h"

namespace velmo {

TAlu::TAlu(AnfitrionMaquina& anfitrion, std::uint16_t ncables)
    : TElemOrg(anfitrion, "Alu", ncables), m_maquina(&anfitrion) {
    Inicializa();
}

void TAlu::Inicializa() {
    IndiceCableOut = mapa::wAluOutMem;
}

void TAlu::Comportamiento() {
    Comportado = true;
    const auto op = static_cast<std::uint16_t>(LosCables[0].Valor);
    const auto a = static_cast<std::uint16_t>(LosCables[2].Valor);
    const auto b = static_cast<std::uint16_t>(LosCables[3].Valor);

    if (tipocontrol != TMicroprogramable) {
        switch (op) {
        case 0:
            ValorOUT = static_cast<std::uint16_t>(a + b);
            break;
        case 1:
            ValorOUT = static_cast<std::uint16_t>(a ^ b);
            break;
        case 2:
            ValorOUT = b;
            break;
        default:
            ValorOUT = 0;
            break;
        }
    } else {
        std::uint16_t resultado = 0;
        if (OperacionConfigurable(op, a, b, resultado)) {
            ValorOUT = resultado;
        }
    }
    LosCables[4].Valor = ValorOUT == 0 ? 1 : 0;
}

bool TAlu::OperacionConfigurable(unsigned op, std::uint16_t a, std::uint16_t b, std::uint16_t& resultado) {
    if (op > 3) {
        return false;
    }
    const int opcion = m_maquina->OpcionAlu(static_cast<int>(op));
    if (opcion < 0 || opcion > 3) {
        return false;
    }
    // Widened to 32 bits so that no product or shift overflows before the cut to 16 bits.
    const std::uint32_t ua = a;
    const std::uint32_t ub = b;
    std::uint32_t r = 0;
    switch (op * 4 + static_cast<unsigned>(opcion)) {
    case 0: // '+'
        r = ua + ub;
        break;
    case 1: // MUL
        r = ua * ub;
        break;
    case 2: // SHR
        r = ub >> 2;
        break;
    case 3: // AND
        r = ua & ub;
        break;
    case 4: // XOR
        r = ua ^ ub;
        break;
    case 5: // DIV
        r = ua == 0 ? DivisionPorCero() : ub / ua;
        break;
    case 6: // SHL
        r = ub << 2;
        break;
    case 7: // OR
        r = ua | ub;
        break;
    case 8: // 'Reg B'
        r = ub;
        break;
    case 9: // 'Reg A'
        r = ua;
        break;
    case 10: // MOD
        r = ua == 0 ? DivisionPorCero() : ub % ua;
        break;
    case 12: // '0'
        r = 0;
        break;
    case 13: // '1'
        r = 1;
        break;
    case 14: // 'NOT'
        r = ~ub;
        break;
    default: // an item the group does not have
        return false;
    }
    resultado = static_cast<std::uint16_t>(r & 0xFFFF);
    return true;
}

std::uint16_t TAlu::DivisionPorCero() {
    anfitrion().MuestraMensaje("División por cero.\r\nSalida de la ALU puesta a 1", "Error",
                               IconoMensaje::Error);
    return 1;
}

} // namespace velmo

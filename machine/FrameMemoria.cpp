#include "FrameMemoria.h"

#include "AnfitrionMaquina.h"
#include "UtilidadesStr.h"
#include "Utils.h"

#include <algorithm>

namespace velmo {

namespace {

bool DireccionValida(int d) {
    return d >= 0 && d < kPalabrasMemoria;
}

} // namespace

TMemoriaVLM::TMemoriaVLM(AnfitrionMaquina* anfitrion) : anfitrion_(anfitrion) {
    SetCaption("Memoria");
    for (int i = 0; i < kPalabrasMemoria; ++i) {
        datos_.VectorReginst[static_cast<std::size_t>(i)] = PalabraLibre(i);
    }
}

void TMemoriaVLM::EscribirInstruccion(const TregInst& reg, int direccion) {
    if (DireccionValida(direccion)) {
        datos_.VectorReginst[static_cast<std::size_t>(direccion)] = reg;
    }
}

void TMemoriaVLM::LeerInstruccion(int direccion, TregInst& reg) const {
    if (DireccionValida(direccion)) {
        reg = datos_.VectorReginst[static_cast<std::size_t>(direccion)];
    }
}

void TMemoriaVLM::EscribirValor(std::uint16_t valor, std::uint16_t direccion) {
    if (!DireccionValida(direccion)) {
        return;
    }
    auto& palabra = datos_.VectorReginst[direccion];
    palabra.Valor = valor;
    UpdateRegInst(valor, datos_.ver, palabra);
}

void TMemoriaVLM::SetFilaActual(std::uint16_t direccion) {
    datos_.FilaActual = direccion;
    const int a = direccion;
    if (a < datos_.PrimeraFilaVisible) {
        datos_.PrimeraFilaVisible = a;
    } else if (a > datos_.PrimeraFilaVisible + datos_.FilasVisibles - 1) {
        datos_.PrimeraFilaVisible = a - datos_.FilasVisibles + 1;
    }
}

void TMemoriaVLM::RestauraContenido(const Datos& datos) {
    datos_ = datos;
    SetFilaActual(datos_.FilaActual);
    Repinta();
}

bool TMemoriaVLM::Haybreakpointbyindex(std::int32_t direccion) const {
    return DireccionValida(direccion) && datos_.VectorBreakpoints[static_cast<std::size_t>(direccion)];
}

void TMemoriaVLM::TablaMemoriaSelectCell(int /*columna*/, int fila) {
    if (!DireccionValida(fila)) {
        return;
    }
    auto& flags = datos_.VectorBreakpoints;
    const auto r = static_cast<std::size_t>(fila);
    const std::string& cop = datos_.VectorReginst[r].cop;
    const bool conConstante = (cop == "MOVD" || cop == "ACUM") && fila + 1 < kPalabrasMemoria;
    if (flags[r]) {
        flags[r] = false;
        if (conConstante) {
            flags[r + 1] = false;
        }
        datos_.HayBreakpoint = std::any_of(flags.begin(), flags.end(), [](bool b) { return b; });
    } else {
        flags[r] = true;
        if (conConstante) {
            flags[r + 1] = true;
        }
        datos_.HayBreakpoint = true;
        if (anfitrion_ != nullptr) {
            anfitrion_->AvisoBreakpoint();
        }
    }
    Repinta();
}

void TMemoriaVLM::SetFilasVisibles(int primera, int cuantas) {
    datos_.PrimeraFilaVisible = std::clamp(primera, 0, kPalabrasMemoria - 1);
    datos_.FilasVisibles = std::max(1, cuantas);
}

TMemoriaVLM::ImagenGutter TMemoriaVLM::ImagenDeFila(int fila) const {
    const bool actual = fila == datos_.FilaActual;
    const bool breakpoint = Haybreakpointbyindex(fila);
    if (actual) {
        return breakpoint ? ImagenActualBreakpoint : ImagenActual;
    }
    return breakpoint ? ImagenBreakpoint : SinImagen;
}

std::string TMemoriaVLM::TextoCelda(int columna, int fila) const {
    if (!DireccionValida(fila)) {
        return {};
    }
    const TregInst& reg = datos_.VectorReginst[static_cast<std::size_t>(fila)];
    switch (columna) {
    case 1:
        return "   " + std::to_string(fila);
    case 2:
        return reg.Descripcion;
    case 3:
        return "  " + Int2Bin(reg.Valor, 16) + "  ";
    case 4: {
        const std::string& cop = reg.cop;
        const std::string op1 = std::to_string(reg.op1);
        const std::string op2 = std::to_string(reg.op2);
        if (cop == "CLEAR") {
            return "   CLEAR " + op2;
        }
        if (cop == "MOVD" || cop == "ACUM") {
            return "   " + cop + " " + op1 + "," + op2;
        }
        if (cop == "0" || cop == "1" || cop == "2" || cop == "3") {
            std::string t = "  Inst" + cop + "  " + op1;
            if (reg.op2 != kSinSegundoOperando) {
                t += "," + op2;
            }
            return t;
        }
        if (cop == kMarcaVacia) {
            return reg.Valor == kPalabraSinValor ? "   ---" : "   " + std::to_string(reg.Valor);
        }
        std::string t = ("   " + cop + "  ").substr(0, 25) + op1;
        if (cop != "BEQ") {
            t += "," + op2;
        }
        return t;
    }
    default:
        return {};
    }
}

} // namespace velmo

#pragma once
// A signal: one port of an element, or one entry of a diagram's signal map.

#include "TiposMaquina.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmo {

/// How a port or a map entry is to be created.
struct TRegConfCable {
    std::uint16_t NumBits;
    std::string_view Nombre;
    std::uint16_t IndiceMapa;
    TTipoCable TipoCable;
    TTipoFrame FrameMapa;
};

/// Values are stored as given: the width serves display only, so 300 on a 7-bit signal stays 300.
/// The owner is not kept: nothing in the machine asks a signal for it, and a copied machine must not
/// point back into the original.
class TCable {
public:
    std::uint16_t NumBits = 0;
    std::int16_t Valor = 0;
    std::string Nombre;
    TTipoCable TipoCable = TDatos;
    TTipoFrame FrameMapa = TUpVl0;
    bool Activado = false;
    std::int32_t IndiceMapa = 0;

    TCable() = default;
    explicit TCable(std::int32_t indiceMapa) : IndiceMapa(indiceMapa) {}

    void SetValor(std::int16_t valor) { Valor = valor; }
    void SetNumBits(std::uint16_t numBits) { NumBits = numBits; }
    void SetNombre(std::string nombre) { Nombre = std::move(nombre); }
    void SetTipoCable(TTipoCable tipo) { TipoCable = tipo; }
    void SetFrameMapa(TTipoFrame frame) { FrameMapa = frame; }
    void SetActivado(bool activado) { Activado = activado; }
};

} // namespace velmo

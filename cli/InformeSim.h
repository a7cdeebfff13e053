#pragma once
// What velmo-sim reports about a simulation: a plain record taken from the engine after the run, shown as
// one JSON object or as a readable Spanish summary.

#include "RegInst.h"
#include "TiposMaquina.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

struct InformeSim {
    int version = 1; // 1, 2 or 3
    TTipoControl control = tnormal;
    std::int32_t ciclos = -1;
    std::int32_t instrucciones = -1;
    std::int32_t estado = 0;
    std::int32_t filaActual = 0;
    std::uint16_t pc = 0;
    std::uint16_t ir = 0;
    std::uint16_t a = 0;
    std::uint16_t b = 0;
    std::uint16_t fz = 0;
    std::int32_t regAux = 0;
    std::array<std::uint16_t, kPalabrasMemoria> memoria{};
    std::vector<std::string> mensajes;
};

/// One line of compact JSON with the keys in this order: version, control, ciclos, instrucciones, estado,
/// fila_actual, pc, ir, a, b, fz, regaux, memoria, mensajes. Bytes that are not UTF-8 become U+FFFD.
std::string InformeJson(const InformeSim& informe);

/// Several lines of Spanish text, each ending in '\n'.
std::string InformeLegible(const InformeSim& informe, const std::string& fichero);

} // namespace velmo

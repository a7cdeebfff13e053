#pragma once
// What velmo-sim reports about a simulation: the engine's state picture, shown as one JSON object or as a
// readable Spanish summary.

#include "FotoEstado.h"
#include "RegInst.h"

#include <string>

namespace velmo {

/// One line of compact JSON with the keys in this order: version, control, ciclos, instrucciones, estado,
/// fila_actual, pc, ir, a, b, fz, regaux, memoria, mensajes. Bytes that are not UTF-8 become U+FFFD.
/// "memoria" always holds 128 words: rows the picture lacks count as 0.
std::string InformeJson(const FotoEstado& foto);

/// Several lines of Spanish text, each ending in '\n'.
std::string InformeLegible(const FotoEstado& foto, const std::string& fichero);

} // namespace velmo

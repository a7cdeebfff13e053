#pragma once
// Autograding: an expected final state (any subset of the keys of velmo-sim's JSON report, memory words
// by address) checked against the state reached, with the differences as readable Spanish lines.

#include "InformeSim.h"

#include <optional>
#include <string>
#include <vector>

namespace velmo {

struct EstadoEsperado {
    std::string texto; // the JSON object as read
};

/// Reads and checks `ruta`: a JSON object whose keys are those of the report; "memoria" may be the full
/// array or an object of decimal addresses. On failure returns nullopt and sets `error` to a Spanish text.
std::optional<EstadoEsperado> LeeEstadoEsperado(const std::string& ruta, std::string& error);

/// One line per difference, "clave: se esperaba X y es Y"; empty when the state matches.
std::vector<std::string> DiferenciasEstado(const EstadoEsperado& esperado, const FotoEstado& informe);

/// The differences as a text block ending in '\n'.
std::string TextoDiferencias(const std::vector<std::string>& diferencias);

} // namespace velmo

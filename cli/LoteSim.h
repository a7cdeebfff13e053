#pragma once
// velmo-sim --lote: every source and executable of a folder, one JSON line each.

#include "ArgumentosSim.h"
#include "EstadoEsperado.h"
#include "FicheroMicroprograma.h"

#include <iosfwd>
#include <optional>

namespace velmo {

/// Runs each program of `a.lote` by name with the options of `a`; `mpComun` and `esperadoComun` apply
/// where a program has none of its own beside it. Returns the greatest exit status of the programs.
int EjecutaLote(const ArgumentosSim& a, const std::optional<Microprograma>& mpComun,
                const std::optional<EstadoEsperado>& esperadoComun, std::ostream& salida,
                std::ostream& errores);

} // namespace velmo

#pragma once
// velmo-sim --comparar: one version-1 program under the normal, optimized and microprogrammed control units.

#include "ArgumentosSim.h"

#include <iosfwd>

namespace velmo {

/// Runs `a.ejecutable` under the three units, prints the table (or JSON) and returns the exit status.
int EjecutaComparacion(const ArgumentosSim& a, std::ostream& salida, std::ostream& errores);

} // namespace velmo

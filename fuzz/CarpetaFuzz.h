#pragma once
// The private folder of one fuzzing process. Every input reuses the same names, so the folder never grows;
// it is removed when the process ends.

#include "CarpetaTemporal.h"

namespace velmo::fuzz {

/// One folder per process, made on first use.
inline pruebas::CarpetaTemporal& Carpeta() {
    static pruebas::CarpetaTemporal carpeta;
    return carpeta;
}

} // namespace velmo::fuzz

#pragma once
// State of the counters window ("EstadoDeEjecucion"): cycles and instructions run so far.

#include "EstadoVentana.h"

#include <cstdint>
#include <string>

namespace velmo {

struct DatosEstadoDeEjecucion {
    std::int32_t NumCiclos = 0;
    std::int32_t NumInstrucciones = 0;
    bool operator==(const DatosEstadoDeEjecucion&) const = default;
};

class TEstadoDeEjecucion : public EstadoVentanaConDatos<DatosEstadoDeEjecucion> {
public:
    TEstadoDeEjecucion() { SetCaption("EstadoDeEjecucion"); }

    void SetNumCiclos(std::int32_t n) { datos_.NumCiclos = n; }
    void SetNumInstrucciones(std::int32_t n) { datos_.NumInstrucciones = n; }
    std::int32_t prNumCiclos() const { return datos_.NumCiclos; }
    std::int32_t prNumInstrucciones() const { return datos_.NumInstrucciones; }

    /// The grid cell text at (column, row). The instruction count reads 0 while it is negative; the
    /// cycle count is shown as it is.
    std::string TextoCelda(int columna, int fila) const {
        if (columna == 0) {
            return fila == 0 ? "  Nº Ciclos: " : fila == 1 ? "  Nº Instrucciones:" : "";
        }
        if (columna == 1 && fila == 0) {
            return std::to_string(datos_.NumCiclos);
        }
        if (columna == 1 && fila == 1) {
            return std::to_string(datos_.NumInstrucciones < 0 ? 0 : datos_.NumInstrucciones);
        }
        return {};
    }

private:
};

} // namespace velmo

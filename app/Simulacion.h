#pragma once
// What the main window asks of an open simulation. Runs, steps back and reset are the engine's own
// operations and answer as data (ResultadoEjecucion); the window decides from that what to show, so its
// rules (enabling, reset after a failure, the Stop button) hold whatever engine is behind.

#include "ResultadoEjecucion.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace velmo {

class TVentanaPrincipal;

class Simulacion {
public:
    virtual ~Simulacion() = default;

    virtual ResultadoEjecucion Ciclos(std::int64_t n, const OpcionesEjecucion& opciones) = 0;
    /// Up to `n` instructions, asking after every 50 whether to go on.
    virtual ResultadoEjecucion Instrucciones(std::int64_t n, const OpcionesEjecucion& opciones) = 0;
    virtual ResultadoEjecucion HastaBreakpoint(const OpcionesEjecucion& opciones) = 0;
    /// The run under way ends after its current cycle.
    virtual void Detener() {}
    /// Opens the simulation again from its executable, with windows of its own; throws when it cannot
    /// (ErrorAperturaEjecutable when the file cannot be read).
    virtual void Reinicia() = 0;

    virtual void Monitoriza() = 0;
    virtual void MostrarMicroprograma() = 0;
    virtual void MostrarMaquinaEstados() = 0;
    virtual void VentanasIniciales() = 0;

    // ---- stepping back and the recorded trace (simulations without a history have nothing to undo)
    virtual ResultadoEjecucion CicloAnterior() { return NadaQueDeshacer(); }
    virtual ResultadoEjecucion InstruccionAnterior() { return NadaQueDeshacer(); }
    /// Writes every moment held as CSV, or as a Value Change Dump when `vcd`; false when it could not.
    virtual bool GuardaTraza(const QString& /*ruta*/, bool /*vcd*/) { return false; }

private:
    static ResultadoEjecucion NadaQueDeshacer() {
        ResultadoEjecucion r;
        r.fin = FinEjecucion::NadaQueDeshacer;
        return r;
    }
};

/// Builds the simulation of the executable at `ruta`, its windows inside `owner`.
using FabricaSimulacion =
    std::function<std::unique_ptr<Simulacion>(TVentanaPrincipal& owner, const QString& ruta)>;

} // namespace velmo

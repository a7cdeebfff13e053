#pragma once
// What the main window asks of an open simulation. The engine is reached only through these commands,
// so the window's own rules (enabling, the N run, reset after a failure) hold whatever engine is behind.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace velmo {

class TVentanaPrincipal;

class Simulacion {
public:
    virtual ~Simulacion() = default;

    virtual void EjecutaCiclo() = 0;
    /// False when the run must stop (the engine has said why).
    virtual bool EjecutaInstruccion() = 0;
    virtual void EjecutaHastaBreakpoint() = 0;
    virtual void Monitoriza() = 0;
    virtual void MostrarMicroprograma() = 0;
    virtual void MostrarMaquinaEstados() = 0;
    virtual void VentanasIniciales() = 0;
    /// Cycles and instructions run so far (the counters' values), for a run's progress.
    virtual std::int32_t Ciclos() const { return 0; }
    virtual std::int32_t Instrucciones() const { return 0; }

    // ---- stepping back and the recorded trace (simulations without a history answer false)
    /// False when nothing older is held.
    virtual bool RetrocedeCiclo() { return false; }
    virtual bool RetrocedeInstruccion() { return false; }
    /// Writes every moment held as CSV, or as a Value Change Dump when `vcd`; false when it could not.
    virtual bool GuardaTraza(const QString& /*ruta*/, bool /*vcd*/) { return false; }
};

/// Builds the simulation of the executable at `ruta`, its windows inside `owner`.
using FabricaSimulacion =
    std::function<std::unique_ptr<Simulacion>(TVentanaPrincipal& owner, const QString& ruta)>;

} // namespace velmo

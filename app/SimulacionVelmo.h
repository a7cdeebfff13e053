#pragma once
// The main window's simulation backed by the Velmo engine.

#include "Historia.h"
#include "Simulacion.h"
#include "objSimuladorVelmo.h"

#include <memory>

namespace velmo {

class AnfitrionMaquina;
class DiagramasSimulacion;
class VentanasMemoriaYTablas;

class SimulacionVelmo : public Simulacion {
public:
    /// Opens `ruta` with no windows; throws ErrorAperturaEjecutable when the file cannot be opened.
    SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta);
    /// The same, with the simulation's windows inside `principal`.
    SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta);
    ~SimulacionVelmo() override;

    TSimuladorVelmo& Motor() { return motor_; }
    /// The memory view and the tables; null without an MDI area.
    VentanasMemoriaYTablas* MemoriaYTablas() { return memoriaYTablas_.get(); }

    void EjecutaCiclo() override { motor_.EjecutaCiclo(); }
    bool EjecutaInstruccion() override { return motor_.EjecutaInstruccion(); }
    void EjecutaHastaBreakpoint() override { motor_.EjecutaHastaBreakpoint(); }
    void Monitoriza() override { motor_.Monitoriza(); }
    void MostrarMicroprograma() override { motor_.MostrarMicroprograma(); }
    void MostrarMaquinaEstados() override { motor_.MostrarMaquinaEstados(); }
    void VentanasIniciales() override { motor_.VentanasIniciales(); }
    std::int32_t Ciclos() const override { return motor_.NumCiclos(); }
    std::int32_t Instrucciones() const override { return motor_.NumInst(); }

    bool RetrocedeCiclo() override { return historia_.RetrocedeCiclo(); }
    bool RetrocedeInstruccion() override { return historia_.RetrocedeInstruccion(); }
    bool GuardaTraza(const QString& ruta, bool vcd) override;
    const Historia& Historial() const { return historia_; }

private:
    TSimuladorVelmo motor_;
    // Follows the engine from its opening; goes with the simulation on Reset and Close.
    Historia historia_;
    // ---- windows over the engine's state; declared after it, so they go first
    std::unique_ptr<VentanasMemoriaYTablas> memoriaYTablas_;
    std::unique_ptr<DiagramasSimulacion> diagramas_;
};

} // namespace velmo

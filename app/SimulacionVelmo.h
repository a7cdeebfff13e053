#pragma once
// The main window's simulation backed by the Velmo engine.

#include "Simulacion.h"
#include "objSimuladorVelmo.h"

#include <memory>

namespace velmo {

class AnfitrionMaquina;
class DiagramasSimulacion;

class SimulacionVelmo : public Simulacion {
public:
    /// Opens `ruta`; throws ErrorAperturaEjecutable when the file cannot be opened.
    SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta);
    /// The same, with its windows inside `principal`.
    SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta);
    ~SimulacionVelmo() override;

    TSimuladorVelmo& Motor() { return motor_; }

    void EjecutaCiclo() override { motor_.EjecutaCiclo(); }
    bool EjecutaInstruccion() override { return motor_.EjecutaInstruccion(); }
    void EjecutaHastaBreakpoint() override { motor_.EjecutaHastaBreakpoint(); }
    void Monitoriza() override { motor_.Monitoriza(); }
    void MostrarMicroprograma() override { motor_.MostrarMicroprograma(); }
    void MostrarMaquinaEstados() override { motor_.MostrarMaquinaEstados(); }
    void VentanasIniciales() override { motor_.VentanasIniciales(); }

private:
    TSimuladorVelmo motor_;
    // ---- datapath and control-unit diagrams (destroyed before the engine they watch)
    std::unique_ptr<DiagramasSimulacion> diagramas_;
};

} // namespace velmo

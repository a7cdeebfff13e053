#pragma once
// The main window's simulation backed by the Velmo engine: one session (engine and history), the
// windows over its state and the host that answers the engine's requests with those windows.

#include "AnfitrionSimulacion.h"
#include "SesionSimulacion.h"
#include "Simulacion.h"

#include <memory>

namespace velmo {

class DiagramasSimulacion;
class VentanasMemoriaYTablas;

class SimulacionVelmo : public Simulacion {
public:
    /// Opens `ruta` with the simulation's windows inside `principal`; throws ErrorAperturaEjecutable when
    /// the file cannot be opened.
    SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta);
    ~SimulacionVelmo() override;

    TSimuladorVelmo& Motor() { return sesion_.Motor(); }
    SesionSimulacion& Sesion() { return sesion_; }
    /// The memory view and the tables.
    VentanasMemoriaYTablas* MemoriaYTablas() { return memoriaYTablas_.get(); }

    ResultadoEjecucion Ciclos(std::int64_t n, const OpcionesEjecucion& opciones) override {
        return sesion_.Ciclos(n, opciones);
    }
    ResultadoEjecucion Instrucciones(std::int64_t n, const OpcionesEjecucion& opciones) override {
        return sesion_.Instrucciones(n, opciones);
    }
    ResultadoEjecucion HastaBreakpoint(const OpcionesEjecucion& opciones) override {
        return sesion_.HastaBreakpoint(opciones);
    }
    void Detener() override { sesion_.Detener(); }
    void Reinicia() override;
    void Monitoriza() override { Motor().Monitoriza(); }
    void MostrarMicroprograma() override { Motor().MostrarMicroprograma(); }
    void MostrarMaquinaEstados() override { Motor().MostrarMaquinaEstados(); }
    void VentanasIniciales() override { Motor().VentanasIniciales(); }

    ResultadoEjecucion CicloAnterior() override { return sesion_.CicloAnterior(); }
    ResultadoEjecucion InstruccionAnterior() override { return sesion_.InstruccionAnterior(); }
    bool GuardaTraza(const QString& ruta, bool vcd) override;
    const Historia& Historial() const { return *sesion_.Historial(); }

private:
    void CreaVentanas();
    void QuitaVentanas();

    TVentanaPrincipal& principal_;
    AnfitrionSimulacion anfitrion_; // declared before the session that asks it
    SesionSimulacion sesion_;
    // ---- windows over the engine's state; declared after it, so they go first
    std::unique_ptr<VentanasMemoriaYTablas> memoriaYTablas_;
    std::unique_ptr<DiagramasSimulacion> diagramas_;
};

} // namespace velmo

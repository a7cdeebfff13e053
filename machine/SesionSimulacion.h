#pragma once
// One simulation as a front end drives it: the engine opened from a file or from bytes held in memory,
// its history for stepping back, and every command (cycle, instruction, N instructions, to a breakpoint,
// a cycle or an instruction back, reset) as one call that answers with a ResultadoEjecucion. The boxes the
// engine raises still go to the host; the session also keeps their texts for the state picture.

#include "EjecucionPorTramos.h"
#include "FotoEstado.h"
#include "Historia.h"
#include "ResultadoEjecucion.h"
#include "objSimuladorVelmo.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

/// Where a simulation comes from.
struct OrigenSimulacion {
    /// The executable's path, or the name that stands for it (trace, report) when `bytes` is given.
    std::string nombre;
    /// The executable itself; none: the file `nombre` is read at the opening and again at every reset.
    std::optional<std::string> bytes;
    /// The microprogram a configurable machine starts with, instead of asking the host's editor.
    std::optional<Microprograma> microprograma;
};

class SesionSimulacion {
public:
    /// Opens the simulation, asking `anfitrion` what the opening asks (control unit, microprogram unless
    /// given, ALU options). Throws ErrorAperturaEjecutable when the file cannot be read; an exception out
    /// of the opening cycle reaches the caller too. Without `conHistoria` nothing can be stepped back
    /// (velmo-sim, batch runs).
    SesionSimulacion(AnfitrionMaquina& anfitrion, OrigenSimulacion origen, bool conHistoria = true);
    ~SesionSimulacion();
    SesionSimulacion(const SesionSimulacion&) = delete;
    SesionSimulacion& operator=(const SesionSimulacion&) = delete;

    /// The engine. Windows bind to its state objects; after Reinicia it is another one.
    TSimuladorVelmo& Motor() { return *motor_; }
    const TSimuladorVelmo& Motor() const { return *motor_; }
    EstadoApertura Apertura() const { return motor_->Apertura(); }
    const OrigenSimulacion& Origen() const { return origen_; }
    /// Null without history.
    const Historia* Historial() const { return historia_.get(); }

    // ---- commands
    ResultadoEjecucion Ciclo(const OpcionesEjecucion& opciones = {}) { return Ciclos(1, opciones); }
    ResultadoEjecucion Ciclos(std::int64_t n, const OpcionesEjecucion& opciones = {});
    ResultadoEjecucion Instruccion(const OpcionesEjecucion& opciones = {}) {
        return Instrucciones(1, opciones);
    }
    ResultadoEjecucion Instrucciones(std::int64_t n, const OpcionesEjecucion& opciones = {});
    ResultadoEjecucion HastaBreakpoint(const OpcionesEjecucion& opciones = {});
    /// The same runs, advanced a slice of cycles at a time by the caller; valid until Reinicia. The boxes
    /// kept are those since it was made.
    EjecucionPorTramos PorTramos(TipoEjecucion tipo, std::int64_t n, OpcionesEjecucion opciones = {});
    /// NadaQueDeshacer when nothing older is held; otherwise the cycles and instructions undone.
    ResultadoEjecucion CicloAnterior();
    ResultadoEjecucion InstruccionAnterior();
    /// Opens the simulation again from its origin (a file is read as it now stands) and asks what the
    /// opening asks. When that throws, the session keeps the simulation it had.
    void Reinicia();
    /// The run under way ends after its current cycle.
    void Detener() { motor_->Detener(); }

    /// The state picture now, with the boxes raised since the last command began.
    FotoEstado Foto() const;
    const std::vector<std::string>& Mensajes() const;

private:
    class AnfitrionSesion;
    std::unique_ptr<TSimuladorVelmo> Abre();
    ResultadoEjecucion Paso(ResultadoEjecucion (TSimuladorVelmo::*orden)(std::int64_t,
                                                                         const OpcionesEjecucion&),
                            std::int64_t n, const OpcionesEjecucion& opciones);
    ResultadoEjecucion Atras(bool instruccion);

    OrigenSimulacion origen_;
    bool conHistoria_;
    std::unique_ptr<AnfitrionSesion> anfitrion_;
    std::unique_ptr<TSimuladorVelmo> motor_;
    std::unique_ptr<Historia> historia_; // declared after the engine it follows, so it goes first
};

} // namespace velmo

#pragma once
// The program's answer to what the core asks of a person: real message boxes and questions, the trace
// window, the control-unit choice and the clock pause of the hard-wired units. Requests that belong to
// simulation windows (monitor, microprogram view and editor, maps, breakpoint notice, clock flash) are
// answered by each simulation's own host (AnfitrionSimulacion); here they get the answers of a program
// without those windows.

#include "AnfitrionMaquina.h"
#include "FormEligeSim.h"
#include "ResultadoEjecucion.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace velmo {

class TDebug;

class AnfitrionGUI : public AnfitrionMaquina {
public:
    AnfitrionGUI(QWidget* padre, TDebug& debug, TFormElige& elige);

    /// Called at the end of every cycle of the simulation open: a test's hand in the middle of a run.
    std::function<void()> alTerminarCiclo;

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override;
    void AnadeLineaTraza(const std::string& linea) override;

    /// The first item of an ALU option group.
    int OpcionAlu(int cop) override;
    /// "Elige Control", kept between uses; the answer as the dialog shows it when closed.
    TTipoControl EligeControl() override;
    /// The microprogram a new editor starts with.
    Microprograma EditaMicroprograma() override;
    void SetTipoControlMapaAlu(TTipoControl tipo) override;
    /// A new simulation starts its trace afresh, in the normal state at 200, 200, 300 x 420.
    void ReiniciaTraza() override;
    void AvisoBreakpoint() override;
    void Monitoriza(TOrganizacion& up) override;
    void MostrarMicroprograma(TFrameControl& uc) override;
    void MostrarMaquinaEstados(TTipoControl tipo) override;
    void DestelloReloj(const TFrameControl& uc) override;
    void FinDeCiclo() override;

    /// The clock flash of a hard-wired cycle: `dibuja` lights the clock line (may be empty), which then
    /// stays lit kDestelloMs while PausaReloj() is true; neither with "Sin animación".
    void Destello(const std::function<void()>& dibuja);

    /// How long the clock line stays lit.
    static constexpr int kDestelloMs = 30;

    /// The wait of a hard-wired cycle while the clock line is lit. The window keeps painting but takes
    /// no user input (during a run, only the Stop button and Esc); a wait asked for during another one
    /// only sleeps.
    void EsperaReloj(int milisegundos);

    // ---- runs the user can stop, and running without animation
    /// How often a run repaints the windows and reports its progress, with or without the clock pause.
    static constexpr int kRefrescoMs = 50;
    /// A run starts: until TerminaEjecucion, every wait and every refresh takes the clicks on `detener`
    /// (may be null) and Esc, which call `pideDetener`, and no other user input.
    void EmpiezaEjecucion(QWidget* detener, std::function<void()> pideDetener);
    void TerminaEjecucion();
    /// The options of a run that repaints the windows every kRefrescoMs and then calls `progreso`.
    OpcionesEjecucion OpcionesRefresco(std::function<void(const ResultadoEjecucion&)> progreso);
    bool EnEjecucion() const { return enEjecucion_; }
    /// "Sin animación": no lit clock line and no pause; the windows repaint only at the refreshes.
    void SetSinAnimacion(bool sin) { sinAnimacion_ = sin; }
    bool SinAnimacion() const { return sinAnimacion_; }

private:
    /// Runs what is pending (painting, timers) once, or until `milisegundos` have passed.
    void Atiende(int milisegundos);

    QWidget* padre_;
    TDebug& debug_;
    TFormElige& elige_;
    bool enEspera_ = false;
    bool enEjecucion_ = false;
    bool sinAnimacion_ = false;
    QPointer<QWidget> detener_;
    std::function<void()> pideDetener_;
    QElapsedTimer desdeRefresco_;
};

} // namespace velmo

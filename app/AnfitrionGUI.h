#pragma once
// The desktop's answer to what the core asks of a person: real message boxes and questions, the trace
// window, the control-unit choice and the clock pause of the hard-wired units. Requests that belong to
// simulation windows (monitor, microprogram view and editor, maps, breakpoint notice, repaint) go to the
// views through VistasMaquina.

#include "AnfitrionMaquina.h"
#include "FormEligeSim.h"
#include "ResultadoEjecucion.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace velmo {

class TDebug;

/// The simulation windows' part of the host; an empty entry means that window does not exist.
struct VistasMaquina {
    std::function<int(int cop)> opcionAlu;
    std::function<Microprograma()> editaMicroprograma;
    std::function<void(TTipoControl)> setTipoControlMapaAlu;
    std::function<void()> avisoBreakpoint;
    std::function<void(TOrganizacion&)> monitoriza;
    std::function<void(TFrameControl&)> mostrarMicroprograma;
    std::function<void(TTipoControl)> mostrarMaquinaEstados;
    /// Draws the clock line lit; the host then waits while it shows.
    std::function<void(const TFrameControl&)> destelloReloj;
    std::function<void()> finDeCiclo;
};

class AnfitrionGUI : public AnfitrionMaquina {
public:
    AnfitrionGUI(QWidget* padre, TDebug& debug, TFormElige& elige);

    VistasMaquina vistas;

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override;
    void AnadeLineaTraza(const std::string& linea) override;

    /// The selected item of an ALU option group; without the configuration window, the first item.
    int OpcionAlu(int cop) override;
    /// "Elige Control", kept between uses; the answer as the dialog shows it when closed.
    TTipoControl EligeControl() override;
    /// Without the editor window, the microprogram a new editor starts with.
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

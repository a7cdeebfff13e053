#pragma once
// The host of one open simulation: the requests that belong to its windows (monitor, microprogram view,
// state maps, clock flash, ALU options, microprogram editor, breakpoint notice) are answered by the main
// window's parts and the simulation's own diagrams; boxes, questions, the trace and the clock's wait go
// to the program's host. It is made and goes with its simulation, so a request always reaches the
// windows of the simulation that raised it.

#include "AnfitrionMaquina.h"

#include <QPointer>

namespace velmo {

class AnfitrionGUI;
class TVentanaControl;
class TVentanaOrganizacion;
class TVentanaPrincipal;

class AnfitrionSimulacion : public AnfitrionMaquina {
public:
    explicit AnfitrionSimulacion(TVentanaPrincipal& principal);

    /// The simulation's diagrams, once they exist (null while it opens or reopens).
    void SetDiagramas(TVentanaOrganizacion* organizacion, TVentanaControl* control);

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override;
    void AnadeLineaTraza(const std::string& linea) override;

    int OpcionAlu(int cop) override;
    TTipoControl EligeControl() override;
    /// However the editor closes, the simulation starts with the microprogram as last edited.
    Microprograma EditaMicroprograma() override;
    void SetTipoControlMapaAlu(TTipoControl tipo) override;
    void ReiniciaTraza() override;
    void AvisoBreakpoint() override;
    void Monitoriza(TOrganizacion& up) override;
    void MostrarMicroprograma(TFrameControl& uc) override;
    void MostrarMaquinaEstados(TTipoControl tipo) override;
    void DestelloReloj(const TFrameControl& uc) override;
    void FinDeCiclo() override;

private:
    TVentanaPrincipal& principal_;
    AnfitrionGUI& programa_;
    QPointer<TVentanaOrganizacion> organizacion_;
    QPointer<TVentanaControl> control_;
};

} // namespace velmo

#include "AnfitrionSimulacion.h"

#include "AnfitrionGUI.h"
#include "ConfiguraAlu.h"
#include "DialogoModal.h"
#include "FormAvisoBreakpoint.h"
#include "FormMicroprogramable.h"
#include "Framemicroprograma.h"
#include "MapasComponentes.h"
#include "VentanaControl.h"
#include "VentanaOrganizacion.h"
#include "VentanaPrincipal.h"

namespace velmo {

AnfitrionSimulacion::AnfitrionSimulacion(TVentanaPrincipal& principal)
    : principal_(principal), programa_(principal.Anfitrion()) {
    SetPausaReloj(programa_.PausaReloj());
}

void AnfitrionSimulacion::SetDiagramas(TVentanaOrganizacion* organizacion, TVentanaControl* control) {
    organizacion_ = organizacion;
    control_ = control;
}

void AnfitrionSimulacion::MuestraMensaje(const std::string& texto, const std::string& titulo,
                                         IconoMensaje icono) {
    programa_.MuestraMensaje(texto, titulo, icono);
}

bool AnfitrionSimulacion::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    return programa_.PreguntaSiNo(texto, titulo);
}

Respuesta AnfitrionSimulacion::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    return programa_.PreguntaSiNoCancelar(texto, titulo);
}

bool AnfitrionSimulacion::TrazaActiva() const {
    return programa_.TrazaActiva();
}

void AnfitrionSimulacion::AnadeLineaTraza(const std::string& linea) {
    programa_.AnadeLineaTraza(linea);
}

int AnfitrionSimulacion::OpcionAlu(int cop) {
    return principal_.ConfiguraAlu->OpcionAlu(cop);
}

TTipoControl AnfitrionSimulacion::EligeControl() {
    return programa_.EligeControl();
}

Microprograma AnfitrionSimulacion::EditaMicroprograma() {
    Modal().ejecuta(*principal_.Form_Microprogramable);
    return principal_.Form_Microprogramable->VectorMicroInst;
}

void AnfitrionSimulacion::SetTipoControlMapaAlu(TTipoControl tipo) {
    if (auto* mapa = qobject_cast<TMapaAlu*>(principal_.VentanaMapa(TVentanaPrincipal::Mapa::Alu))) {
        mapa->SetTipoControl(tipo);
    }
}

void AnfitrionSimulacion::ReiniciaTraza() {
    programa_.ReiniciaTraza();
}

void AnfitrionSimulacion::AvisoBreakpoint() {
    principal_.FormAvisoBreakpoint->Avisa();
}

void AnfitrionSimulacion::Monitoriza(TOrganizacion&) {
    if (organizacion_) {
        organizacion_->Monitorizar1Click();
    }
}

void AnfitrionSimulacion::MostrarMicroprograma(TFrameControl& uc) {
    AbreVistaMicroprograma(*principal_.Mdi, uc);
}

void AnfitrionSimulacion::MostrarMaquinaEstados(TTipoControl tipo) {
    MuestraMaquinaEstados(tipo, &principal_);
}

void AnfitrionSimulacion::DestelloReloj(const TFrameControl&) {
    programa_.Destello([this] {
        if (control_) {
            control_->DestelloReloj();
        }
    });
}

void AnfitrionSimulacion::FinDeCiclo() {
    programa_.FinDeCiclo();
}

} // namespace velmo

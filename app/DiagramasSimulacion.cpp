#include "DiagramasSimulacion.h"

#include "Framemicroprograma.h"
#include "VentanaControl.h"
#include "VentanaOrganizacion.h"
#include "VentanaPrincipal.h"
#include "objSimuladorVelmo.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace velmo {

namespace {

TVentanaPrincipal::Mapa MapaPrincipal(MapaOrganizacion mapa) {
    switch (mapa) {
    case MapaOrganizacion::Alu:
        return TVentanaPrincipal::Mapa::Alu;
    case MapaOrganizacion::Memoria:
        return TVentanaPrincipal::Mapa::Memoria;
    case MapaOrganizacion::Registro:
        return TVentanaPrincipal::Mapa::Registros;
    case MapaOrganizacion::Incrementador:
        return TVentanaPrincipal::Mapa::Incrementador;
    case MapaOrganizacion::Multiplexor:
        return TVentanaPrincipal::Mapa::Multiplexor;
    }
    return TVentanaPrincipal::Mapa::Registros;
}

} // namespace

DiagramasSimulacion::DiagramasSimulacion(TVentanaPrincipal& principal, TSimuladorVelmo& motor) {
    organizacion_ = new TVentanaOrganizacion(motor.FrameUP());
    control_ = new TVentanaControl(motor.FrameUnidadDeControl());
    organizacion_->Incrusta(*principal.Mdi);
    control_->Incrusta(*principal.Mdi);

    TVentanaPrincipal* p = &principal;
    organizacion_->abreMapa = [p](MapaOrganizacion mapa) { p->MuestraMapa(MapaPrincipal(mapa)); };
    control_->mostrarMicroprograma = [p](TFrameControl& uc) { AbreVistaMicroprograma(*p->Mdi, uc); };
}

TVentanaOrganizacion* DiagramasSimulacion::Organizacion() const {
    return organizacion_;
}

TVentanaControl* DiagramasSimulacion::Control() const {
    return control_;
}

DiagramasSimulacion::~DiagramasSimulacion() {
    // The windows watch the engine's state: they go before it.
    for (QWidget* vista : {static_cast<QWidget*>(organizacion_), static_cast<QWidget*>(control_)}) {
        if (vista != nullptr) {
            QWidget* marco = vista->parentWidget();
            delete (marco != nullptr ? marco : vista);
        }
    }
}

} // namespace velmo

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

/// A child window with a fixed border and only the minimise button.
QMdiSubWindow* Hija(QMdiArea& mdi, QWidget* vista) {
    auto* marco = new QMdiSubWindow;
    marco->setWidget(vista);
    marco->setAttribute(Qt::WA_DeleteOnClose, false);
    mdi.addSubWindow(marco, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowMinimizeButtonHint);
    return marco;
}

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
    Hija(*principal.Mdi, organizacion_);
    Hija(*principal.Mdi, control_);
    // Placed again now that each sits in its frame.
    organizacion_->AplicaVentana();
    control_->AplicaVentana();

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

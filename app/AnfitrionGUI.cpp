#include "AnfitrionGUI.h"

#include "AnfitrionSinVentanas.h"
#include "Debug.h"
#include "DialogoModal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace velmo {

namespace {

IconoCaja Caja(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Error:
        return IconoCaja::Error;
    case IconoMensaje::Aviso:
        return IconoCaja::Aviso;
    case IconoMensaje::Informacion:
        return IconoCaja::Informacion;
    case IconoMensaje::Pregunta:
        return IconoCaja::Pregunta;
    }
    return IconoCaja::Informacion;
}

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

/// The answers of a host without windows: what the machine gets while a window is missing.
AnfitrionSinVentanas& SinVentanas() {
    static AnfitrionSinVentanas anfitrion;
    return anfitrion;
}

} // namespace

AnfitrionGUI::AnfitrionGUI(QWidget* padre, TDebug& debug, TFormElige& elige)
    : padre_(padre), debug_(debug), elige_(elige) {}

void AnfitrionGUI::MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) {
    Modal().mensaje(padre_, Q(texto), Q(titulo), Caja(icono));
}

bool AnfitrionGUI::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    return Modal().pregunta(padre_, Q(texto), Q(titulo), false) == BotonCaja::Si;
}

Respuesta AnfitrionGUI::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    switch (Modal().pregunta(padre_, Q(texto), Q(titulo), true)) {
    case BotonCaja::Si:
        return Respuesta::Si;
    case BotonCaja::No:
        return Respuesta::No;
    case BotonCaja::Cancelar:
        return Respuesta::Cancelar;
    }
    return Respuesta::Cancelar;
}

bool AnfitrionGUI::TrazaActiva() const {
    return true;
}

void AnfitrionGUI::AnadeLineaTraza(const std::string& linea) {
    debug_.anade_linea(Q(linea));
}

int AnfitrionGUI::OpcionAlu(int cop) {
    if (vistas.opcionAlu) {
        return vistas.opcionAlu(cop);
    }
    return SinVentanas().OpcionAlu(cop);
}

TTipoControl AnfitrionGUI::EligeControl() {
    Modal().ejecuta(elige_);
    switch (elige_.Eleccion()) {
    case EleccionControl::Microprogramado:
        return tMicroprogramado;
    case EleccionControl::Optimizado:
        return toptimizado;
    case EleccionControl::Normal:
        return tnormal;
    }
    return tnormal;
}

Microprograma AnfitrionGUI::EditaMicroprograma() {
    if (vistas.editaMicroprograma) {
        return vistas.editaMicroprograma();
    }
    return SinVentanas().microprograma;
}

void AnfitrionGUI::SetTipoControlMapaAlu(TTipoControl tipo) {
    if (vistas.setTipoControlMapaAlu) {
        vistas.setTipoControlMapaAlu(tipo);
    }
}

void AnfitrionGUI::AvisoBreakpoint() {
    if (vistas.avisoBreakpoint) {
        vistas.avisoBreakpoint();
    }
}

void AnfitrionGUI::Monitoriza(TOrganizacion& up) {
    if (vistas.monitoriza) {
        vistas.monitoriza(up);
    }
}

void AnfitrionGUI::MostrarMicroprograma(TFrameControl& uc) {
    if (vistas.mostrarMicroprograma) {
        vistas.mostrarMicroprograma(uc);
    }
}

void AnfitrionGUI::MostrarMaquinaEstados(TTipoControl tipo) {
    if (vistas.mostrarMaquinaEstados) {
        vistas.mostrarMaquinaEstados(tipo);
    }
}

void AnfitrionGUI::DestelloReloj(const TFrameControl& uc) {
    if (vistas.destelloReloj) {
        vistas.destelloReloj(uc);
    }
    if (PausaReloj()) {
        EsperaReloj(kDestelloMs);
    }
}

void AnfitrionGUI::FinDeCiclo() {
    if (vistas.finDeCiclo) {
        vistas.finDeCiclo();
    }
}

void AnfitrionGUI::ReiniciaTraza() {
    debug_.vacia();
    debug_.PonEstado(Qt::WindowNoState);
    debug_.setGeometry(200, 200, 300, 420);
}

void AnfitrionGUI::EsperaReloj(int milisegundos) {
    if (milisegundos <= 0) {
        return;
    }
    if (enEspera_) {
        QThread::msleep(static_cast<unsigned long>(milisegundos));
        return;
    }
    enEspera_ = true;
    const QDeadlineTimer fin(milisegundos);
    while (!fin.hasExpired()) {
        // Paint and run timers until the deadline, without taking clicks or keys.
        QEventLoop espera;
        QTimer::singleShot(static_cast<int>(std::max<qint64>(fin.remainingTime(), 0)), &espera,
                           &QEventLoop::quit);
        espera.exec(QEventLoop::ExcludeUserInputEvents);
    }
    enEspera_ = false;
}

} // namespace velmo

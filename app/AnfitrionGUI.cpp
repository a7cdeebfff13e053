#include "AnfitrionGUI.h"

#include "AnfitrionSinVentanas.h"
#include "Debug.h"
#include "DialogoModal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QShortcutEvent>
#include <QThread>
#include <QTimer>

#include <optional>

namespace velmo {

namespace {

IconoMensaje Caja(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Error:
        return IconoMensaje::Error;
    case IconoMensaje::Aviso:
        return IconoMensaje::Aviso;
    case IconoMensaje::Informacion:
        return IconoMensaje::Informacion;
    case IconoMensaje::Pregunta:
        return IconoMensaje::Pregunta;
    }
    return IconoMensaje::Informacion;
}

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

/// The answers of a host without windows: what the machine gets while a window is missing.
AnfitrionSinVentanas& SinVentanas() {
    static AnfitrionSinVentanas anfitrion;
    return anfitrion;
}

/// While a run waits: Esc (as a key or a shortcut) asks to stop; a click on the Stop button goes
/// through; every other click, key and wheel turn is thrown away. The toolkit's own windows pass the
/// events on to their widgets, where they are judged.
class FiltroEjecucion : public QObject {
public:
    FiltroEjecucion(std::function<void()> pideDetener, QWidget* detener)
        : pideDetener_(std::move(pideDetener)), detener_(detener) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~FiltroEjecucion() override { QCoreApplication::instance()->removeEventFilter(this); }
    FiltroEjecucion(const FiltroEjecucion&) = delete;
    FiltroEjecucion& operator=(const FiltroEjecucion&) = delete;

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        switch (evento->type()) {
        case QEvent::Shortcut:
            if (static_cast<QShortcutEvent*>(evento)->key() == QKeySequence(Qt::Key_Escape)) {
                PideDetener();
            }
            return true;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!objeto->isWidgetType()) {
                return false;
            }
            if (evento->type() != QEvent::KeyRelease &&
                static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
                PideDetener();
            }
            evento->accept(); // an accepted override keeps the key from becoming a shortcut
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return objeto->isWidgetType() && (detener_ == nullptr || objeto != detener_);
        default:
            return false;
        }
    }

private:
    void PideDetener() {
        if (pideDetener_) {
            pideDetener_();
        }
    }

    std::function<void()> pideDetener_;
    QPointer<QWidget> detener_;
};

} // namespace

AnfitrionGUI::AnfitrionGUI(QWidget* padre, TDebug& debug, TFormElige& elige)
    : padre_(padre), debug_(debug), elige_(elige) {}

void AnfitrionGUI::MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) {
    Modal().mensaje(padre_, Q(texto), Q(titulo), Caja(icono));
}

bool AnfitrionGUI::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    return Modal().pregunta(padre_, Q(texto), Q(titulo), false) == Respuesta::Si;
}

Respuesta AnfitrionGUI::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    switch (Modal().pregunta(padre_, Q(texto), Q(titulo), true)) {
    case Respuesta::Si:
        return Respuesta::Si;
    case Respuesta::No:
        return Respuesta::No;
    case Respuesta::Cancelar:
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
    return SinVentanas().microprograma;
}

void AnfitrionGUI::SetTipoControlMapaAlu(TTipoControl) {}

void AnfitrionGUI::AvisoBreakpoint() {}

void AnfitrionGUI::Monitoriza(TOrganizacion&) {}

void AnfitrionGUI::MostrarMicroprograma(TFrameControl&) {}

void AnfitrionGUI::MostrarMaquinaEstados(TTipoControl) {}

void AnfitrionGUI::DestelloReloj(const TFrameControl&) {
    Destello({});
}

void AnfitrionGUI::Destello(const std::function<void()>& dibuja) {
    if (sinAnimacion_) {
        return;
    }
    if (dibuja) {
        dibuja();
    }
    if (PausaReloj()) {
        EsperaReloj(kDestelloMs);
    }
}

void AnfitrionGUI::FinDeCiclo() {
    if (alTerminarCiclo) {
        alTerminarCiclo();
    }
}

void AnfitrionGUI::EmpiezaEjecucion(QWidget* detener, std::function<void()> pideDetener) {
    enEjecucion_ = true;
    detener_ = detener;
    pideDetener_ = std::move(pideDetener);
    desdeRefresco_.start();
}

void AnfitrionGUI::TerminaEjecucion() {
    enEjecucion_ = false;
    detener_ = nullptr;
    pideDetener_ = nullptr;
}

OpcionesEjecucion AnfitrionGUI::OpcionesRefresco(std::function<void(const ResultadoEjecucion&)> progreso) {
    OpcionesEjecucion opciones;
    opciones.progreso = [this, progreso = std::move(progreso)](const ResultadoEjecucion& hecho) {
        if (enEjecucion_ && desdeRefresco_.hasExpired(kRefrescoMs)) {
            desdeRefresco_.restart();
            progreso(hecho);
            Atiende(0);
        }
    };
    return opciones;
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
    Atiende(milisegundos);
}

void AnfitrionGUI::Atiende(int milisegundos) {
    if (enEspera_) {
        return;
    }
    enEspera_ = true;
    // Outside a run the user's input waits until the command is over; during one it is read, so that
    // Stop and Esc can reach the run, and the filter throws the rest away.
    std::optional<FiltroEjecucion> filtro;
    QEventLoop::ProcessEventsFlags banderas = QEventLoop::ExcludeUserInputEvents;
    if (enEjecucion_) {
        filtro.emplace(pideDetener_, detener_);
        banderas = QEventLoop::AllEvents;
    }
    if (milisegundos <= 0) {
        QCoreApplication::processEvents(banderas);
    }
    const QDeadlineTimer fin(milisegundos);
    while (!fin.hasExpired()) {
        // Paint and run timers until the deadline.
        QEventLoop espera;
        QTimer::singleShot(static_cast<int>(std::max<qint64>(fin.remainingTime(), 0)), &espera,
                           &QEventLoop::quit);
        espera.exec(banderas);
    }
    enEspera_ = false;
}

} // namespace velmo

#include "VentanaDiagrama.h"

#include "EstadoVentana.h"
#include "TipsForm.h"
#include "UtilidadesVentana.h"

#include <QHelpEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QWindowStateChangeEvent>

namespace velmo {

TVentanaDiagrama::TVentanaDiagrama(EstadoVentana& estado, QSize tamanoImagen, QWidget* padre)
    : QWidget(padre), estado_(estado), tamanoImagen_(tamanoImagen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    QPalette gris = palette();
    gris.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(gris);
    clave_ = estado_.Avisos().Suscribe([this](Aviso aviso) {
        if (aviso == Aviso::Ventana) {
            AplicaVentana();
        } else {
            AlAviso(aviso);
        }
    });
}

TVentanaDiagrama::~TVentanaDiagrama() {
    estado_.Avisos().Anula(clave_);
}

void TVentanaDiagrama::PreparaLimpia(const QString& recurso) {
    // Long runs repaint every cycle: the picture is drawn from its SVG once.
    const qreal escala = devicePixelRatioF();
    if (recurso != recursoLimpio_ || escala != escalaLimpia_ || limpia_.isNull()) {
        limpia_ = ImagenSvg(recurso, tamanoImagen_, escala).toImage();
        limpia_.setDevicePixelRatio(escala);
        recursoLimpio_ = recurso;
        escalaLimpia_ = escala;
    }
}

void TVentanaDiagrama::CargaImagen(const QString& recurso) {
    PreparaLimpia(recurso);
    MiBitmap = limpia_.copy();
    MiBitmap.setDevicePixelRatio(escalaLimpia_);
}

void TVentanaDiagrama::UsaImagenLimpia(const QString& recurso) {
    PreparaLimpia(recurso);
    MiBitmap = limpia_;
}

void TVentanaDiagrama::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().color(QPalette::Window));
    pintor.drawImage(QPoint(0, 0), MiBitmap);
    PintaEncima(pintor);
}

void TVentanaDiagrama::AplicaVentana() {
    if (informando_) {
        return;
    }
    const DatosVentana& v = estado_.Ventana();
    auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget& ventana = marco != nullptr ? static_cast<QWidget&>(*marco) : static_cast<QWidget&>(*this);
    if (marco != nullptr && marco != marcoVigilado_) {
        marco->installEventFilter(this);
        marcoVigilado_ = marco;
    }
    ventana.setWindowTitle(QString::fromStdString(v.Caption));
    setWindowTitle(QString::fromStdString(v.Caption));

    // The frame around the client area, as the child-window frame draws it.
    QSize borde(0, 0);
    if (marco != nullptr && marco->widget() == this) {
        const QMargins m = marco->contentsMargins();
        borde = QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    const Colocacion& c = v.colocacion;
    QSize cliente = size();
    if (c.Width >= 0 && c.Height >= 0) {
        cliente = QSize(c.Width, c.Height) - borde;
    }
    if (c.ClientWidth >= 0) {
        cliente.setWidth(c.ClientWidth);
    }
    if (c.ClientHeight >= 0) {
        cliente.setHeight(c.ClientHeight);
    }
    // The whole picture stays visible: the datapath's outer height leaves the ALU, FZ and the ALU
    // output's probe below the client area otherwise.
    cliente = cliente.expandedTo(tamanoImagen_);
    setFixedSize(cliente);
    if (marco != nullptr) {
        marco->setFixedSize(cliente + borde);
    }
    if (c.Left >= 0 && c.Top >= 0) {
        ventana.move(c.Left, c.Top);
    }
    if (v.Visible) {
        if (v.EstadoNormal && ventana.isMinimized()) {
            ventana.showNormal();
        } else if (!ventana.isVisible()) {
            ventana.show();
        }
    }
}

bool TVentanaDiagrama::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == marcoVigilado_ && evento->type() == QEvent::Close) {
        // The diagrams live as long as the simulation; the frame's close box does nothing.
        evento->ignore();
        return true;
    }
    if (objeto == marcoVigilado_ && evento->type() == QEvent::WindowStateChange) {
        const bool normal = !marcoVigilado_->isMinimized();
        if (normal != estado_.Ventana().EstadoNormal) {
            informando_ = true;
            estado_.SetEstadoNormal(normal);
            informando_ = false;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

bool TVentanaDiagrama::event(QEvent* evento) {
    switch (evento->type()) {
    case QEvent::QueryWhatsThis:
        evento->accept();
        return true;
    case QEvent::WhatsThis: {
        const auto* ayuda = static_cast<QHelpEvent*>(evento);
        const QSize t = TamanoAyuda();
        ShowTip(this, TextoAyuda(), ayuda->globalPos(), t.width(), t.height());
        evento->accept();
        return true;
    }
    default:
        return QWidget::event(evento);
    }
}

} // namespace velmo

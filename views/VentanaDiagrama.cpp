#include "VentanaDiagrama.h"

#include "EstadoVentana.h"
#include "UtilidadesVentana.h"

#include <QMdiSubWindow>
#include <QPainter>

namespace velmo {

TVentanaDiagrama::TVentanaDiagrama(EstadoVentana& estado, QSize tamanoImagen, QWidget* padre)
    : VentanaSimulacion(estado, Borde::Diagrama, padre), tamanoImagen_(tamanoImagen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    QPalette gris = palette();
    gris.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(gris);
}

TVentanaDiagrama::~TVentanaDiagrama() = default;

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

void TVentanaDiagrama::Coloca(QMdiSubWindow* marco) {
    const DatosVentana& v = Datos();
    QWidget& ventana = marco != nullptr ? static_cast<QWidget&>(*marco) : static_cast<QWidget&>(*this);
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

} // namespace velmo

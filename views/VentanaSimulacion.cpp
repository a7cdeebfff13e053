#include "VentanaSimulacion.h"

#include "TipsForm.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWhatsThis>
#include <QWindowStateChangeEvent>

namespace velmo {

VentanaSimulacion::VentanaSimulacion(EstadoVentana& estado, Borde borde, QWidget* padre)
    : QWidget(padre), estado_(estado), borde_(borde) {
    clave_ = estado_.Avisos().Suscribe([this](Aviso aviso) { Avisado(aviso); });
}

VentanaSimulacion::~VentanaSimulacion() {
    estado_.Avisos().Anula(clave_);
}

QFont VentanaSimulacion::FuenteDialogo() {
    QFont letra(QStringLiteral("MS Sans Serif"), 8);
    // Where that face is missing, a metric-compatible sans face keeps the texts inside their cells.
    letra.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    return letra;
}

void VentanaSimulacion::Incrusta(QMdiArea& mdi) {
    Qt::WindowFlags banderas = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
    banderas |= borde_ == Borde::Diagrama ? Qt::CustomizeWindowHint : Qt::WindowSystemMenuHint;
    marco_ = mdi.addSubWindow(this, banderas);
    if (borde_ != Borde::Diagrama) {
        marco_->setFont(FuenteDialogo());
    }
    marco_->setOption(QMdiSubWindow::RubberBandResize, false);
    marco_->installEventFilter(this);
    marcoFiltrado_ = marco_.get();
    AplicaVentana();
}

void VentanaSimulacion::Avisado(Aviso aviso) {
    switch (aviso) {
    case Aviso::Repinta:
        Repintar();
        break;
    case Aviso::ActualizaBitmap:
        ActualizarBitmap();
        break;
    case Aviso::Ventana:
        AplicaVentana();
        break;
    }
}

void VentanaSimulacion::AplicaVentana() {
    if (aplicando_) {
        return;
    }
    aplicando_ = true;
    Coloca(marco_);
    aplicando_ = false;
}

void VentanaSimulacion::Coloca(QMdiSubWindow* marco) {
    if (marco == nullptr) {
        return;
    }
    const DatosVentana& datos = estado_.Ventana();
    const Colocacion& c = datos.colocacion;
    marco->setWindowTitle(QString::fromStdString(datos.Caption));
    if (datos.EstadoNormal && (marco->isMinimized() || marco->isMaximized())) {
        marco->showNormal();
    }
    if (!marco->isMinimized()) {
        // A fixed border is released while the place is set, then closed again on the new size.
        marco->setMinimumSize(0, 0);
        marco->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QPoint esquina = marco->pos();
        if (c.Left >= 0) {
            esquina.setX(c.Left);
        }
        if (c.Top >= 0) {
            esquina.setY(c.Top);
        }
        QSize exterior = marco->size();
        if (c.Width >= 0) {
            exterior.setWidth(c.Width);
        }
        if (c.Height >= 0) {
            exterior.setHeight(c.Height);
        }
        // The frame around the contents: borders and title bar.
        const QMargins m = marco->contentsMargins();
        if (c.ClientWidth >= 0) {
            exterior.setWidth(c.ClientWidth + m.left() + m.right());
        }
        if (c.ClientHeight >= 0) {
            exterior.setHeight(c.ClientHeight + m.top() + m.bottom());
        }
        if (c.ClientWidth >= 0 || c.ClientHeight >= 0) {
            setMinimumSize(0, 0);
        }
        marco->setGeometry(QRect(esquina, exterior));
        if (borde_ == Borde::Fijo) {
            marco->setFixedSize(exterior);
        }
    }
    if (datos.Visible && !marco->isVisible()) {
        marco->show();
    }
}

bool VentanaSimulacion::eventFilter(QObject* objeto, QEvent* evento) {
    // Compared as plain objects: the frame's last events arrive while it is being destroyed, when it is
    // no longer a QMdiSubWindow and a QPointer<QMdiSubWindow> may not be read.
    if (objeto == marcoFiltrado_ && objeto->isWidgetType()) {
        auto* marco = static_cast<QWidget*>(objeto);
        if (evento->type() == QEvent::WindowStateChange && !aplicando_ &&
            marco->isMinimized() == estado_.Ventana().EstadoNormal) {
            // The user minimised or restored it; the engine's "Posición inicial" puts it back to normal.
            aplicando_ = true;
            estado_.SetEstadoNormal(!marco->isMinimized());
            aplicando_ = false;
        } else if (evento->type() == QEvent::Close) {
            // The simulation owns its windows: closing one only puts it aside; a diagram has no close
            // box, and the request does nothing.
            evento->ignore();
            if (borde_ != Borde::Diagrama) {
                marco->showMinimized();
            }
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

bool VentanaSimulacion::event(QEvent* evento) {
    if (evento->type() == QEvent::QueryWhatsThis) {
        evento->accept();
        return true;
    }
    if (evento->type() == QEvent::WhatsThis) {
        MensajeAyuda(static_cast<QHelpEvent*>(evento)->globalPos());
        evento->accept();
        return true;
    }
    return QWidget::event(evento);
}

void VentanaSimulacion::MensajeAyuda(const QPoint& ratonGlobal) {
    // The request is answered: the pointer is an ordinary pointer again.
    if (QWhatsThis::inWhatsThisMode()) {
        QWhatsThis::leaveWhatsThisMode();
    }
    const QSize tamano = TamanoAyuda();
    ShowTip(this, TextoAyuda(), ratonGlobal, tamano.width(), tamano.height());
}

} // namespace velmo

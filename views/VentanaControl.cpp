#include "VentanaControl.h"

#include "DialogoModal.h"
#include "EstadoVentana.h"
#include "FormSecuenciador.h"
#include "FrameUC.h"
#include "MapasUC.h"
#include "Utils.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmo {

namespace {

QString Recurso(TTipoControl tipo) {
    return QStringLiteral(":/velmo/") + QString::fromUtf8(ImagenUnidadControl(tipo));
}

void Polilinea(QPainter& pintor, const std::vector<QPoint>& puntos) {
    if (puntos.size() >= 2) {
        pintor.drawPolyline(puntos.data(), static_cast<int>(puntos.size()));
    }
}

QPen Pen(unsigned rgb) {
    return QPen(QColor::fromRgb(static_cast<QRgb>(rgb)), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

ClicControl RegionClicControl(int x, int y, TTipoControl tipo) {
    if (EsCableado(tipo)) {
        return 97 < x && x < 285 && 15 < y && y < 105 ? ClicControl::MaquinaEstados : ClicControl::Nada;
    }
    if (35 < x && x < 125 && 144 < y && y < 195) {
        return ClicControl::Secuenciador;
    }
    if (96 <= x && x < 300 && 10 < y && y < 110) {
        return ClicControl::Microprograma;
    }
    return ClicControl::Nada;
}

void MuestraMaquinaEstados(TTipoControl tipo, QWidget* padre) {
    switch (tipo) {
    case tnormal: {
        TMapaUCNormal mapa(padre);
        Modal().ejecuta(mapa);
        break;
    }
    case toptimizado: {
        TMapaUCOptimizada mapa(padre);
        Modal().ejecuta(mapa);
        break;
    }
    case TVL1Modif: {
        TMapaUcVl1Modif mapa(padre);
        Modal().ejecuta(mapa);
        break;
    }
    case tMicroprogramado:
    case TMicroprogramable:
        break;
    }
}

TVentanaControl::TVentanaControl(TFrameControl& uc, QWidget* padre)
    : TVentanaDiagrama(uc, QSize(kAncho, kAlto), padre), uc_(uc),
      cables_(CreaDibujoCablesControl(uc.prtipocontrol())), tipoDibujado_(uc.prtipocontrol()) {
    setObjectName(QStringLiteral("FrameControl"));
    FormPaint();
    AplicaVentana();
}

QString TVentanaControl::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::UnidadControl));
}

void TVentanaControl::AlAviso(Aviso aviso) {
    if (aviso == Aviso::ActualizaBitmap) {
        ActualizaBitmap();
    } else {
        FormPaint();
    }
}

void TVentanaControl::PintaCables() {
    unsigned nuevos = 0;
    for (int i = 0; i < kNumCablesControl; ++i) {
        if (uc_.Activado(i)) {
            nuevos |= 1U << i;
        }
    }
    nuevos &= ~pintados_;
    if (nuevos == 0) {
        return;
    }
    QPainter pintor(&MiBitmap);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setPen(Pen(kRojoCable));
    for (int i = 0; i < kNumCablesControl; ++i) {
        if ((nuevos >> i) & 1U) {
            Polilinea(pintor, cables_[static_cast<std::size_t>(i)].puntos);
        }
    }
    pintados_ |= nuevos;
}

void TVentanaControl::FormPaint() {
    if (tipoDibujado_ != uc_.prtipocontrol()) {
        tipoDibujado_ = uc_.prtipocontrol();
        cables_ = CreaDibujoCablesControl(tipoDibujado_);
    }
    CargaImagen(Recurso(tipoDibujado_));
    pintados_ = 0;
    if (!EsCableado(tipoDibujado_) && repintaMicroprograma) {
        repintaMicroprograma(uc_.FilaActual());
    }
    PintaCables();
    destello_ = false;
    update();
}

void TVentanaControl::ActualizaBitmap() {
    if (MiBitmap.isNull() || tipoDibujado_ != uc_.prtipocontrol()) {
        FormPaint();
        return;
    }
    PintaCables();
    destello_ = false;
    update();
}

void TVentanaControl::DestelloReloj() {
    if (!EsCableado(tipoDibujado_)) {
        return;
    }
    destello_ = true;
    // Painted while the host waits right after (it lets paints through); the next refresh puts the bitmap
    // back. An immediate repaint would paint every overlapping window with it.
    update();
}

void TVentanaControl::paintEvent(QPaintEvent* evento) {
    TVentanaDiagrama::paintEvent(evento);
    if (destello_) {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing, false);
        pintor.setPen(Pen(kAmarilloReloj));
        Polilinea(pintor, cables_[TFrameControl::kCableReloj].puntos);
    }
}

void TVentanaControl::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    switch (RegionClicControl(p.x(), p.y(), uc_.prtipocontrol())) {
    case ClicControl::Secuenciador: {
        TTformSecuenciador secuenciador(this);
        Modal().ejecuta(secuenciador);
        break;
    }
    case ClicControl::Microprograma:
        if (mostrarMicroprograma) {
            mostrarMicroprograma(uc_);
        }
        break;
    case ClicControl::MaquinaEstados:
        MuestraMaquinaEstados(uc_.prtipocontrol(), this);
        break;
    case ClicControl::Nada:
        break;
    }
    TVentanaDiagrama::mousePressEvent(evento);
}

} // namespace velmo

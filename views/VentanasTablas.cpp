#include "VentanasTablas.h"

#include "FrameCablesControl.h"
#include "FrameCablesMemoria.h"
#include "FrameEstadoDeEjecucion.h"
#include "FrameRegistrosRdD.h"

#include <QPainter>
#include <QPalette>

#include <utility>

namespace velmo {

namespace {

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

const QColor kColorLinea{192, 192, 192};

} // namespace

// ---------------------------------------------------------------- grid

VentanaTabla::VentanaTabla(EstadoVentana& estado, int filas, int altoFila, std::vector<int> anchos)
    : VentanaSimulacion(estado, Borde::Fijo), filas_(filas), altoFila_(altoFila), anchos_(std::move(anchos)) {
    setFont(FuenteDialogo());
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, palette().color(QPalette::Base));
    setPalette(paleta);
}

void VentanaTabla::SetAnchosColumnas(std::vector<int> anchos) {
    anchos_ = std::move(anchos);
    update();
}

QRect VentanaTabla::RectCelda(int columna, int fila) const {
    int x = 0;
    for (int c = 0; c < columna && c < Columnas(); ++c) {
        x += anchos_[static_cast<std::size_t>(c)] + kLinea;
    }
    const int ancho = columna >= 0 && columna < Columnas() ? anchos_[static_cast<std::size_t>(columna)] : 0;
    return {x, fila * (altoFila_ + kLinea), ancho, altoFila_};
}

void VentanaTabla::Repintar() {
    ++repintados_;
    update();
}

void VentanaTabla::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pintor(this);
    pintor.setFont(font());
    for (int fila = 0; fila < filas_; ++fila) {
        for (int columna = 0; columna < Columnas(); ++columna) {
            const QRect celda = RectCelda(columna, fila);
            pintor.setPen(kColorLinea);
            // The lines right of and below each cell.
            pintor.drawLine(celda.right() + 1, celda.top(), celda.right() + 1, celda.bottom() + 1);
            pintor.drawLine(celda.left(), celda.bottom() + 1, celda.right() + 1, celda.bottom() + 1);
            const CeldaTabla contenido = Celda(columna, fila);
            pintor.save();
            pintor.setClipRect(celda);
            pintor.setPen(contenido.color);
            pintor.drawText(celda, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, contenido.texto);
            pintor.restore();
        }
    }
}

// ---------------------------------------------------------------- two-column tables

VentanaNombreValor::VentanaNombreValor(TablaNombreValor& tabla, int altoFila, std::vector<int> anchos)
    : VentanaTabla(tabla, tabla.NumCables(), altoFila, std::move(anchos)), tabla_(tabla) {}

CeldaTabla VentanaNombreValor::Celda(int columna, int fila) const {
    return {Q(tabla_.TextoCelda(columna, fila)), columna == 0 ? kAzulNombre : kNegroValor};
}

VentanaRegRdD::VentanaRegRdD(TRegRdD& registros) : VentanaNombreValor(registros, 16, {55, 132}) {}

QString VentanaRegRdD::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::Registros));
}

VentanaCablesMem::VentanaCablesMem(TCablesMem& cables) : VentanaNombreValor(cables, 16, {55, 130}) {}

QString VentanaCablesMem::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::CablesMemoria));
}

// ---------------------------------------------------------------- control signals

VentanaCablesCtrl::VentanaCablesCtrl(TCablesCtrl& cables)
    : VentanaTabla(cables, 4, 17, {30, 32, 44, 44, 30}), cables_(cables) {}

CeldaTabla VentanaCablesCtrl::Celda(int columna, int fila) const {
    return {Q(cables_.TextoCelda(columna, fila)), fila % 2 == 0 ? kAzulNombre : kNegroValor};
}

QString VentanaCablesCtrl::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::CablesControl));
}

// ---------------------------------------------------------------- counters

VentanaEstadoDeEjecucion::VentanaEstadoDeEjecucion(TEstadoDeEjecucion& estado)
    : VentanaTabla(estado, 2, 18, {64, 64}), estado_(estado) {}

void VentanaEstadoDeEjecucion::showEvent(QShowEvent* evento) {
    SetAnchosColumnas({90, 75});
    VentanaTabla::showEvent(evento);
}

CeldaTabla VentanaEstadoDeEjecucion::Celda(int columna, int fila) const {
    return {Q(estado_.TextoCelda(columna, fila)), columna == 0 ? kAzulNombre : kNegroValor};
}

QString VentanaEstadoDeEjecucion::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::Estado));
}

} // namespace velmo

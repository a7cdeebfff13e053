#include "VentanaOrganizacion.h"

#include "DialogoModal.h"
#include "EstadoVentana.h"
#include "FormMonitoriza.h"
#include "FrameUP.h"
#include "RegistroGlobal.h"
#include "UtilidadesVentana.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace velmo {

namespace {

QColor Color(unsigned rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPen PenCable() {
    return QPen(Color(kRojoCable), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void Polilinea(QPainter& pintor, const std::vector<QPoint>& puntos) {
    if (puntos.size() >= 2) {
        pintor.drawPolyline(puntos.data(), static_cast<int>(puntos.size()));
    }
}

/// An upward head 6 pixels wide and 6 high with its tip on row y, in thin lines.
void DrawArrow(QPainter& pintor, int x, int y) {
    QPen pen = pintor.pen();
    const int ancho = pen.width();
    pen.setWidth(1);
    pintor.setPen(pen);
    const int largos[] = {6, 4, 2};
    for (int i = 0; i < 3; ++i) {
        const int fila = y + 5 - 2 * i;
        const int x0 = x + i;
        pintor.drawLine(x0, fila, x0 + largos[i] - 1, fila);
        pintor.drawLine(x0, fila - 1, x0 + largos[i] - 1, fila - 1);
    }
    pen.setWidth(ancho);
    pintor.setPen(pen);
}

} // namespace

std::vector<MapaOrganizacion> RegionesClic(int x, int y, TTipoControl tipo) {
    std::vector<MapaOrganizacion> mapas;
    if (244 < x && x < 470 && 501 < y && y < 567) {
        mapas.push_back(MapaOrganizacion::Alu);
    }
    if (454 < x && x <= 560 && 48 <= y && y <= 288) {
        mapas.push_back(MapaOrganizacion::Memoria);
    }
    const bool pc = 128 <= x && x < 170 && 48 <= y && y < 160;
    const bool ir = 128 <= x && x < 170 && 320 < y && y < 430;
    const bool fz = 180 <= x && x <= 208 && 508 <= y && y <= 541;
    const bool a = 230 <= x && x <= 336 && 430 < y && y <= 468;
    const bool b = 380 <= x && x <= 486 && 430 < y && y <= 468;
    if (pc || ir || fz || a || b) {
        mapas.push_back(MapaOrganizacion::Registro);
    }
    if (tipo == TMicroprogramable && 11 < x && x < 73 && 240 < y && y < 266) {
        mapas.push_back(MapaOrganizacion::Registro);
    }
    if (227 < x && x < 268 && 77 < y && y < 118) {
        mapas.push_back(MapaOrganizacion::Incrementador);
    }
    if (197 < x && x < 268 && 170 <= y && y <= 288) {
        mapas.push_back(MapaOrganizacion::Multiplexor);
    }
    return mapas;
}

TVentanaOrganizacion::TVentanaOrganizacion(TOrganizacion& up, QWidget* padre)
    : TVentanaDiagrama(up, QSize(kAncho, kAlto), padre), ListaCablesVl0(CreaDibujoCablesOrg()),
      SondaRegAux(CreaSondaRegAux()), up_(up), monitoriza_(new TFormMonitoriza(this)) {
    setObjectName(QStringLiteral("UnidadProceso"));
    setFont(FuenteSans8());
    PopupMenu = new QMenu(this);
    Quesesto1 = PopupMenu->addAction(QStringLiteral("Ayuda..."));
    Monitorizar1 = PopupMenu->addAction(QStringLiteral("Monitorizar..."));
    connect(Quesesto1, &QAction::triggered, this, &TVentanaOrganizacion::Quesesto1Click);
    connect(Monitorizar1, &QAction::triggered, this, &TVentanaOrganizacion::Monitorizar1Click);
    FormPaint();
    AplicaVentana();
}

TVentanaOrganizacion::~TVentanaOrganizacion() = default;

QString TVentanaOrganizacion::TextoAyuda() const {
    return QString::fromUtf8(velmo::TextoAyuda(VentanaAyuda::UnidadProceso));
}

void TVentanaOrganizacion::AlAviso(Aviso) {
    // Every paint of the datapath starts from the clean picture, so a refresh is a full paint.
    FormPaint();
}

void TVentanaOrganizacion::FormPaint() {
    // The active signals and the probes are drawn over the clean picture when the window paints: a cycle
    // copies no picture.
    UsaImagenLimpia(QStringLiteral(":/velmo/VELMO.svg"));
    update();
}

void TVentanaOrganizacion::PintaEncima(QPainter& pintor) const {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setFont(font());
    pintor.setPen(PenCable());
    for (int i = 0; i < kNumCablesOrg; ++i) {
        const TRegCable& c = ListaCablesVl0[static_cast<std::size_t>(i)];
        if (up_.Activado(i)) {
            Polilinea(pintor, c.puntos);
        }
        if (c.ProbeActivado) {
            PintaProbe(pintor, c, TOrganizacion::Cable(i).NumBits, up_.Valor(i));
        }
    }
    PintaVersion(pintor);
    // Over the register's box, which the overlay has just drawn.
    if (HayRegAux() && SondaRegAux.ProbeActivado) {
        PintaProbe(pintor, SondaRegAux, 7, static_cast<std::int16_t>(up_.ValorRegAux()));
    }
    pintor.restore();
}

bool TVentanaOrganizacion::HayRegAux() const {
    return up_.prtipocontrol() == TMicroprogramable;
}

void TVentanaOrganizacion::PintaProbe(QPainter& pintor, const TRegCable& c, int bits,
                                      std::int16_t valor) const {
    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawLine(c.PtoConexionProbeOrigen, c.PtoConexionProbeDestino);
    pintor.setBrush(Color(kAmarilloProbe));
    const CajaProbe p = CalculaProbe(c.Formato, c.PtoProbe, bits, valor);
    // The box's right and bottom edges lie outside it, as the outline is drawn on its inner pixels.
    pintor.drawRect(p.caja.adjusted(0, 0, -1, -1));
    const QRect zona(p.posTexto, QPoint(p.caja.right() + 40, p.caja.bottom() + 4));
    pintor.drawText(zona, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, p.texto);
    pintor.setPen(PenCable());
}

void TVentanaOrganizacion::PintaVersion(QPainter& pintor) const {
    const QColor azul = Color(kAzulCable);
    switch (up_.prtipocontrol()) {
    case TVL1Modif:
        // The opcode field is two bits wider on the modified machine.
        pintor.setPen(QPen(azul, 2));
        pintor.drawLine(128, 406, 69, 406);
        pintor.drawLine(92, 401, 92, 410);
        pintor.setPen(Qt::black);
        // On its own ground, so the field's line starts where the label ends.
        pintor.setBackground(Color(kAzulCielo));
        pintor.setBackgroundMode(Qt::OpaqueMode);
        pintor.drawText(QRect(3, 397, 120, 20), Qt::AlignLeft | Qt::AlignTop,
                        QStringLiteral("COP Ext. 2bits"));
        pintor.setBackgroundMode(Qt::TransparentMode);
        break;
    case TMicroprogramable: {
        const QFont antes = pintor.font();
        // The address path is 7 bits wide here: the picture's own width label is covered.
        pintor.fillRect(QRect(QPoint(90, 200), QPoint(173, 219)), Color(kAzulCielo));
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPointSize(8);
        tahoma.setBold(true);
        pintor.setFont(tahoma);
        pintor.setPen(QPen(Qt::black, 2));
        pintor.drawText(QRect(140, 200, 60, 16), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("7 bits"));
        // The auxiliary register: a raised grey box.
        pintor.fillRect(QRect(QPoint(12, 240), QPoint(74, 269)), QColor(192, 192, 192));
        pintor.setPen(QPen(QColor(128, 128, 128), 1));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRect(QRect(QPoint(12, 240), QPoint(74, 269)).adjusted(0, 0, -1, -1));
        pintor.setPen(QPen(Qt::white, 1));
        pintor.drawLine(11, 239, 74, 239);
        pintor.drawLine(12, 240, 74, 240);
        pintor.drawLine(73, 240, 73, 268);
        pintor.drawLine(74, 240, 74, 269);
        pintor.setPen(QPen(Qt::black, 2));
        pintor.drawText(QRect(20, 247, 60, 16), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("REGAUX"));
        QPen camino = PenCable();
        camino.setColor(up_.prRegAuxActivo() ? Color(kRojoCable) : azul);
        pintor.setPen(camino);
        const std::vector<QPoint> entrada{{235, 380}, {235, 316}, {38, 316}, {38, 270}};
        Polilinea(pintor, entrada);
        DrawArrow(pintor, 35, 270);
        camino.setColor(up_.prRegAuxLeido() ? Color(kRojoCable) : azul);
        pintor.setPen(camino);
        const std::vector<QPoint> salida{{38, 238}, {38, 215}, {182, 215}};
        Polilinea(pintor, salida);
        pintor.setFont(antes);
        break;
    }
    case tMicroprogramado:
    case tnormal:
    case toptimizado:
        break;
    }
}

void TVentanaOrganizacion::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    for (MapaOrganizacion mapa : RegionesClic(p.x(), p.y(), up_.prtipocontrol())) {
        if (abreMapa) {
            abreMapa(mapa);
        }
    }
    // The right button also brings up the pop-up menu.
    TVentanaDiagrama::mousePressEvent(evento);
}

void TVentanaOrganizacion::contextMenuEvent(QContextMenuEvent* evento) {
    PopupMenu->popup(evento->globalPos());
}

void TVentanaOrganizacion::Monitorizar1Click() {
    TRegCable* regAux = HayRegAux() ? &SondaRegAux : nullptr;
    monitoriza_->Carga(ListaCablesVl0, regAux);
    CentraEnPantalla(*monitoriza_);
    if (Modal().ejecuta(*monitoriza_) == QDialog::Accepted) {
        monitoriza_->Aplica(ListaCablesVl0, regAux);
        FormPaint();
    }
}

void TVentanaOrganizacion::Quesesto1Click() {
    const QString ayuda = RegistroGlobal().FicheroAyuda;
    // A manual that is not there is left alone, as the main window's help command does.
    if (!ayuda.isEmpty() && QFileInfo::exists(ayuda)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(ayuda));
    }
}

} // namespace velmo

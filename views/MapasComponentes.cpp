#include "MapasComponentes.h"

#include "UtilidadesVentana.h"
#include "VentanaSimulacion.h"

#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace velmo {

namespace {

constexpr int kAltoBoton = 25;

QColor ColorSistema(QPalette::ColorRole rol) {
    return QPalette().color(rol);
}

} // namespace

MapaComponente::MapaComponente(QWidget* parent, const QString& titulo, QSize cliente, const QColor& fondo,
                               const QString& imagen, QRect volver)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(titulo);
    setFont(VentanaSimulacion::FuenteDialogo());
    setFixedSize(cliente);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, fondo);
    setPalette(paleta);
    setAutoFillBackground(true);

    BotonVolver = new QPushButton(QStringLiteral("Volver"), this);
    BotonVolver->setGeometry(volver);
    BotonVolver->setPalette(QPalette());
    connect(BotonVolver, &QPushButton::clicked, this, &QDialog::accept);
    CargaImagen(imagen);
}

void MapaComponente::CargaImagen(const QString& nombre) {
    nombreImagen_ = nombre;
    imagen_ = ImagenSvg(QStringLiteral(":/velmo/%1.svg").arg(nombre), kTamanoImagen, devicePixelRatioF());
    update();
}

void MapaComponente::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pintor(this);
    if (imagen_.devicePixelRatio() != devicePixelRatioF()) {
        imagen_ = ImagenSvg(QStringLiteral(":/velmo/%1.svg").arg(nombreImagen_), kTamanoImagen,
                            devicePixelRatioF());
    }
    pintor.drawPixmap(0, 0, imagen_);
}

void MapaComponente::showEvent(QShowEvent* evento) {
    CentraEnPantalla(*this);
    QDialog::showEvent(evento);
}

// ---------------------------------------------------------------- ALU

TMapaAlu::TMapaAlu(QWidget* parent)
    : MapaComponente(parent, QStringLiteral("Detalles de la Alu"), {290, 233}, QColor(128, 128, 128),
                     QStringLiteral("MAPAALU"), {8, 199, 75, kAltoBoton}) {}

void TMapaAlu::SetTipoControl(TTipoControl tipo) {
    tipocontrol_ = tipo;
    CargaImagen(tipo == TMicroprogramable ? QStringLiteral("MAPAALUCONFIG") : QStringLiteral("MAPAALU"));
}

void TMapaAlu::paintEvent(QPaintEvent* evento) {
    MapaComponente::paintEvent(evento);
    if (tipocontrol_ != TVL1Modif) {
        return;
    }
    // On the modified machine the selector's unused input 3 is the constant 0: its label is covered and
    // replaced. Corners are inclusive on the left and top, exclusive on the right and bottom.
    QPainter pintor(this);
    pintor.setPen(kAzulCielo);
    pintor.setBrush(kAzulCielo);
    pintor.drawRect(QRect(QPoint(190, 125), QPoint(287, 139)));
    pintor.setPen(Qt::red);
    pintor.drawRect(QRect(QPoint(190, 125), QPoint(209, 139)));
    pintor.setPen(Qt::black);
    pintor.setFont(font());
    pintor.drawText(QRect(192, 126, 17, 13), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                    QStringLiteral("\"0\""));
}

// ---------------------------------------------------------------- the others

TMapaMemoria::TMapaMemoria(QWidget* parent)
    : MapaComponente(parent, QStringLiteral("Detalles de la Memoria"), {281, 232},
                     ColorSistema(QPalette::Dark), QStringLiteral("MAPAMEMORIA"), {8, 199, 75, kAltoBoton}) {}

TMapaIncrementador::TMapaIncrementador(QWidget* parent)
    : MapaComponente(parent, QStringLiteral("Detalles Incrementador"), {281, 232},
                     ColorSistema(QPalette::Button), QStringLiteral("MAPAINC"), {192, 191, 75, kAltoBoton}) {}

TMapaReg::TMapaReg(QWidget* parent)
    : MapaComponente(parent, QStringLiteral("Detalles Registro"), {281, 232}, ColorSistema(QPalette::Button),
                     QStringLiteral("MAPAREG"), {200, 199, 75, kAltoBoton}) {}

TMapaMux::TMapaMux(QWidget* parent)
    : MapaComponente(parent, QStringLiteral("Detalles Multiplexor"), {285, 245},
                     ColorSistema(QPalette::Button), QStringLiteral("MAPAMUX"), {216, 215, 62, kAltoBoton}) {}

} // namespace velmo

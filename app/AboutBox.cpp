#include "AboutBox.h"

#include "Plataforma.h"
#include "UtilidadesVentana.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace velmo {

namespace {

QLabel* Etiqueta(const QString& texto, QWidget* padre, const QRect& sitio, bool negrita = false,
                 Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(sitio);
    etiqueta->setAlignment(alineacion);
    if (negrita) {
        QFont letra = etiqueta->font();
        letra.setBold(true);
        etiqueta->setFont(letra);
    }
    return etiqueta;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Acerca De..."));
    setFixedSize(346, 402);

    auto* imagen = new QLabel(this);
    imagen->setGeometry(0, 0, 346, 127);
    imagen->setPixmap(
        ImagenSvg(QStringLiteral(":/velmo/LOGOVELMO.svg"), QSize(346, 127), devicePixelRatioF()));

    auto* regla = new QFrame(this);
    regla->setGeometry(8, 131, 330, 2);
    regla->setFrameShape(QFrame::HLine);
    regla->setFrameShadow(QFrame::Sunken);

    auto* grupo = new QGroupBox(QStringLiteral("Velmo v1.04"), this);
    grupo->setGeometry(8, 140, 330, 104);
    QFont negrita = grupo->font();
    negrita.setBold(true);
    grupo->setFont(negrita);
    QFont normal = negrita;
    normal.setBold(false);
    Etiqueta(QStringLiteral("Autores:"), grupo, QRect(12, 24, 150, 18), true);
    Etiqueta(QStringLiteral("Los desarrolladores"), grupo, QRect(12, 46, 150, 18))->setFont(normal);
    Etiqueta(QStringLiteral("del proyecto Velmo"), grupo, QRect(12, 66, 150, 18))->setFont(normal);
    Etiqueta(QStringLiteral("Directores:"), grupo, QRect(170, 24, 150, 18), true);
    Etiqueta(QStringLiteral("Los profesores"), grupo, QRect(170, 46, 150, 18))->setFont(normal);
    Etiqueta(QStringLiteral("del proyecto Velmo"), grupo, QRect(170, 66, 150, 18))->setFont(normal);

    Etiqueta(QStringLiteral("Página web:"), this, QRect(8, 252, 330, 18));
    // The project has no web page of its own yet: the link opens the local simulator manual.
    Enlace =
        Etiqueta(QStringLiteral("<a href=\"manual\" style=\"color:#0000ff\">Manual del simulador Velmo</a>"),
                 this, QRect(8, 270, 330, 18));
    Enlace->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(Enlace, &QLabel::linkActivated, this, [] { AbreManualSimulador(); });

    const auto centrado = Qt::AlignHCenter | Qt::AlignVCenter;
    Etiqueta(QStringLiteral("Proyecto docente de Estructura de Computadores"), this, QRect(8, 298, 330, 18),
             false, centrado);
    Etiqueta(QStringLiteral("Banco de trabajo didáctico Velmo"), this, QRect(8, 316, 330, 18), false,
             centrado);
    Etiqueta(QStringLiteral("2026"), this, QRect(8, 334, 330, 18), false, centrado);

    BotonOK = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonOK->setGeometry(135, 364, 75, 25);
    BotonOK->setDefault(true);
    connect(BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) {
        CentraEnPantalla(*this);
    }
}

} // namespace velmo

#include "FormPonerBits.h"

#include "UtilidadesVentana.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace velmo {

namespace {

/// "'0101'": the value as `bits` binary digits between apostrophes, most significant first.
QString TextoOpcion(int valor, int bits) {
    return QStringLiteral("'%1'").arg(QString::number(valor, 2), bits, QLatin1Char('0'));
}

} // namespace

TFormPonerBits::TFormPonerBits(int bits, const QString& titulo, const QString& grupo, int ancho, int alto,
                               int columnas, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      bits_(bits) {
    setWindowTitle(titulo);
    setFixedSize(ancho, alto);

    constexpr int kMargen = 8;
    constexpr int kBotones = 41; // strip under the group for the two buttons
    RadioGroup1 = new QGroupBox(grupo, this);
    RadioGroup1->setGeometry(kMargen, kMargen, ancho - 2 * kMargen, alto - kMargen - kBotones);
    auto* rejilla = new QGridLayout(RadioGroup1);
    opciones_ = new QButtonGroup(this);
    const int total = 1 << bits;
    const int filas = (total + columnas - 1) / columnas;
    for (int v = 0; v < total; ++v) {
        auto* opcion = new QRadioButton(TextoOpcion(v, bits), RadioGroup1);
        opciones_->addButton(opcion, v);
        // Filled column by column, in ascending order.
        rejilla->addWidget(opcion, v % filas, v / filas);
    }
    opciones_->button(0)->setChecked(true);

    BotonAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonAceptar->setGeometry(ancho / 2 - 83, alto - 33, 75, 25);
    BotonAceptar->setDefault(true);
    BotonCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    BotonCancelar->setGeometry(ancho / 2 + 8, alto - 33, 75, 25);
    // Escape already rejects a dialog.
    connect(BotonAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BotonCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormPonerBits::Valor() const {
    return opciones_->checkedId();
}

void TFormPonerBits::SetValor(int valor) {
    if (QAbstractButton* b = opciones_->button(valor)) {
        b->setChecked(true);
    }
}

void TFormPonerBits::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraEnPantalla(*this);
}

TFormPonerBit::TFormPonerBit(QWidget* parent)
    : TFormPonerBits(1, QStringLiteral("Celda de 1 bit"), QStringLiteral(" Valor binario "), 218, 126, 2,
                     parent) {}

TFormPoner2bits::TFormPoner2bits(QWidget* parent)
    : TFormPonerBits(2, QStringLiteral("Celda de 2 bits"), QStringLiteral(" Valor binario "), 228, 161, 2,
                     parent) {}

TFormPoner3bits::TFormPoner3bits(QWidget* parent)
    : TFormPonerBits(3, QStringLiteral("Celda de 3 bits"), QStringLiteral("Valor binario"), 277, 195, 2,
                     parent) {}

TFormPoner4bits::TFormPoner4bits(QWidget* parent)
    : TFormPonerBits(4, QStringLiteral("Celda de 4 bits"), QStringLiteral(" Valor binario "), 371, 238, 4,
                     parent) {}

} // namespace velmo

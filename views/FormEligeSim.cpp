#include "FormEligeSim.h"

#include "UtilidadesVentana.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace velmo {

TFormElige::TFormElige(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Elige Control"));
    setFixedSize(193, 190);

    RButtonCableado = new QRadioButton(QStringLiteral("Control Cableado"), this);
    RButtonCableado->setGeometry(16, 16, 113, 17);

    RGroupCableado = new QGroupBox(QStringLiteral(" Cableado "), this);
    RGroupCableado->setGeometry(40, 40, 121, 65);
    RGroupNormal = new QRadioButton(QStringLiteral("Normal"), RGroupCableado);
    RGroupNormal->setGeometry(8, 18, 105, 17);
    RGroupOptimizado = new QRadioButton(QStringLiteral("Optimizado"), RGroupCableado);
    RGroupOptimizado->setGeometry(8, 40, 105, 17);

    RbuttonMicroProgramado = new QRadioButton(QStringLiteral("Control MicroProgramado"), this);
    RbuttonMicroProgramado->setGeometry(16, 120, 153, 17);

    tipos_ = new QButtonGroup(this);
    tipos_->addButton(RButtonCableado);
    tipos_->addButton(RbuttonMicroProgramado);
    cableados_ = new QButtonGroup(this);
    cableados_->addButton(RGroupNormal);
    cableados_->addButton(RGroupOptimizado);

    RButtonCableado->setChecked(true);
    RGroupNormal->setChecked(true);

    BotonOK = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonOK->setGeometry(56, 151, 75, 25);
    BotonOK->setDefault(true);

    connect(cableados_, &QButtonGroup::buttonClicked, this, [this] { RGroupCableadoClick(); });
    connect(BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormElige::RGroupCableadoClick() {
    RButtonCableado->setChecked(true);
}

EleccionControl TFormElige::Eleccion() const {
    if (RbuttonMicroProgramado->isChecked()) {
        return EleccionControl::Microprogramado;
    }
    return RGroupOptimizado->isChecked() ? EleccionControl::Optimizado : EleccionControl::Normal;
}

void TFormElige::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraEnPantalla(*this);
}

} // namespace velmo

#include "ConfiguraAlu.h"

#include "UtilidadesVentana.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStringList>

namespace velmo {

TConfiguraAlu::TConfiguraAlu(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Configuración de la ALU"));
    setFixedSize(361, 324);

    const std::array<QStringList, 4> opciones = {
        QStringList{QStringLiteral("'+'"), QStringLiteral("MUL"), QStringLiteral("SHR"),
                    QStringLiteral("AND")},
        QStringList{QStringLiteral("XOR "), QStringLiteral("DIV"), QStringLiteral("SHL"),
                    QStringLiteral("OR")},
        QStringList{QStringLiteral("'Reg B'"), QStringLiteral("'Reg A'"), QStringLiteral("MOD")},
        QStringList{QStringLiteral("'0'"), QStringLiteral("'1'"), QStringLiteral("'NOT'")},
    };
    const std::array<QString, 4> codigos = {QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("10"),
                                            QStringLiteral("11")};
    std::array<QGroupBox*, 4> cajas{};
    constexpr int kColumnas = 3;
    for (std::size_t g = 0; g < cajas.size(); ++g) {
        auto* caja = new QGroupBox(QStringLiteral(" Código de operación '%1' ").arg(codigos[g]), this);
        caja->setGeometry(16, 8 + static_cast<int>(g) * 68, 329, 62);
        auto* rejilla = new QGridLayout(caja);
        auto* grupo = new QButtonGroup(this);
        const int filas = (static_cast<int>(opciones[g].size()) + kColumnas - 1) / kColumnas;
        for (int i = 0; i < opciones[g].size(); ++i) {
            auto* b = new QRadioButton(opciones[g][i], caja);
            grupo->addButton(b, i);
            rejilla->addWidget(b, i % filas, i / filas);
        }
        grupo->button(0)->setChecked(true);
        cajas[g] = caja;
        grupos_[g] = grupo;
    }
    RadioGroup0 = cajas[0];
    RadioGroup1 = cajas[1];
    RadioGroup2 = cajas[2];
    RadioGroup3 = cajas[3];

    BotonAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonAceptar->setGeometry(143, 288, 75, 25);
    BotonAceptar->setDefault(true);
    BotonCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    BotonCancelar->setGeometry(230, 288, 75, 25);
    BotonCancelar->hide();
    connect(BotonAceptar, &QPushButton::clicked, this, &QDialog::accept);
}

int TConfiguraAlu::OpcionAlu(int cop) const {
    if (cop < 0 || cop >= static_cast<int>(grupos_.size())) {
        return -1;
    }
    return grupos_[static_cast<std::size_t>(cop)]->checkedId();
}

void TConfiguraAlu::SetOpcionAlu(int cop, int opcion) {
    if (cop < 0 || cop >= static_cast<int>(grupos_.size())) {
        return;
    }
    if (QAbstractButton* b = grupos_[static_cast<std::size_t>(cop)]->button(opcion)) {
        b->setChecked(true);
    }
}

void TConfiguraAlu::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentraEnPantalla(*this);
}

} // namespace velmo

#include "FormMonitoriza.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace velmo {

namespace {

struct Fila {
    const char* casilla;
    int topCasilla;
    int topGrupo;
};

constexpr std::array<Fila, 6> kFilas{{
    {"Salida &Multiplexor", 48, 27},
    {"Entrada a &PC", 92, 73},
    {"Salida M&emoria (entrada A,B,IR)", 136, 119},
    {"Entrada Flag &Z", 180, 165},
    {"Salida de la &ALU", 224, 211},
    {"Registro au&xiliar (RegAux)", 268, 255},
}};

// The auxiliary register's row moves the buttons and the dialog's foot down by one row.
constexpr int kAlto = 306;
constexpr int kTopBotones = 264;
constexpr int kAltoFila = 44;

/// The probe of each row, top to bottom; the auxiliary register's is null where there is none.
template <class Cables, class Cable> std::array<Cable*, 6> Filas(Cables& cables, Cable* regAux) {
    std::array<Cable*, 6> filas{};
    for (std::size_t i = 0; i < TFormMonitoriza::kCables.size(); ++i) {
        filas[i] = &cables[static_cast<std::size_t>(TFormMonitoriza::kCables[i])];
    }
    filas[TFormMonitoriza::kFilaRegAux] = regAux;
    return filas;
}

} // namespace

TFormMonitoriza::TFormMonitoriza(QWidget* padre) : QDialog(padre) {
    setWindowTitle(QStringLiteral("Monitorización"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(367, kAlto);
    setFont(FuenteSans8());

    auto* cabecera = new QLabel(QStringLiteral("Cables a monitorizar:"), this);
    cabecera->move(16, 16);

    for (std::size_t i = 0; i < kFilas.size(); ++i) {
        auto* casilla = new QCheckBox(QString::fromUtf8(kFilas[i].casilla), this);
        casilla->setGeometry(24, kFilas[i].topCasilla, 176, 17);
        casillas_[i] = casilla;

        auto* grupo = new QGroupBox(this);
        grupo->setGeometry(200, kFilas[i].topGrupo, 145, 41);
        auto* bases = new QButtonGroup(grupo);
        const QString nombres[] = {QStringLiteral("Bin"), QStringLiteral("Hex"), QStringLiteral("Int")};
        for (int b = 0; b < 3; ++b) {
            auto* opcion = new QRadioButton(nombres[b], grupo);
            opcion->setGeometry(8 + 46 * b, 12, 44, 20);
            bases->addButton(opcion, b);
        }
        grupos_[i] = grupo;
        bases_[i] = bases;
    }
    CheckButtonMuxOut = casillas_[0];
    CheckButtonPCin = casillas_[1];
    CheckbuttonMemOut = casillas_[2];
    CheckButtonFZin = casillas_[3];
    CheckBoxAluOut = casillas_[4];
    CheckBoxRegAux = casillas_[kFilaRegAux];
    CheckBoxRegAux->hide();
    grupos_[kFilaRegAux]->hide();

    BotonOK = new QPushButton(QStringLiteral("Aceptar"), this);
    BotonOK->setGeometry(94, kTopBotones, 75, 25);
    BotonOK->setDefault(true);
    BotonCancel = new QPushButton(QStringLiteral("Cancelar"), this);
    BotonCancel->setGeometry(198, kTopBotones, 75, 25);
    connect(BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    // Escape already rejects a dialog.
    connect(BotonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormMonitoriza::SeleccionaBase(int fila, TFormato formato) {
    if (QAbstractButton* b = bases_[static_cast<std::size_t>(fila)]->button(static_cast<int>(formato))) {
        b->setChecked(true);
    }
}

TFormato TFormMonitoriza::Base(int fila) const {
    switch (bases_[static_cast<std::size_t>(fila)]->checkedId()) {
    case 1:
        return THex;
    case 2:
        return Tint;
    default:
        return Tbin;
    }
}

void TFormMonitoriza::Carga(const std::array<TRegCable, kNumCablesOrg>& cables, const TRegCable* regAux) {
    const auto filas = Filas(cables, regAux);
    for (std::size_t i = 0; i < filas.size(); ++i) {
        if (filas[i] != nullptr) {
            casillas_[i]->setChecked(filas[i]->ProbeActivado);
            SeleccionaBase(static_cast<int>(i), filas[i]->Formato);
        }
    }
    const bool conRegAux = regAux != nullptr;
    CheckBoxRegAux->setVisible(conRegAux);
    grupos_[kFilaRegAux]->setVisible(conRegAux);
    const int extra = conRegAux ? kAltoFila : 0;
    BotonOK->move(BotonOK->x(), kTopBotones + extra);
    BotonCancel->move(BotonCancel->x(), kTopBotones + extra);
    setFixedSize(367, kAlto + extra);
}

void TFormMonitoriza::Aplica(std::array<TRegCable, kNumCablesOrg>& cables, TRegCable* regAux) const {
    const auto filas = Filas(cables, regAux);
    for (std::size_t i = 0; i < filas.size(); ++i) {
        TRegCable* c = filas[i];
        if (c == nullptr) {
            continue;
        }
        c->ProbeActivado = casillas_[i]->isChecked();
        if (c->ProbeActivado) {
            c->Formato = Base(static_cast<int>(i));
        }
    }
}

} // namespace velmo

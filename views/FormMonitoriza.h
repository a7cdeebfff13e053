#pragma once
// "Monitorización": which of the five probe-capable datapath signals show a label, and in which base. On
// the configurable machine a sixth row, below the five, does the same for the auxiliary register.

#include "DibujoCables.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;

namespace velmo {

class TFormMonitoriza : public QDialog {
    Q_OBJECT
public:
    explicit TFormMonitoriza(QWidget* padre = nullptr);

    /// The signal of each row, top to bottom.
    static constexpr std::array<int, 5> kCables{5, 1, 7, 19, 21};

    /// Row of the auxiliary register, after the signals' rows.
    static constexpr int kFilaRegAux = 5;

    /// Ticks and bases from the probes, before every showing. The auxiliary register's row is shown only
    /// when its probe is given, and the dialog grows by that row.
    void Carga(const std::array<TRegCable, kNumCablesOrg>& cables, const TRegCable* regAux = nullptr);
    /// After "Aceptar": ticked rows show their probe in the chosen base; unticked rows hide it and keep
    /// their base.
    void Aplica(std::array<TRegCable, kNumCablesOrg>& cables, TRegCable* regAux = nullptr) const;

    QCheckBox* Casilla(int fila) const { return casillas_[static_cast<std::size_t>(fila)]; }
    QGroupBox* Grupo(int fila) const { return grupos_[static_cast<std::size_t>(fila)]; }
    /// Selects a base in row `fila` as a click on its radio button would.
    void SeleccionaBase(int fila, TFormato formato);
    TFormato Base(int fila) const;

    QCheckBox* CheckButtonMuxOut;
    QCheckBox* CheckButtonPCin;
    QCheckBox* CheckbuttonMemOut;
    QCheckBox* CheckButtonFZin;
    QCheckBox* CheckBoxAluOut;
    QCheckBox* CheckBoxRegAux;
    QPushButton* BotonOK;
    QPushButton* BotonCancel;

private:
    std::array<QCheckBox*, 6> casillas_{};
    std::array<QGroupBox*, 6> grupos_{};
    std::array<QButtonGroup*, 6> bases_{};
};

} // namespace velmo

#pragma once
// "Monitorización": which of the five probe-capable datapath signals show a label, and in which base.

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

    /// Ticks and bases from the probes, before every showing.
    void Carga(const std::array<TRegCable, kNumCablesOrg>& cables);
    /// After "Aceptar": ticked rows show their probe in the chosen base; unticked rows hide it and keep
    /// their base.
    void Aplica(std::array<TRegCable, kNumCablesOrg>& cables) const;

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
    QPushButton* BotonOK;
    QPushButton* BotonCancel;

private:
    std::array<QCheckBox*, 5> casillas_{};
    std::array<QGroupBox*, 5> grupos_{};
    std::array<QButtonGroup*, 5> bases_{};
};

} // namespace velmo

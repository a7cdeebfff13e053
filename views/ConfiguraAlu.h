#pragma once
// "Configuración de la ALU": which operation each of the four ALU opcodes of the microprogrammable
// machine performs. One instance lives for the whole run; the ALU reads its selections while it runs.

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace velmo {

class TConfiguraAlu : public QDialog {
    Q_OBJECT
public:
    explicit TConfiguraAlu(QWidget* parent = nullptr);

    /// The item selected in the group of opcode `cop` (0..3); -1 when none is or `cop` is out of range.
    int OpcionAlu(int cop) const;
    /// Selects item `opcion` of the group of opcode `cop`, as a click would.
    void SetOpcionAlu(int cop, int opcion);

    QGroupBox* RadioGroup0;
    QGroupBox* RadioGroup1;
    QGroupBox* RadioGroup2;
    QGroupBox* RadioGroup3;
    QPushButton* BotonAceptar;
    /// Present but never shown: every choice made takes effect.
    QPushButton* BotonCancelar;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::array<QButtonGroup*, 4> grupos_{};
};

} // namespace velmo

#pragma once
// "Elige Control": the kind of control unit for a program of the plain machine. One instance lives for
// the whole run, so the last choice is offered again.

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmo {

enum class EleccionControl { Normal, Optimizado, Microprogramado };

class TFormElige : public QDialog {
    Q_OBJECT
public:
    explicit TFormElige(QWidget* parent = nullptr);

    /// The choice as the dialog shows it now.
    EleccionControl Eleccion() const;

    QRadioButton* RButtonCableado;
    QGroupBox* RGroupCableado;
    QRadioButton* RGroupNormal;
    QRadioButton* RGroupOptimizado;
    QRadioButton* RbuttonMicroProgramado;
    QPushButton* BotonOK;

    /// A click inside the hard-wired group means the user wants a hard-wired unit.
    void RGroupCableadoClick();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QButtonGroup* tipos_;
    QButtonGroup* cableados_;
};

} // namespace velmo

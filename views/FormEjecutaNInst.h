#pragma once
// "Ejecuta N Instrucciones": asks how many instructions the main window runs. A new one is made for each
// run.

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velmo {

class TFormEjecutaN : public QDialog {
    Q_OBJECT
public:
    explicit TFormEjecutaN(QWidget* parent = nullptr);

    /// The count read when "Aceptar" closed the dialog.
    std::int32_t NInstAEjecutar = 0;

    QLabel* Label1;
    QLineEdit* Edit1;
    QToolButton* UpDownArriba;
    QToolButton* UpDownAbajo;
    QPushButton* BotonOK;
    QPushButton* BotonCancel;

    /// The arrows' range; larger numbers can still be typed.
    static constexpr int kMinimoFlechas = 0;
    static constexpr int kMaximoFlechas = 100;

    /// The field's number: 0 when empty.
    std::int32_t ValorCampo() const;
    /// One step of the arrows (+1 or -1), kept within 0..100.
    void Paso(int sentido);

    void BotonOKClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
};

} // namespace velmo

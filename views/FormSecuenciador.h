#pragma once
// "Detalles del Secuenciador": the picture of the microprogrammed unit's sequencer.

#include <QDialog>
#include <QPixmap>

class QPushButton;

namespace velmo {

class TTformSecuenciador : public QDialog {
    Q_OBJECT
public:
    explicit TTformSecuenciador(QWidget* padre = nullptr);

    QPushButton* BotonVolver;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap imagen_;
};

} // namespace velmo

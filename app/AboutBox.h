#pragma once
// "Acerca De...": version, credits and the way to the manual.

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmo {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* Enlace;
    QPushButton* BotonOK;

protected:
    void showEvent(QShowEvent* evento) override;
};

} // namespace velmo

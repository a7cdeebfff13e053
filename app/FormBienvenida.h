#pragma once
// "Bienvenido a Velmo": the four roads into the program, offered at start while the user wants it.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmo {

enum enumAccion {
    acProgramaNuevo = 0,
    acFuenteExistente = 1,
    acSimularPrograma = 2,
    acAyuda = 3,
    acNone = 4
};

class TFormBienvenida : public QDialog {
    Q_OBJECT
public:
    explicit TFormBienvenida(QWidget* parent = nullptr);

    enumAccion accion = acNone;

    QLabel* Imagen;
    QLabel* Titulo;
    QLabel* Texto;
    QLabel* Enlace;
    QPushButton* BotonProgramaNuevo;
    QPushButton* BotonFuenteExistente;
    QPushButton* BotonSimular;
    QPushButton* BotonAyuda;
    QPushButton* BotonCerrar;
    QCheckBox* cbShowWelcome;

    /// Run by whoever shows the dialog, just before: no choice yet, and the check box as the setting
    /// stands.
    void FormShow();
    void cbShowWelcomeClick();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QPushButton* Boton(const QString& texto, int fila);
    void Elige(enumAccion eleccion);
};

} // namespace velmo

#pragma once
// The cell dialogs of the microprogram editor: one radio option per value of a 1-, 2-, 3- or 4-bit field.
// Each lives as long as the editor, so it offers the choice last made in it, not the cell's value.

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace velmo {

class TFormPonerBits : public QDialog {
    Q_OBJECT
public:
    /// The chosen option's index, which is the binary value written on it.
    int Valor() const;
    /// Checks option `valor` (as if the user had clicked it).
    void SetValor(int valor);
    int NumBits() const { return bits_; }

    QGroupBox* RadioGroup1;
    QPushButton* BotonAceptar;
    QPushButton* BotonCancelar;

protected:
    TFormPonerBits(int bits, const QString& titulo, const QString& grupo, int ancho, int alto, int columnas,
                   QWidget* parent);
    void showEvent(QShowEvent* evento) override;

private:
    int bits_;
    QButtonGroup* opciones_;
};

class TFormPonerBit : public TFormPonerBits {
    Q_OBJECT
public:
    explicit TFormPonerBit(QWidget* parent = nullptr);
};

class TFormPoner2bits : public TFormPonerBits {
    Q_OBJECT
public:
    explicit TFormPoner2bits(QWidget* parent = nullptr);
};

class TFormPoner3bits : public TFormPonerBits {
    Q_OBJECT
public:
    explicit TFormPoner3bits(QWidget* parent = nullptr);
};

class TFormPoner4bits : public TFormPonerBits {
    Q_OBJECT
public:
    explicit TFormPoner4bits(QWidget* parent = nullptr);
};

} // namespace velmo

#pragma once
// The new-source dialog: which machine version the new program is for. One instance lives for the whole
// run, so the last choice is offered again.

#include <QDialog>
#include <QStringList>

class QRadioButton;

namespace velmo {

class TFormNuevoFichAMontar : public QDialog {
    Q_OBJECT
public:
    explicit TFormNuevoFichAMontar(QWidget* parent = nullptr);

    /// 0 "VLM1 (.Ver 1)", 1 "VLM1 Modif (.Ver 2)", 2 "VL Microprogramable (.Ver3)".
    int Eleccion() const;
    void SetEleccion(int eleccion);

    /// The lines a new source starts with for the chosen version (the last one empty).
    static QStringList Plantilla(int eleccion);

private:
    QRadioButton* fOpciones[3];
};

} // namespace velmo

#include "FormNuevoFichAMontar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmo {

TFormNuevoFichAMontar::TFormNuevoFichAMontar(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Montador");
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(new QLabel("Elige la versión a montar:", this));
    const char* textos[] = {"VLM1 (.Ver 1)", "VLM1 Modif (.Ver 2)", "VL Microprogramable (.Ver3)"};
    for (int i = 0; i < 3; ++i) {
        fOpciones[i] = new QRadioButton(textos[i], this);
        capa->addWidget(fOpciones[i]);
    }
    fOpciones[0]->setChecked(true);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    auto* aceptar = new QPushButton("Aceptar", this);
    auto* cancelar = new QPushButton("Cancelar", this);
    aceptar->setDefault(true);
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    capa->addLayout(botones);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormNuevoFichAMontar::Eleccion() const {
    for (int i = 0; i < 3; ++i) {
        if (fOpciones[i]->isChecked()) {
            return i;
        }
    }
    return 0;
}

void TFormNuevoFichAMontar::SetEleccion(int eleccion) {
    if (eleccion >= 0 && eleccion < 3) {
        fOpciones[eleccion]->setChecked(true);
    }
}

QStringList TFormNuevoFichAMontar::Plantilla(int eleccion) {
    switch (eleccion) {
    case 1:
        return {".ver 2",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "dw var2\t3",
                "",
                ".code",
                "eti:\tmov uno, aux",
                "\tadd uno, var1",
                "\tclear var2",
                "\tmovd 1, var2",
                "\tacum 1, var2",
                "\tcmp uno, uno",
                "\tbeq eti",
                ""};
    case 2:
        return {".ver 3",
                ".conf",
                "inst0 1",
                "inst1 1",
                "inst2 2",
                "inst3 3",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "dw var2\t3",
                "",
                ".code",
                "eti:\tinst2 uno, aux",
                "\tinst0 var1",
                "\tinst1 uno",
                "\tinst2 1, var2",
                "\tinst3 1, var2, 3",
                ""};
    default:
        return {".ver 1",
                "",
                ".data 15 ;dirección de inicio de los datos",
                "dw var1\t1",
                "dw uno\t1",
                "dw aux\t?",
                "",
                ".code",
                "eti:\tmov uno, aux",
                "\tadd uno, var1",
                "\tcmp uno, uno",
                "\tbeq eti",
                ""};
    }
}

} // namespace velmo

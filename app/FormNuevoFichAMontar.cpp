#include "FormNuevoFichAMontar.h"

#include "PlantillasFuente.h"

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
    QStringList lineas;
    for (const std::string& linea : PlantillaFuente(eleccion + 1)) {
        lineas << QString::fromStdString(linea);
    }
    return lineas;
}

} // namespace velmo

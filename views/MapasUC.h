#pragma once
// The state diagrams of the three hard-wired control units, each with the list of its control outputs
// per state (the core's MapaEstados; the browser page shows the same).

#include "DibujoDatos.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace velmo {

/// A state-diagram window: list of outputs per state, the diagram picture, "Volver".
class TMapaUC : public QDialog {
    Q_OBJECT
public:
    QTableWidget* Lista;
    QPushButton* BotonVolver;

protected:
    struct Forma {
        QSize cliente;
        QRect lista;
        QRect panel;
        QPoint boton;
        QSize tamanoImagen;
        bool fondoAzul;
    };
    TMapaUC(const Forma& forma, const MapaEstados& mapa, QWidget* padre);
};

class TMapaUCNormal : public TMapaUC {
    Q_OBJECT
public:
    explicit TMapaUCNormal(QWidget* padre = nullptr);
};

class TMapaUCOptimizada : public TMapaUC {
    Q_OBJECT
public:
    explicit TMapaUCOptimizada(QWidget* padre = nullptr);
};

class TMapaUcVl1Modif : public TMapaUC {
    Q_OBJECT
public:
    explicit TMapaUcVl1Modif(QWidget* padre = nullptr);
};

} // namespace velmo

#pragma once
// The state diagrams of the three hard-wired control units, each with the list of its control outputs
// per state. The lists are explanation for the student, kept as they were written for them.

#include <QDialog>

#include <array>
#include <string_view>
#include <vector>

class QPushButton;
class QTableWidget;

namespace velmo {

/// One output row: its name and its value in each state ("X" = don't care).
struct FilaSalidas {
    std::string_view nombre;
    std::string_view valores; // one character per state
};

/// The rows of each unit's list, top to bottom.
const std::array<FilaSalidas, 10>& SalidasUCNormal();
const std::array<FilaSalidas, 10>& SalidasUCOptimizada();
const std::array<FilaSalidas, 10>& SalidasUcVl1Modif();

/// A state-diagram window: list of outputs per state, the diagram picture, "Volver".
class TMapaUC : public QDialog {
    Q_OBJECT
public:
    QTableWidget* Lista;
    QPushButton* BotonVolver;

protected:
    struct Forma {
        const char* titulo;
        QSize cliente;
        QRect lista;
        QRect panel;
        QPoint boton;
        const char* imagen;
        QSize tamanoImagen;
        bool fondoAzul;
    };
    TMapaUC(const Forma& forma, const std::array<FilaSalidas, 10>& filas, QWidget* padre);
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

#pragma once
// "Memoria": the simulated machine's 128 words in five owner-drawn columns (gutter, address,
// description, word in binary, decoded instruction), with the current instruction in yellow and the
// breakpoints in red. A mouse press on a row, or Space or Enter on the current row, toggles that row's
// breakpoint in the memory state; the window only paints and passes the row on.

#include "DibujoDatos.h"
#include "VentanaSimulacion.h"

#include <QColor>
#include <QPixmap>
#include <QTableView>

#include <array>

class QAbstractTableModel;

namespace velmo {

class TMemoriaVLM;

/// Everything one cell of the memory grid shows.
struct EstiloCeldaMemoria {
    QColor fondo;
    QColor letra;
    QString texto;
    int imagen = 0; // gutter picture: 0 none, 1 current, 2 current with breakpoint, 3 breakpoint
};

/// The grid: acts on every mouse press and on Space or Enter; the arrow keys only move.
class TablaMemoria : public QTableView {
    Q_OBJECT
public:
    explicit TablaMemoria(TMemoriaVLM& memoria, QWidget* parent = nullptr);

    /// Rows shown whole in the grid's area.
    int FilasVisibles() const;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void InformaFilasVisibles();

    TMemoriaVLM& memoria_;
};

class VentanaMemoria : public VentanaSimulacion {
    Q_OBJECT
public:
    explicit VentanaMemoria(TMemoriaVLM& memoria);

    static constexpr std::array<int, 5> kAnchos{15, 40, 90, 115, 90};
    static constexpr int kAltoFila = 17;
    static inline const QColor kAmarillo{QColor::fromRgb(kAmarilloFilaActual)};
    static inline const QColor kRojo{QColor::fromRgb(kRojoBreakpoint)};

    /// The colours, text and gutter picture of one cell, as it is drawn now.
    EstiloCeldaMemoria EstiloCelda(int columna, int fila) const;
    /// The gutter picture `imagen` (1 to 3) at the grid's pixel ratio.
    const QPixmap& ImagenGutter(int imagen) const;

    TablaMemoria* Tabla() const { return tabla_; }
    /// The first row shown in the grid.
    int PrimeraFilaVisible() const;

    QString TextoAyuda() const override;
    QSize TamanoAyuda() const override { return {220, 120}; }

protected:
    void Repintar() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TMemoriaVLM& memoria_;
    QAbstractTableModel* modelo_;
    TablaMemoria* tabla_;
    mutable std::array<QPixmap, 4> imagenes_; // drawn once per pixel ratio
};

} // namespace velmo

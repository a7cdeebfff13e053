#pragma once
// "Ajustar a la pantalla": the simulation's windows side by side in columns, none covering another.

#include <QRect>
#include <QSize>

#include <vector>

namespace velmo {

/// One window to place: its outer size; one that fills its column is as tall as the area.
struct PiezaAjuste {
    QSize tamano;
    bool llenaColumna = false;
};

/// Places the pieces in order, top to bottom in columns from the area's left edge: a piece that would
/// pass the bottom of an area `alto` pixels high starts a new column, right of the widest piece of the
/// one before. Every piece keeps its size, so no two overlap; a column-filling piece stands alone.
std::vector<QRect> ColocaEnColumnas(const std::vector<PiezaAjuste>& piezas, int alto);

} // namespace velmo

#pragma once
// The texts of the "Microprograma" view, for the desktop window and the page alike: the plain machine's
// fixed microprogram as a table of codes and bits, or the user's 16 microinstructions with their "pAux".

#include "MicroInstruccion.h"

#include <string>
#include <vector>

namespace velmo {

inline constexpr int kFilasMicroprogramaFijo = 14;
inline constexpr int kColumnasMicroprogramaFijo = 13;
/// The fixed layout's columns and "pAux".
inline constexpr int kColumnasMicroprogramaConfigurable = 14;

/// The text of cell (fila, columna): the fixed microprogram, or `micro` when `configurable`. Column 0 is the
/// row number; the texts keep the view's leading spaces. Empty outside the table.
std::string CeldaMicroprograma(bool configurable, const Microprograma& micro, int fila, int columna);

/// The column names, one per column of the layout.
std::vector<std::string> CabecerasMicroprograma(bool configurable);

} // namespace velmo

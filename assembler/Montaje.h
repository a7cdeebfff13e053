#pragma once
// One assembly as the workbench and the command line run it: source text in, executable and listing
// out, and the message list to show.

#include "Anfitrion.h"

#include <string>
#include <vector>

namespace velmo {

struct ResultadoMontaje {
    bool correcto = false;             // the executable was written
    std::vector<std::string> mensajes; // the message list, in order
    int lineaPrimerError = -1;         // line to mark in the editor, -1 when none
};

/// The text with one empty line appended when it has at least one line and its last line, blanks
/// trimmed, is not empty: the grammar needs the last statement to end with a line end.
std::string ConLineaFinal(const std::string& texto);

/// Assembles `textoFuente` into `rutaEjecutable` (listing beside it, with ".txt" appended). Message boxes
/// go to `anfitrion`.
ResultadoMontaje Montar(const std::string& textoFuente, const std::string& rutaEjecutable,
                        Anfitrion& anfitrion);

} // namespace velmo

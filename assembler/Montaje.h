#pragma once
// Assembling one source text into an executable: the step the workbench and the command-line tool share.

#include "Anfitrion.h"

#include <string>
#include <vector>

namespace velmo {

struct ResultadoMontaje {
    bool correcto;
    std::vector<std::string> mensajes;
    int lineaPrimerError;
};

/// The text with one empty line appended when its last line, blanks trimmed, is not empty.
std::string ConLineaFinal(const std::string& texto);

/// Assembles the text and writes the executable (and its listing) at the given path.
ResultadoMontaje Montar(const std::string& textoFuente, const std::string& rutaEjecutable,
                        Anfitrion& anfitrion);

} // namespace velmo

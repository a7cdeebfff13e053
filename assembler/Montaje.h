#pragma once
// One assembly as the workbench and the command line run it: source text in, executable and listing
// out, and the message list to show.

#include "Anfitrion.h"
#include "MensajeMontaje.h"

#include <string>
#include <vector>

namespace velmo {

struct ResultadoMontaje {
    bool correcto = false;                 // the executable was written
    std::vector<std::string> mensajes;     // the message list, in order: the texts of `registros`
    int lineaPrimerError = -1;             // line to mark in the editor, -1 when none
    std::vector<MensajeMontaje> registros; // the message list as records
};

/// An assembly that touched no file: what the files would hold, byte for byte.
struct MontajeEnMemoria : ResultadoMontaje {
    std::string ejecutable; // empty unless `correcto`
    std::string listado;    // made whenever the second pass ended, as the file assembly leaves it
};

/// The text with one empty line appended when it has at least one line and its last line, blanks
/// trimmed, is not empty: the grammar needs the last statement to end with a line end.
std::string ConLineaFinal(const std::string& texto);

/// Assembles `textoFuente` into `rutaEjecutable` (listing beside it, with ".txt" appended). Message boxes
/// go to `anfitrion`.
ResultadoMontaje Montar(const std::string& textoFuente, const std::string& rutaEjecutable,
                        Anfitrion& anfitrion);

/// The same assembly in memory; `nombreEjecutable` is the name the messages and the executable's header
/// give (as if it were written there).
MontajeEnMemoria MontarEnMemoria(const std::string& textoFuente, const std::string& nombreEjecutable,
                                 Anfitrion& anfitrion);

} // namespace velmo

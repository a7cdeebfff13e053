#pragma once
// One line of the assembler's message list as a record: what kind of line it is, the source line it
// points at, and its text. The flat list the workbench and velmo-montador print is made from these.

#include <string>
#include <vector>

namespace velmo {

enum class ClaseMensaje {
    Error,      // a syntax or semantic error at a line, a scanner limit, a file that cannot be written
    Aviso,      // a warning, at a line or about the whole program
    Detalle,    // a "> ..." line explaining the error or warning before it (source line, caret, reason)
    Encabezado, // the heading of the semantic errors
    Informe,    // the success lines
};

struct MensajeMontaje {
    ClaseMensaje clase = ClaseMensaje::Informe;
    /// The source line an error or warning heading points at ("--> N"); -1 for every other line.
    int linea = -1;
    std::string texto;

    bool operator==(const MensajeMontaje&) const = default;
};

/// The texts in order: the message list as shown.
inline std::vector<std::string> TextosMensajes(const std::vector<MensajeMontaje>& mensajes) {
    std::vector<std::string> textos;
    textos.reserve(mensajes.size());
    for (const auto& m : mensajes) {
        textos.push_back(m.texto);
    }
    return textos;
}

} // namespace velmo

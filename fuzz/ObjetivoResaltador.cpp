// Fuzzing target: the source colouring's tokenizer on arbitrary lines. The tokens of a line must tile
// it exactly, in order, and every line must end.

#include "VelmoHighlighter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmo;
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    TSynVelmo resaltador;
    int numero = 0;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        // The editor hands over one line at a time, without its line end.
        const std::size_t fin = std::min(texto.find('\n', inicio), texto.size());
        const std::string_view linea = texto.substr(inicio, fin - inicio);
        resaltador.SetLine(linea, numero++);
        std::size_t posicion = 0;
        for (std::size_t pasos = 0; !resaltador.GetEol(); ++pasos) {
            if (pasos > linea.size() + 1 || resaltador.GetTokenPos() != static_cast<int>(posicion)) {
                std::abort();
            }
            const std::string token = resaltador.GetToken();
            if (token.empty() && posicion < linea.size()) {
                std::abort();
            }
            posicion += token.size();
            if (resaltador.GetTokenAttribute() == nullptr) {
                std::abort();
            }
            resaltador.Next();
        }
        // A NUL ends the line for the tokenizer, as it does for the editor's own text.
        if (posicion != std::min(linea.find('\0'), linea.size())) {
            std::abort();
        }
        inicio = fin + 1;
    }
    return 0;
}

#include "Montaje.h"

#include "Escaner.h"
#include "Parser.h"

namespace velmo {

std::string ConLineaFinal(const std::string& texto) {
    if (texto.empty()) {
        return texto;
    }
    const auto salto = texto.rfind('\n');
    const std::string ultima = salto == std::string::npos ? texto : texto.substr(salto + 1);
    const bool vacia = ultima.find_first_not_of(" \t\r\v\f") == std::string::npos;
    if (vacia) {
        return texto;
    }
    const bool finWindows = salto != std::string::npos && salto > 0 && texto[salto - 1] == '\r';
    return texto + (finWindows ? "\r\n" : "\n");
}

ResultadoMontaje Montar(const std::string& textoFuente, const std::string& rutaEjecutable,
                        Anfitrion& anfitrion) {
    TEscaner escaner;
    escaner.Reinicia(textoFuente);
    TParser parser(escaner, anfitrion);
    parser.parse(rutaEjecutable);
    ResultadoMontaje resultado;
    resultado.correcto = parser.Correcto();
    resultado.mensajes = parser.Mensajes();
    resultado.lineaPrimerError = parser.LineaPrimerError();
    return resultado;
}

} // namespace velmo

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

namespace {

ResultadoMontaje Monta(const std::string& textoFuente, const std::string& nombre, SalidaMontaje& salida,
                       Anfitrion& anfitrion) {
    TEscaner escaner;
    escaner.Reinicia(textoFuente);
    TParser parser(escaner, anfitrion);
    parser.parse(nombre, salida);
    ResultadoMontaje resultado;
    resultado.correcto = parser.Correcto();
    resultado.registros = parser.Mensajes();
    resultado.mensajes = TextosMensajes(resultado.registros);
    resultado.lineaPrimerError = parser.LineaPrimerError();
    return resultado;
}

} // namespace

ResultadoMontaje Montar(const std::string& textoFuente, const std::string& rutaEjecutable,
                        Anfitrion& anfitrion) {
    SalidaFichero salida(rutaEjecutable);
    return Monta(textoFuente, rutaEjecutable, salida, anfitrion);
}

MontajeEnMemoria MontarEnMemoria(const std::string& textoFuente, const std::string& nombreEjecutable,
                                 Anfitrion& anfitrion) {
    SalidaMemoria salida;
    MontajeEnMemoria m{Monta(textoFuente, nombreEjecutable, salida, anfitrion), {}, {}};
    m.ejecutable = salida.Ejecutable();
    m.listado = salida.Listado();
    return m;
}

} // namespace velmo

#pragma once
// The assembly driver: runs the grammar over the source twice (pass 1 defines names and data, pass 2
// writes the instructions), then finishes or deletes the executable and builds the message list.

#include "Anfitrion.h"
#include "Escaner.h"
#include "MensajeMontaje.h"
#include "ObjParserFun.h"
#include "SalidaMontaje.h"

#include <string>
#include <vector>

namespace velmo {

/// Semantic value of a grammar symbol: a number or address, the line it was read on, and the index of the
/// token's text among the texts kept for the pass (-1 when none).
struct ValorGramatica {
    int valor;
    int linea;
    int texto;
};

/// State shared by the grammar actions during one assembly.
struct ContextoParser {
    ContextoParser(TEscaner& e, TObjParserFun& f, std::vector<MensajeMontaje>& m)
        : escaner(e), fun(f), mensajes(m) {}

    TEscaner& escaner;
    TObjParserFun& fun;
    std::vector<MensajeMontaje>& mensajes;

    int contadorCodigo = 0;
    int contadorLineas = 0;
    int version = 0;
    int baseDatos = 0;
    int contadorDatos = 0;
    std::string nombreActual;
    int valorInicialActual = 0;

    bool errorSintactico = false;
    bool errorSemantico = false;
    bool desbordeDatos = false;
    int erroresSintaxis = 0;
    int lineaPrimerError = -1;

    std::vector<std::string> textos; // token texts of the current pass

    int Pasada() const { return fun.Pasada(); }
    int GuardaTexto(const std::string& texto);
    const std::string& Texto(const ValorGramatica& v) const;

    /// Heading, source line and caret of a syntax error at the scanner's position.
    void InformeSintaxis(const std::string& mensaje);
    /// A semantic error at `linea`: heading through the code generator, then the message line.
    void ErrorSemantico(int linea, const std::string& mensaje);
    /// Next data word; calls `accion` with its address unless the data zone has overflowed.
    template <typename Accion> void PalabraDato(int linea, Accion accion);
};

template <typename Accion> void ContextoParser::PalabraDato(int linea, Accion accion) {
    ++contadorDatos;
    const int direccion = baseDatos + contadorDatos;
    if (direccion > 127 && !desbordeDatos) {
        errorSintactico = true;
        errorSemantico = true;
        fun.InsertarError(linea, false);
        fun.AnadeDetalle("> Hay demasiados datos. No hay espacio suficiente en la memoria de Velmo");
        desbordeDatos = true;
    } else if (!desbordeDatos) {
        accion(direccion);
    }
}

class TParser {
public:
    TParser(TEscaner& escaner, Anfitrion& anfitrion);

    /// Assembles the scanner's text into `salida`; `nombreSalida` is the executable's name (its listing's
    /// is `nombreSalida` + ".txt") as the messages and the executable's header give it.
    void parse(const std::string& nombreSalida, SalidaMontaje& salida);

    const std::vector<MensajeMontaje>& Mensajes() const { return mensajes; }
    /// Line of the first error or warning, -1 when none.
    int LineaPrimerError() const { return lineaPrimerError; }
    /// True when the executable was written.
    bool Correcto() const { return correcto; }

private:
    int Pasada(int numero, TObjParserFun& fun, ContextoParser& ctx);
    /// Runs both passes; true when the executable and its listing were produced.
    bool MontaPasadas(const std::string& rutaSalida, SalidaMontaje& salida, TObjParserFun& fun,
                      ContextoParser& ctx, std::string& errorFichero);
    /// Adds the closing messages and keeps or drops the executable.
    void InformaResultado(const std::string& rutaSalida, TObjParserFun& fun, ContextoParser& ctx,
                          bool terminado, std::string errorFichero);
    void AnotaPrimerError(int lineaSintaxis, int lineaSemantica);

    TEscaner& escaner;
    Anfitrion& anfitrion;
    std::vector<MensajeMontaje> mensajes;
    int lineaPrimerError = -1;
    bool correcto = false;
};

} // namespace velmo

/// Runs one pass of the grammar; 0 when the text was accepted, 1 when the pass was abandoned.
int velmo_yyparse(velmo::ContextoParser& contexto);

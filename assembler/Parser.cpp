#include "Parser.h"

#include <algorithm>
#include <initializer_list>

namespace velmo {

int ContextoParser::GuardaTexto(const std::string& texto) {
    textos.push_back(texto);
    return static_cast<int>(textos.size()) - 1;
}

const std::string& ContextoParser::Texto(const ValorGramatica& v) const {
    static const std::string kVacio;
    if (v.texto < 0 || static_cast<std::size_t>(v.texto) >= textos.size()) {
        return kVacio;
    }
    return textos[static_cast<std::size_t>(v.texto)];
}

void ContextoParser::InformeSintaxis(const std::string& mensaje) {
    const int linea = contadorLineas + 1;
    mensajes.push_back({ClaseMensaje::Error, linea, mensaje + ": en línea --> " + std::to_string(linea)});
    mensajes.push_back({ClaseMensaje::Detalle, -1, "> " + escaner.LineaActual()});
    mensajes.push_back({ClaseMensaje::Detalle, -1, "> " + std::string(escaner.ColumnaActual(), ' ') + "^"});
    if (lineaPrimerError == -1) {
        lineaPrimerError = linea;
    }
}

void ContextoParser::ErrorSemantico(int linea, const std::string& mensaje) {
    errorSemantico = true;
    fun.InsertarError(linea, false);
    fun.AnadeDetalle(mensaje);
}

TParser::TParser(TEscaner& escanerFuente, Anfitrion& anfitrionMontaje)
    : escaner(escanerFuente), anfitrion(anfitrionMontaje) {}

void TParser::parse(const std::string& rutaSalida, SalidaMontaje& salida) {
    lineaPrimerError = -1;
    correcto = false;
    TObjParserFun fun(anfitrion);
    ContextoParser ctx{escaner, fun, mensajes};
    escaner.SetInformeError([&ctx](const std::string& mensaje) {
        ctx.InformeSintaxis(mensaje);
        ctx.errorSintactico = true; // a dropped number must not let the assembly succeed
    });
    std::string errorFichero;
    const bool terminado = MontaPasadas(rutaSalida, salida, fun, ctx, errorFichero);
    escaner.SetInformeError(nullptr);

    InformaResultado(rutaSalida, fun, ctx, terminado, errorFichero);
    AnotaPrimerError(ctx.lineaPrimerError, fun.prLineaPrimerError());
}

int TParser::Pasada(int numero, TObjParserFun& fun, ContextoParser& ctx) {
    fun.SetPasada(numero);
    escaner.ReiniciaPosicionAbsoluta();
    ctx.textos.clear();
    return velmo_yyparse(ctx);
}

bool TParser::MontaPasadas(const std::string& rutaSalida, SalidaMontaje& salida, TObjParserFun& fun,
                           ContextoParser& ctx, std::string& errorFichero) {
    bool terminado = false;
    try {
        fun.CreafichInst(salida);
        const int resultado1 = Pasada(1, fun, ctx);
        // The second pass needs the labels of a first pass without syntax errors.
        if (resultado1 == 0 && !ctx.errorSintactico && ctx.erroresSintaxis == 0) {
            const int resultado2 = Pasada(2, fun, ctx);
            if (fun.prCodigoFueraDeMemoria()) {
                ctx.errorSemantico = true;
            }
            if (resultado2 == 0 && !ctx.errorSintactico) {
                fun.LeeEjecutable(rutaSalida + ".txt");
                terminado = true;
            }
        }
    } catch (const ErrorLexLib& e) {
        // A scanner limit ends the assembly at once.
        mensajes.push_back({ClaseMensaje::Error, -1, e.what()});
        if (ctx.lineaPrimerError == -1) {
            ctx.lineaPrimerError = ctx.contadorLineas + 1;
        }
        ctx.errorSintactico = true;
    } catch (const ErrorFicheroMontaje& e) {
        errorFichero = e.what();
    }
    return terminado;
}

void TParser::InformaResultado(const std::string& rutaSalida, TObjParserFun& fun, ContextoParser& ctx,
                               bool terminado, std::string errorFichero) {
    if (ctx.errorSemantico) {
        mensajes.push_back({ClaseMensaje::Encabezado, -1, "Errores de compilación (semánticos)"});
        const auto& errores = fun.DevuelveErrores();
        mensajes.insert(mensajes.end(), errores.begin(), errores.end());
        if (terminado && fun.BorraFichinst()) {
            anfitrion.MuestraMensaje("Fichero no compilado", TObjParserFun::kTituloMontador,
                                     IconoMensaje::Informacion);
        }
    }
    if (ctx.erroresSintaxis > 0) {
        ctx.errorSintactico = true;
    }
    // Only a complete executable of an assembly without errors takes the place of the file at its path.
    if (terminado && !ctx.errorSintactico && !ctx.errorSemantico && errorFichero.empty() &&
        !fun.ConfirmaFichinst()) {
        errorFichero = "Error: no se puede escribir el fichero " + rutaSalida;
    }
    if (!errorFichero.empty()) {
        mensajes.push_back({ClaseMensaje::Error, -1, errorFichero});
    }
    if (!ctx.errorSintactico && !ctx.errorSemantico && errorFichero.empty()) {
        const auto& avisos = fun.DevuelveErrores();
        mensajes.insert(mensajes.end(), avisos.begin(), avisos.end());
        mensajes.push_back({ClaseMensaje::Informe, -1, "Compilación correcta"});
        mensajes.push_back({ClaseMensaje::Informe, -1, "Generado el fichero: " + rutaSalida});
        correcto = true;
    } else {
        // Whatever made the assembly fail, no executable is left behind.
        fun.BorraFichinst();
    }
}

void TParser::AnotaPrimerError(int lineaSintaxis, int lineaSemantica) {
    for (const int linea : {lineaSintaxis, lineaSemantica}) {
        if (linea != -1 && (lineaPrimerError == -1 || linea < lineaPrimerError)) {
            lineaPrimerError = linea;
        }
    }
}

} // namespace velmo

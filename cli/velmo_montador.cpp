// velmo-montador: assembles a Velmo source from the command line, exactly as the workbench does.

#include "CodificacionTexto.h"
#include "EscrituraSegura.h"
#include "LecturaAcotada.h"
#include "Montaje.h"
#include "UtilidadesStr.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

namespace {

// Boxes go to stderr; the assembler asks no questions, so any question is answered No.
class AnfitrionConsola : public velmo::Anfitrion {
public:
    void MuestraMensaje(const std::string& texto, const std::string&, velmo::IconoMensaje) override {
        std::cerr << "Montador: " << texto << '\n';
    }
    bool PreguntaSiNo(const std::string&, const std::string&) override { return false; }
    velmo::Respuesta PreguntaSiNoCancelar(const std::string&, const std::string&) override {
        return velmo::Respuesta::No;
    }
    bool TrazaActiva() const override { return false; }
    void AnadeLineaTraza(const std::string&) override {}
};

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Montador de Velmo: genera el ejecutable (.vlx) y su listado a partir de un fuente",
                 "velmo-montador"};
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina")->group("Opciones");
    app.option_defaults()->group("Opciones");
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPCIONES");
    app.get_formatter()->label("Positionals", "Argumentos");
    app.get_formatter()->label("REQUIRED", "OBLIGATORIO");
    std::string fuente;
    std::string ejecutable;
    app.add_option("FUENTE", fuente, "Fichero fuente (.asm, .s)")->required()->type_name("FICHERO");
    app.add_option("-o,--salida", ejecutable,
                   "Fichero ejecutable (por omisión, el fuente con extensión .vlx)")
        ->type_name("FICHERO");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError&) {
        std::cerr
            << "Argumentos incorrectos.\nUso: velmo-montador FUENTE [-o EJECUTABLE] (--help muestra las "
               "opciones)\n";
        return 2;
    }

    // Pipes are read too; an endless or enormous input stops at the limit.
    const auto lectura = velmo::LeeFicheroAcotado(fuente, velmo::kLimiteFuente);
    if (lectura.estado != velmo::EstadoLecturaAcotada::Correcto) {
        std::cerr << "velmo-montador: "
                  << velmo::TextoFalloLectura(lectura.estado, fuente, velmo::kLimiteFuente) << '\n';
        return 2;
    }
    const std::string texto = velmo::TextoFuenteAUtf8(lectura.bytes);
    if (!velmo::EsTextoFuente(texto)) {
        std::cerr << "velmo-montador: el fichero " << fuente << " no es un fuente de texto\n";
        return 2;
    }
    if (ejecutable.empty()) {
        ejecutable = velmo::QuitaExtension(fuente) + ".vlx";
    }

    // The executable and its listing replace regular files only, and never the source.
    std::error_code error;
    for (const auto& destino : {ejecutable, ejecutable + ".txt"}) {
        if (std::filesystem::equivalent(fuente, destino, error)) {
            std::cerr << "velmo-montador: el fichero " << destino << " es el propio fuente\n";
            return 2;
        }
        const auto estado = std::filesystem::status(destino, error);
        if (std::filesystem::exists(estado) && !std::filesystem::is_regular_file(estado)) {
            std::cerr << "velmo-montador: "
                      << velmo::TextoFalloEscritura(velmo::FalloEscritura::NoEsFicheroNormal, destino)
                      << '\n';
            return 2;
        }
    }

    AnfitrionConsola anfitrion;
    const auto resultado = velmo::Montar(velmo::ConLineaFinal(texto), ejecutable, anfitrion);
    for (const auto& mensaje : resultado.registros) {
        std::cout << mensaje.texto << '\n';
    }
    return resultado.correcto ? 0 : 1;
}

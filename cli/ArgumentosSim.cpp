#include "ArgumentosSim.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <limits>

namespace velmo {
namespace {

constexpr const char* kUso = "Uso: velmo-sim EJECUTABLE [opciones] (--help muestra las opciones)";

// A whole decimal integer in [minimo, maximo]; nothing else (no blanks, no sign for naturals).
std::optional<int> LeeEntero(const std::string& texto, int minimo, int maximo) {
    int valor = 0;
    const char* fin = texto.data() + texto.size();
    const auto [ptr, ec] = std::from_chars(texto.data(), fin, valor);
    if (texto.empty() || ec != std::errc{} || ptr != fin || valor < minimo || valor > maximo) {
        return std::nullopt;
    }
    return valor;
}

std::vector<std::string> PartePorComas(const std::string& texto) {
    std::vector<std::string> partes;
    std::string::size_type inicio = 0;
    while (true) {
        const auto coma = texto.find(',', inicio);
        partes.push_back(texto.substr(inicio, coma - inicio));
        if (coma == std::string::npos) {
            return partes;
        }
        inicio = coma + 1;
    }
}

AnalisisArgumentosSim Error(const std::string& motivo) {
    return {std::nullopt, 2, motivo + "\n" + kUso};
}

} // namespace

std::string NombreControl(TTipoControl control) {
    switch (control) {
    case tMicroprogramado:
        return "microprogramado";
    case tnormal:
        return "normal";
    case toptimizado:
        return "optimizado";
    case TVL1Modif:
        return "modificado";
    case TMicroprogramable:
        return "microprogramable";
    }
    return "normal";
}

AnalisisArgumentosSim AnalizaArgumentosSim(const std::vector<std::string>& args) {
    CLI::App app{"Simula un ejecutable de Velmo sin ventanas.", "velmo-sim"};
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina")->group("Opciones");
    app.allow_extras();
    app.option_defaults()->group("Opciones");
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPCIONES");
    app.get_formatter()->label("Positionals", "Argumentos");

    std::string ejecutable, control, microprograma, alu, ciclos, instrucciones, breakpoints;
    bool json = false;
    bool traza = false;
    app.add_option("EJECUTABLE", ejecutable, "Fichero .vlx que se abre como en el simulador")
        ->type_name("FICHERO");
    auto* optControl = app.add_option("--control", control,
                                      "Unidad de control de un ejecutable de versión 1: normal, optimizado o "
                                      "microprogramado (normal por defecto)")
                           ->type_name("TIPO");
    app.add_option("--microprograma", microprograma, "Versión 3: fichero .mpr con las 16 microinstrucciones")
        ->type_name("FICHERO");
    app.add_option("--alu", alu,
                   "Versión 3: opción elegida en cada grupo de la ALU (-1: ninguna; 0,0,0,0 por defecto)")
        ->type_name("C0,C1,C2,C3");
    auto* optCiclos = app.add_option("--ciclos", ciclos, "Ejecuta N ciclos")->type_name("N");
    auto* optInstrucciones =
        app.add_option("--instrucciones", instrucciones, "Ejecuta N instrucciones")->type_name("N");
    auto* optBreakpoint =
        app.add_option("--hasta-breakpoint", breakpoints,
                       "Pone puntos de ruptura en esas direcciones y ejecuta hasta uno de ellos")
            ->type_name("DIR[,DIR...]");
    app.add_flag("--json", json, "Escribe el estado final como un objeto JSON");
    app.add_flag("--traza", traza, "Escribe las líneas de traza en la salida de errores");
    std::string trazaCsv, vcd, esperado, maxCiclos, lote;
    bool comparar = false;
    app.add_option("--traza-csv", trazaCsv, "Escribe una línea CSV por ciclo en FICHERO")
        ->type_name("FICHERO");
    app.add_option("--vcd", vcd, "Escribe las señales de cada ciclo como Value Change Dump en FICHERO")
        ->type_name("FICHERO");
    app.add_option("--esperado", esperado,
                   "Compara el estado final con el de FICHERO.json (sale con 3 si difiere)")
        ->type_name("FICHERO");
    auto* optMax = app.add_option("--max-ciclos", maxCiclos,
                                  "Detiene cualquier ejecución al llegar a N ciclos (sale con 4)")
                       ->type_name("N");
    app.add_option("--lote", lote, "Ejecuta cada fuente o ejecutable de CARPETA (una línea JSON por fichero)")
        ->type_name("CARPETA");
    app.add_flag(
        "--comparar", comparar,
        "Versión 1: ejecuta con las unidades de control normal, optimizada y microprogramada y las compara");

    // CLI11 wants the arguments last to first.
    std::vector<std::string> invertidos(args.rbegin(), args.rend());
    try {
        app.parse(invertidos);
    } catch (const CLI::CallForHelp&) {
        return {std::nullopt, 0, app.help()};
    } catch (const CLI::ArgumentMismatch&) {
        return Error("Falta el valor de una opción, o se ha dado más de una vez.");
    } catch (const CLI::ParseError&) {
        return Error("Argumentos incorrectos.");
    }

    // "--" ends the options (a file name may then start with '-'); CLI11 keeps the mark among the leftovers.
    auto sobrantes = app.remaining();
    if (const auto marca = std::find(sobrantes.begin(), sobrantes.end(), "--"); marca != sobrantes.end()) {
        sobrantes.erase(marca);
    }
    if (!sobrantes.empty()) {
        return Error("Argumento no reconocido: " + sobrantes.front());
    }
    if (!lote.empty() && !ejecutable.empty()) {
        return Error("Con --lote no se da fichero ejecutable.");
    }
    if (ejecutable.empty() && lote.empty()) {
        return Error("Falta el fichero ejecutable.");
    }
    if (!lote.empty() && (comparar || !trazaCsv.empty() || !vcd.empty())) {
        return Error("--lote no se puede combinar con --comparar, --traza-csv ni --vcd.");
    }

    ArgumentosSim a;
    a.ejecutable = ejecutable;
    a.json = json;
    a.traza = traza;
    a.trazaCsv = trazaCsv;
    a.vcd = vcd;
    a.esperado = esperado;
    a.lote = lote;
    a.comparar = comparar;
    if (optMax->count() > 0) {
        a.maxCiclos = LeeEntero(maxCiclos, 0, std::numeric_limits<int>::max());
        if (!a.maxCiclos) {
            return Error("--max-ciclos necesita un número natural: \"" + maxCiclos + "\".");
        }
    }
    if (comparar && (optCiclos->count() > 0 || optBreakpoint->count() > 0 || !esperado.empty())) {
        return Error("--comparar sólo admite --instrucciones como cantidad, y no --esperado.");
    }

    if (optControl->count() > 0) {
        if (control == "normal") {
            a.control = tnormal;
        } else if (control == "optimizado") {
            a.control = toptimizado;
        } else if (control == "microprogramado") {
            a.control = tMicroprogramado;
        } else {
            return Error("Unidad de control desconocida: " + control +
                         " (debe ser normal, optimizado o microprogramado).");
        }
    }

    a.microprograma = microprograma;

    if (!alu.empty()) {
        // Groups '00' and '01' offer four operations, '10' and '11' three.
        constexpr std::array<int, 4> kOpciones{4, 4, 3, 3};
        const auto partes = PartePorComas(alu);
        if (partes.size() != 4) {
            return Error("--alu necesita cuatro valores separados por comas.");
        }
        for (std::size_t i = 0; i < 4; ++i) {
            const auto valor = LeeEntero(partes[i], -1, kOpciones[i] - 1);
            if (!valor) {
                return Error("Valor de --alu incorrecto en el grupo " + std::to_string(i) + ": \"" +
                             partes[i] + "\" (de -1 a " + std::to_string(kOpciones[i] - 1) + ").");
            }
            a.opcionesAlu[i] = *valor;
        }
    }

    const int modos = static_cast<int>(optCiclos->count() > 0) +
                      static_cast<int>(optInstrucciones->count() > 0) +
                      static_cast<int>(optBreakpoint->count() > 0);
    if (modos > 1) {
        return Error("Las opciones --ciclos, --instrucciones y --hasta-breakpoint no se pueden combinar.");
    }
    if (optCiclos->count() > 0 || optInstrucciones->count() > 0) {
        const bool porCiclos = optCiclos->count() > 0;
        const std::string& texto = porCiclos ? ciclos : instrucciones;
        const auto n = LeeEntero(texto, 0, std::numeric_limits<int>::max());
        if (!n) {
            return Error(std::string(porCiclos ? "--ciclos" : "--instrucciones") +
                         " necesita un número natural: \"" + texto + "\".");
        }
        a.modo = porCiclos ? ModoEjecucion::Ciclos : ModoEjecucion::Instrucciones;
        a.cantidad = *n;
    }
    if (optBreakpoint->count() > 0) {
        a.modo = ModoEjecucion::HastaBreakpoint;
        for (const auto& parte : PartePorComas(breakpoints)) {
            const auto dir = LeeEntero(parte, 0, 127);
            if (!dir) {
                return Error("Dirección de --hasta-breakpoint incorrecta: \"" + parte + "\" (de 0 a 127).");
            }
            a.breakpoints.push_back(*dir);
        }
    }
    return {a, 0, {}};
}

} // namespace velmo

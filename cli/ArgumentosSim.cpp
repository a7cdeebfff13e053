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

// The options as typed, before they are checked, and which of them were given.
struct Opciones {
    std::string ejecutable, control, microprograma, alu, ciclos, instrucciones, breakpoints;
    std::string trazaCsv, vcd, esperado, maxCiclos, lote;
    bool json = false;
    bool traza = false;
    bool comparar = false;
    CLI::Option* optControl = nullptr;
    CLI::Option* optCiclos = nullptr;
    CLI::Option* optInstrucciones = nullptr;
    CLI::Option* optBreakpoint = nullptr;
    CLI::Option* optMax = nullptr;

    static bool Dada(const CLI::Option* o) { return o->count() > 0; }
};

void Declara(CLI::App& app, Opciones& o) {
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina")->group("Opciones");
    app.allow_extras();
    app.option_defaults()->group("Opciones");
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPCIONES");
    app.get_formatter()->label("Positionals", "Argumentos");

    app.add_option("EJECUTABLE", o.ejecutable, "Fichero .vlx que se abre como en el simulador")
        ->type_name("FICHERO");
    o.optControl = app.add_option("--control", o.control,
                                  "Unidad de control de un ejecutable de versión 1: normal, optimizado o "
                                  "microprogramado (normal por defecto)")
                       ->type_name("TIPO");
    app.add_option("--microprograma", o.microprograma,
                   "Versión 3: fichero .mpr con las 16 microinstrucciones")
        ->type_name("FICHERO");
    app.add_option("--alu", o.alu,
                   "Versión 3: opción elegida en cada grupo de la ALU (-1: ninguna; 0,0,0,0 por defecto)")
        ->type_name("C0,C1,C2,C3");
    o.optCiclos = app.add_option("--ciclos", o.ciclos, "Ejecuta N ciclos")->type_name("N");
    o.optInstrucciones =
        app.add_option("--instrucciones", o.instrucciones, "Ejecuta N instrucciones")->type_name("N");
    o.optBreakpoint =
        app.add_option("--hasta-breakpoint", o.breakpoints,
                       "Pone puntos de ruptura en esas direcciones y ejecuta hasta uno de ellos")
            ->type_name("DIR[,DIR...]");
    app.add_flag("--json", o.json, "Escribe el estado final como un objeto JSON");
    app.add_flag("--traza", o.traza, "Escribe las líneas de traza en la salida de errores");
    app.add_option("--traza-csv", o.trazaCsv, "Escribe una línea CSV por ciclo en FICHERO")
        ->type_name("FICHERO");
    app.add_option("--vcd", o.vcd, "Escribe las señales de cada ciclo como Value Change Dump en FICHERO")
        ->type_name("FICHERO");
    app.add_option("--esperado", o.esperado,
                   "Compara el estado final con el de FICHERO.json (sale con 3 si difiere)")
        ->type_name("FICHERO");
    o.optMax = app.add_option("--max-ciclos", o.maxCiclos,
                              "Detiene cualquier ejecución al llegar a N ciclos (sale con 4)")
                   ->type_name("N");
    app.add_option("--lote", o.lote,
                   "Ejecuta cada fuente o ejecutable de CARPETA (una línea JSON por fichero)")
        ->type_name("CARPETA");
    app.add_flag(
        "--comparar", o.comparar,
        "Versión 1: ejecuta con las unidades de control normal, optimizada y microprogramada y las compara");
}

// Each reading below fills its part of `a` and returns why it cannot, or an empty text.

std::string LeeControl(const Opciones& o, ArgumentosSim& a) {
    if (!Opciones::Dada(o.optControl)) {
        return {};
    }
    if (o.control == "normal") {
        a.control = tnormal;
    } else if (o.control == "optimizado") {
        a.control = toptimizado;
    } else if (o.control == "microprogramado") {
        a.control = tMicroprogramado;
    } else {
        return "Unidad de control desconocida: " + o.control +
               " (debe ser normal, optimizado o microprogramado).";
    }
    return {};
}

std::string LeeAlu(const Opciones& o, ArgumentosSim& a) {
    if (o.alu.empty()) {
        return {};
    }
    // Groups '00' and '01' offer four operations, '10' and '11' three.
    constexpr std::array<int, 4> kOpciones{4, 4, 3, 3};
    const auto partes = PartePorComas(o.alu);
    if (partes.size() != 4) {
        return "--alu necesita cuatro valores separados por comas.";
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const auto valor = LeeEntero(partes[i], -1, kOpciones[i] - 1);
        if (!valor) {
            return "Valor de --alu incorrecto en el grupo " + std::to_string(i) + ": \"" + partes[i] +
                   "\" (de -1 a " + std::to_string(kOpciones[i] - 1) + ").";
        }
        a.opcionesAlu[i] = *valor;
    }
    return {};
}

std::string LeeModo(const Opciones& o, ArgumentosSim& a) {
    const bool porCiclos = Opciones::Dada(o.optCiclos);
    const bool porInstrucciones = Opciones::Dada(o.optInstrucciones);
    const bool hastaBreakpoint = Opciones::Dada(o.optBreakpoint);
    if (static_cast<int>(porCiclos) + static_cast<int>(porInstrucciones) + static_cast<int>(hastaBreakpoint) >
        1) {
        return "Las opciones --ciclos, --instrucciones y --hasta-breakpoint no se pueden combinar.";
    }
    if (porCiclos || porInstrucciones) {
        const std::string& texto = porCiclos ? o.ciclos : o.instrucciones;
        const auto n = LeeEntero(texto, 0, std::numeric_limits<int>::max());
        if (!n) {
            return std::string(porCiclos ? "--ciclos" : "--instrucciones") +
                   " necesita un número natural: \"" + texto + "\".";
        }
        a.modo = porCiclos ? ModoEjecucion::Ciclos : ModoEjecucion::Instrucciones;
        a.cantidad = *n;
    }
    if (hastaBreakpoint) {
        a.modo = ModoEjecucion::HastaBreakpoint;
        for (const auto& parte : PartePorComas(o.breakpoints)) {
            const auto dir = LeeEntero(parte, 0, 127);
            if (!dir) {
                return "Dirección de --hasta-breakpoint incorrecta: \"" + parte + "\" (de 0 a 127).";
            }
            a.breakpoints.push_back(*dir);
        }
    }
    return {};
}

// Which options cannot go together; an empty text when they can.
std::string Incompatibles(const Opciones& o) {
    if (!o.lote.empty() && !o.ejecutable.empty()) {
        return "Con --lote no se da fichero ejecutable.";
    }
    if (o.ejecutable.empty() && o.lote.empty()) {
        return "Falta el fichero ejecutable.";
    }
    if (!o.lote.empty() && (o.comparar || !o.trazaCsv.empty() || !o.vcd.empty())) {
        return "--lote no se puede combinar con --comparar, --traza-csv ni --vcd.";
    }
    return {};
}

AnalisisArgumentosSim Interpreta(const Opciones& o) {
    if (const auto motivo = Incompatibles(o); !motivo.empty()) {
        return Error(motivo);
    }
    ArgumentosSim a;
    a.ejecutable = o.ejecutable;
    a.json = o.json;
    a.traza = o.traza;
    a.trazaCsv = o.trazaCsv;
    a.vcd = o.vcd;
    a.esperado = o.esperado;
    a.lote = o.lote;
    a.comparar = o.comparar;
    a.microprograma = o.microprograma;
    if (Opciones::Dada(o.optMax)) {
        a.maxCiclos = LeeEntero(o.maxCiclos, 0, std::numeric_limits<int>::max());
        if (!a.maxCiclos) {
            return Error("--max-ciclos necesita un número natural: \"" + o.maxCiclos + "\".");
        }
    }
    if (o.comparar &&
        (Opciones::Dada(o.optCiclos) || Opciones::Dada(o.optBreakpoint) || !o.esperado.empty())) {
        return Error("--comparar sólo admite --instrucciones como cantidad, y no --esperado.");
    }
    for (const auto lectura : {&LeeControl, &LeeAlu, &LeeModo}) {
        if (const auto motivo = lectura(o, a); !motivo.empty()) {
            return Error(motivo);
        }
    }
    return {a, 0, {}};
}

} // namespace

AnalisisArgumentosSim AnalizaArgumentosSim(const std::vector<std::string>& args) {
    CLI::App app{"Simula un ejecutable de Velmo sin ventanas.", "velmo-sim"};
    Opciones o;
    Declara(app, o);
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
    return Interpreta(o);
}

} // namespace velmo

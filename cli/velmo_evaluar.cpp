// velmo-evaluar: grades students' submissions against an exercise with test cases, several at once, and
// writes the results for people (a table), gradebooks (CSV), course platforms (JUnit XML) and scripts (JSON).

#include "EscrituraSegura.h"
#include "Evaluacion.h"
#include "InformesEvaluacion.h"
#include "LecturaAcotada.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;
using namespace velmo;

namespace {

// An exercise is a few kilobytes; anything past this is not one.
constexpr std::size_t kLimiteEjercicio = 1024 * 1024;
// An executable is 7740 bytes, a microprogram 374: a little room for files with something after them.
constexpr std::size_t kLimiteBinario = 64 * 1024;

bool EsFuente(const fs::path& p) {
    return p.extension() == ".asm" || p.extension() == ".s";
}

/// Reads one file of a submission into `destino`; false with `error` set when it cannot be used.
bool Lee(const fs::path& ruta, std::size_t limite, std::optional<std::string>& destino, std::string& error) {
    auto lectura = LeeFicheroAcotado(ruta, limite);
    if (lectura.estado != EstadoLecturaAcotada::Correcto) {
        error = TextoFalloLectura(lectura.estado, ruta.string(), limite);
        return false;
    }
    destino = std::move(lectura.bytes);
    return true;
}

/// A submission as given: a source, an executable, or a folder holding one of them (and its microprogram).
ResultadoEntrega EvaluaRuta(const Ejercicio& ejercicio, const std::string& argumento) {
    Entrega entrega;
    // "entregas/ana/" and "entregas/ana" are the same submission: reports name it without the separator.
    entrega.nombre = argumento;
    while (entrega.nombre.size() > 1 && entrega.nombre.back() == '/') {
        entrega.nombre.pop_back();
    }
    std::error_code ec;
    fs::path programa = argumento;
    if (fs::is_directory(programa, ec)) {
        std::vector<fs::path> fuentes, ejecutables;
        for (const auto& e : fs::directory_iterator(programa, ec)) {
            if (EsFuente(e.path())) {
                fuentes.push_back(e.path());
            } else if (e.path().extension() == ".vlx") {
                ejecutables.push_back(e.path());
            }
        }
        // A folder may keep the executable assembled from its source: the source is what is graded.
        const auto& elegidos = fuentes.empty() ? ejecutables : fuentes;
        if (elegidos.size() != 1) {
            return EntregaIlegible(ejercicio, entrega.nombre,
                                   elegidos.empty()
                                       ? "la carpeta no tiene ningún fuente (.asm, .s) ni ejecutable (.vlx)"
                                       : "la carpeta tiene más de un programa");
        }
        programa = elegidos.front();
    } else if (!fs::exists(programa, ec)) {
        return EntregaIlegible(ejercicio, entrega.nombre, "no existe");
    }

    entrega.programa = programa.string();
    std::string error;
    if (!Lee(programa, programa.extension() == ".vlx" ? kLimiteBinario : kLimiteFuente,
             programa.extension() == ".vlx" ? entrega.ejecutable : entrega.fuente, error)) {
        return EntregaIlegible(ejercicio, entrega.nombre, error);
    }
    if (ejercicio.MicroprogramaDelAlumno()) {
        fs::path mpr = programa;
        mpr.replace_extension(".mpr");
        if (!fs::exists(mpr, ec)) {
            return EntregaIlegible(ejercicio, entrega.nombre,
                                   "falta el microprograma " + mpr.filename().string());
        }
        if (!Lee(mpr, kLimiteBinario, entrega.microprograma, error)) {
            return EntregaIlegible(ejercicio, entrega.nombre, error);
        }
    }
    return EvaluaEntrega(ejercicio, entrega);
}

/// Fields naming a word that no submission run has: a fault of the exercise, not of the students.
std::vector<std::string> NombresDeNadie(const std::vector<ResultadoEntrega>& resultados) {
    std::map<std::string, std::size_t> faltas;
    std::size_t ejecutadas = 0;
    for (const auto& r : resultados) {
        if (r.estado != EstadoEntrega::Evaluada) {
            continue;
        }
        bool resuelta = false;
        for (const auto& c : r.casos) {
            resuelta = resuelta || c.nombresResueltos;
            for (const auto& campo : c.nombresDesconocidos) {
                ++faltas[campo];
            }
        }
        ejecutadas += resuelta ? 1 : 0;
    }
    std::vector<std::string> campos;
    for (const auto& [campo, cuantas] : faltas) {
        if (ejecutadas > 0 && cuantas == ejecutadas) {
            campos.push_back(campo);
        }
    }
    return campos;
}

bool Guarda(const std::string& ruta, const std::string& texto) {
    const FalloEscritura fallo = GuardaFicheroSeguro(ruta, texto);
    if (fallo != FalloEscritura::Ninguno) {
        std::cerr << "velmo-evaluar: " << TextoFalloEscritura(fallo, ruta) << '\n';
        return false;
    }
    return true;
}

// What the teacher asked for on the command line.
struct Peticion {
    std::string rutaEjercicio, csv, junit;
    std::vector<std::string> rutasEntregas;
    bool json = false;
    unsigned hilos = 0;
};

// The command line read into `p`; an exit status when the run ends here (help shown, arguments wrong).
std::optional<int> AnalizaArgumentos(int argc, char** argv, Peticion& p) {
    CLI::App app{"Evalúa entregas de Velmo con los casos de prueba de un ejercicio.", "velmo-evaluar"};
    app.set_help_flag("-h,--help", "Muestra esta ayuda y termina")->group("Opciones");
    app.option_defaults()->group("Opciones");
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPCIONES");
    app.get_formatter()->label("Positionals", "Argumentos");
    app.add_option("EJERCICIO", p.rutaEjercicio, "Fichero JSON del ejercicio con sus casos")
        ->type_name("EJERCICIO.json")
        ->required();
    app.add_option("ENTREGA", p.rutasEntregas,
                   "Fuente (.asm, .s), ejecutable (.vlx) o carpeta con el trabajo de un alumno")
        ->type_name("ENTREGA")
        ->required();
    app.add_option("-j", p.hilos, "Entregas evaluadas a la vez (por omisión, tantas como núcleos)")
        ->type_name("N")
        ->check(CLI::Range(1u, 256u));
    app.add_option("--csv", p.csv, "Escribe una fila por entrega y caso, y los totales, en FICHERO")
        ->type_name("FICHERO");
    app.add_option("--junit", p.junit, "Escribe un informe JUnit XML en FICHERO")->type_name("FICHERO");
    app.add_flag("--json", p.json,
                 "Escribe una línea JSON por entrega en la salida estándar, en vez de la tabla");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr
            << "velmo-evaluar: argumentos incorrectos: " << e.what() << '\n'
            << "Uso: velmo-evaluar EJERCICIO.json ENTREGA... [-j N] [--csv F] [--junit F.xml] [--json]\n";
        return 2;
    }
    return std::nullopt;
}

// A report written over the exercise, a submission or the other report would destroy it.
bool SalidasAparte(const Peticion& p) {
    const auto mismo = [](const std::string& a, const std::string& b) {
        std::error_code ea, eb;
        const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
        const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
        return !ea && !eb && ca == cb;
    };
    std::vector<std::string> entradas = p.rutasEntregas;
    entradas.push_back(p.rutaEjercicio);
    for (const std::string* salida : {&p.csv, &p.junit}) {
        for (const auto& entrada : entradas) {
            if (!salida->empty() && mismo(*salida, entrada)) {
                std::cerr << "velmo-evaluar: el fichero de salida " << *salida << " es también una entrada\n";
                return false;
            }
        }
    }
    if (!p.csv.empty() && !p.junit.empty() && mismo(p.csv, p.junit)) {
        std::cerr << "velmo-evaluar: --csv y --junit no pueden ser el mismo fichero\n";
        return false;
    }
    return true;
}

// Submissions are independent: each worker takes the next one until none is left.
std::vector<ResultadoEntrega> EvaluaEnParalelo(const Ejercicio& ejercicio,
                                               const std::vector<std::string>& rutas, unsigned hilos) {
    std::vector<ResultadoEntrega> resultados(rutas.size());
    std::atomic<std::size_t> siguiente{0};
    const auto trabaja = [&] {
        for (std::size_t i = siguiente++; i < rutas.size(); i = siguiente++) {
            try {
                resultados[i] = EvaluaRuta(ejercicio, rutas[i]);
            } catch (const std::exception& e) {
                resultados[i] = EntregaIlegible(ejercicio, rutas[i], e.what());
            }
        }
    };
    if (hilos == 0) {
        hilos = std::max(1u, std::thread::hardware_concurrency());
    }
    std::vector<std::thread> trabajadores;
    for (unsigned k = 1; k < std::min<std::size_t>(hilos, rutas.size()); ++k) {
        try {
            trabajadores.emplace_back(trabaja);
        } catch (const std::system_error&) {
            break; // no more threads to be had (or none at all, as in a WebAssembly build): fewer workers
        }
    }
    trabaja();
    for (auto& t : trabajadores) {
        t.join();
    }
    return resultados;
}

// The table or the JSON lines on standard output, then the report files; false when one could not be saved.
bool EscribeInformes(const Peticion& p, const Ejercicio& ejercicio,
                     const std::vector<ResultadoEntrega>& resultados) {
    if (p.json) {
        for (const auto& r : resultados) {
            std::cout << JsonEntrega(r) << '\n';
        }
    } else {
        std::cout << TablaEvaluacion(ejercicio, resultados);
    }
    std::cout.flush();
    bool escrito = true;
    if (!p.csv.empty()) {
        escrito = Guarda(p.csv, CsvEvaluacion(resultados)) && escrito;
    }
    if (!p.junit.empty()) {
        escrito = Guarda(p.junit, JUnitEvaluacion(ejercicio, resultados)) && escrito;
    }
    return escrito;
}

// 1 when a submission could not be graded, else 3 when a case failed, else 0.
int CodigoEvaluacion(const std::vector<ResultadoEntrega>& resultados) {
    int codigo = 0;
    for (const auto& r : resultados) {
        if (r.estado != EstadoEntrega::Evaluada) {
            codigo = 1;
        } else if (!r.TodoSuperado() && codigo == 0) {
            codigo = 3;
        }
    }
    return codigo;
}

} // namespace

int main(int argc, char** argv) {
    Peticion p;
    if (const auto salida = AnalizaArgumentos(argc, argv, p)) {
        return *salida;
    }
    if (!SalidasAparte(p)) {
        return 2;
    }
    const auto lectura = LeeFicheroAcotado(p.rutaEjercicio, kLimiteEjercicio);
    if (lectura.estado != EstadoLecturaAcotada::Correcto) {
        std::cerr << "velmo-evaluar: " << TextoFalloLectura(lectura.estado, p.rutaEjercicio, kLimiteEjercicio)
                  << '\n';
        return 2;
    }
    std::string error;
    const auto ejercicio = LeeEjercicio(lectura.bytes, error);
    if (!ejercicio) {
        std::cerr << "velmo-evaluar: ejercicio no válido en " << p.rutaEjercicio << ": " << error << '\n';
        return 2;
    }
    const auto resultados = EvaluaEnParalelo(*ejercicio, p.rutasEntregas, p.hilos);
    if (const auto campos = NombresDeNadie(resultados); !campos.empty()) {
        for (const auto& campo : campos) {
            std::cerr << "velmo-evaluar: ejercicio no válido en " << p.rutaEjercicio << ": " << campo
                      << ": ningún ejecutable entregado tiene una palabra con ese nombre\n";
        }
        return 2;
    }
    if (!EscribeInformes(p, *ejercicio, resultados)) {
        return 2;
    }
    return CodigoEvaluacion(resultados);
}

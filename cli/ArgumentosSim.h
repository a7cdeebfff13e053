#pragma once
// Command line of velmo-sim: what to open, how to answer the opening's questions and what to run.

#include "TiposMaquina.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

enum class ModoEjecucion { SoloApertura, Ciclos, Instrucciones, HastaBreakpoint };

struct ArgumentosSim {
    std::string ejecutable;
    TTipoControl control = tnormal;             // answer to the control-unit choice of a version-1 file
    std::string microprograma;                  // .mpr of a version-3 file; empty = the editor's initial one
    std::array<int, 4> opcionesAlu{0, 0, 0, 0}; // version 3: selected item of each ALU option group, -1 none
    ModoEjecucion modo = ModoEjecucion::SoloApertura;
    int cantidad = 0;             // cycles or instructions to run
    std::vector<int> breakpoints; // addresses for a breakpoint run, in the order given
    bool json = false;
    bool traza = false;
    // Extensions: recorded traces, autograding, batches and the control units side by side.
    std::string trazaCsv;         // one line per cycle
    std::string vcd;              // Value Change Dump
    std::string esperado;         // expected-state JSON file
    std::optional<int> maxCiclos; // bound on the cycles any run may take
    std::string lote;             // folder whose sources and executables are all run
    bool comparar = false;        // normal, optimized and microprogrammed side by side
};

/// Either the arguments, or what to print and the exit status (0 after --help, 2 after an error).
struct AnalisisArgumentosSim {
    std::optional<ArgumentosSim> argumentos;
    int codigoSalida = 0;
    std::string texto;
};

/// `args` excludes the program name. Error texts are short Spanish sentences ending in a usage hint.
AnalisisArgumentosSim AnalizaArgumentosSim(const std::vector<std::string>& args);


} // namespace velmo

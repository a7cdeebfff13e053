#pragma once
// One program as velmo-sim runs it, shared by the single run, the batch and the comparison: opened through
// the engine's session (from its file, or from an executable assembled in memory), run as the options ask,
// and its state picture taken with every box shown since the opening. Also velmo-sim's exit status, decided
// here only, from what the runs found.

#include "ArgumentosSim.h"
#include "FicheroMicroprograma.h"
#include "FotoEstado.h"
#include "TrazaCiclos.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

/// What a run of velmo-sim found; each part is noted where it is found and CodigoSalida ranks them.
struct Desenlace {
    bool entradaNoValida = false;   // wrong arguments, or a file that cannot be read or written
    bool ficheroIncorrecto = false; // a wrong or corrupt executable, a failed assembly or a failed cycle
    bool difiere = false;           // the state is not the expected one, or the control units disagree
    bool limite = false;            // --max-ciclos ended a run
};

/// 2, 1, 3, 4 in that order of precedence; 0 when nothing was found. A batch ends with the greatest status
/// of its programs.
int CodigoSalida(const Desenlace& d);

struct ProgramaSim {
    /// The executable's path, or the name that stands for it in the trace and the boxes.
    std::string nombre;
    /// The executable itself when it was assembled in memory; none: the file `nombre` is read.
    std::optional<std::string> bytes;
    TTipoControl control = tnormal;
    std::optional<Microprograma> microprograma;
};

struct EjecucionSim {
    Desenlace desenlace;
    /// None when no simulation could be opened (the reason is in the error stream).
    std::optional<FotoEstado> foto;
};

/// Called once the simulation has opened, before anything runs: it may add trace writers, and a false
/// stops there as a wrong argument (what could not be done is already written to the error stream).
using TrasAbrir = std::function<bool(std::vector<EscritorTraza*>& escritores)>;

/// Opens `programa`, then `trasAbrir`, and runs what `a` asks (mode, breakpoints, ALU options, cycle
/// bound). Trace lines (--traza) and what went wrong go to `errores`.
EjecucionSim EjecutaPrograma(const ArgumentosSim& a, const ProgramaSim& programa, std::ostream& errores,
                             const TrasAbrir& trasAbrir = {});

/// Reads a .mpr file into `mp`; false, with the reason written to `errores`, when it is not usable.
bool CargaMicroprograma(const std::string& ruta, std::optional<Microprograma>& mp, std::ostream& errores);

} // namespace velmo

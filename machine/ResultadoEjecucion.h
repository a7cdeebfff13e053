#pragma once
// What a run of the engine reports, as data: how it ended and how far it got. Every front end (the
// desktop's commands, velmo-sim, the browser) decides what to show or which exit status to give from this,
// never from the text of a box.

#include <cstdint>
#include <functional>
#include <string>

namespace velmo {

enum class FinEjecucion {
    Completada,            // everything asked was run
    Breakpoint,            // stopped on a row with a breakpoint
    InstruccionIncompleta, // an instruction did not complete within its cycle limit (the engine said so)
    LimiteCiclos,          // the cycle bound of the run was reached
    DetenidaPorUsuario,    // the every-50 question was answered No, or a stop was asked for
    SinBreakpoints,        // a run to a breakpoint with none set (the engine said so)
    NadaQueDeshacer,       // a step back with nothing older held
    Error,                 // a cycle failed ("Excepción: Reinicializando" was shown): reset the simulation
};

struct ResultadoEjecucion {
    FinEjecucion fin = FinEjecucion::Completada;
    std::int64_t ciclos = 0;        // cycles run (or undone) by this operation
    std::int64_t instrucciones = 0; // instructions completed (or undone) by this operation
    std::string error;              // what the failed cycle reported, for FinEjecucion::Error

    bool operator==(const ResultadoEjecucion&) const = default;
};

/// How a run may be bounded and followed. The defaults run unbounded and unobserved.
struct OpcionesEjecucion {
    /// The run ends with LimiteCiclos once it has run this many cycles; -1 for no bound. A run of N cycles
    /// checks it before each cycle; the instruction runs after each one.
    std::int64_t maxCiclos = -1;
    /// Called after every cycle of the run with the counts so far (a front end repaints or samples here).
    std::function<void(const ResultadoEjecucion&)> progreso;
};

} // namespace velmo

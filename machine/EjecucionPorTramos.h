#pragma once
// A run of the engine (N cycles, N instructions, up to a breakpoint) that can be advanced a slice of
// cycles at a time: a front end that must not block (a browser page animating a long run) calls Avanza
// again and again, and every rule of the run (the every-50 question, incomplete instructions, the
// breakpoint check and its 10000-instruction cap, the cycle bound, a stop) holds exactly as in one call.
// The engine's blocking runs are this run advanced without a slice bound.

#include "ResultadoEjecucion.h"

#include <cstdint>
#include <optional>

namespace velmo {

class TSimuladorVelmo;

enum class TipoEjecucion { Ciclos, Instrucciones, HastaBreakpoint };

class EjecucionPorTramos {
public:
    /// `n`: cycles or instructions to run (ignored up to a breakpoint). Nothing runs until Avanza.
    EjecucionPorTramos(TSimuladorVelmo& sim, TipoEjecucion tipo, std::int64_t n,
                       OpcionesEjecucion opciones = {});

    /// Runs at most `maxCiclos` more cycles (-1: no slice bound). Empty while the run goes on; its result
    /// once it has ended (and on every later call). A failed cycle ends it with FinEjecucion::Error.
    std::optional<ResultadoEjecucion> Avanza(std::int64_t maxCiclos = -1);
    bool Terminada() const { return terminada_; }
    /// The run ends with DetenidaPorUsuario after its current cycle, or at the next Avanza between slices.
    void Detener();

private:
    friend class TSimuladorVelmo;
    /// The desktop's single instruction and breakpoint commands: no stop, and a failed cycle's exception
    /// reaches the caller.
    static EjecucionPorTramos SinVigilancia(TSimuladorVelmo& sim, TipoEjecucion tipo, std::int64_t n);

    std::optional<FinEjecucion> Corre(std::int64_t maxCiclos);
    FinEjecucion Ciclo();
    std::optional<FinEjecucion> PasoDeInstruccion();

    TSimuladorVelmo& sim_;
    TipoEjecucion tipo_;
    std::int64_t n_;
    OpcionesEjecucion opciones_;
    bool vigilada_ = true;
    bool iniciada_ = false;
    bool terminada_ = false;
    std::int64_t hechas_ = 0;   // cycles (Ciclos) or instructions completed
    int ciclosInstruccion_ = 0; // cycles of the instruction under way
    ResultadoEjecucion resultado_;
};

} // namespace velmo

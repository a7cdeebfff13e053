#include "EjecucionPorTramos.h"

#include "objSimuladorVelmo.h"

#include <exception>
#include <utility>

namespace velmo {

namespace {

constexpr const char* kTitulo = "Velmo";
constexpr int kCiclosSinProgreso = 20;
// No instruction of the fixed control units takes more than 6 cycles. A word whose mnemonic and value
// disagree (only a hand-made file holds one) can leave the modified machine's control in a state it
// never leaves; the run must end instead of hanging the program.
constexpr int kCiclosSinProgresoFijo = 100;
constexpr std::int64_t kMaxInstruccionesBreakpoint = 10000;
constexpr std::int64_t kPreguntaCada = 50;
constexpr const char* kPreguntaSeguir = "Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?";

} // namespace

EjecucionPorTramos::EjecucionPorTramos(TSimuladorVelmo& sim, TipoEjecucion tipo, std::int64_t n,
                                       OpcionesEjecucion opciones)
    : sim_(sim), tipo_(tipo), n_(n), opciones_(std::move(opciones)) {}

EjecucionPorTramos EjecucionPorTramos::SinVigilancia(TSimuladorVelmo& sim, TipoEjecucion tipo,
                                                     std::int64_t n) {
    EjecucionPorTramos e(sim, tipo, n);
    e.vigilada_ = false;
    return e;
}

std::optional<ResultadoEjecucion> EjecucionPorTramos::Avanza(std::int64_t maxCiclos) {
    if (!terminada_) {
        std::optional<FinEjecucion> fin;
        try {
            fin = Corre(maxCiclos);
        } catch (const std::exception& e) {
            if (!vigilada_) {
                throw;
            }
            fin = FinEjecucion::Error;
            resultado_.error = e.what();
        } catch (...) {
            if (!vigilada_) {
                throw;
            }
            fin = FinEjecucion::Error;
            resultado_.error = "Excepción";
        }
        if (fin) {
            resultado_.fin = *fin;
            terminada_ = true;
        }
    }
    if (terminada_) {
        return resultado_;
    }
    return std::nullopt;
}

void EjecucionPorTramos::Detener() {
    if (!iniciada_) {
        // Nothing ran: the run ends as a stopped one without a cycle.
        iniciada_ = true;
        terminada_ = true;
        resultado_.fin = FinEjecucion::DetenidaPorUsuario;
        return;
    }
    sim_.Detener();
}

std::optional<FinEjecucion> EjecucionPorTramos::Corre(std::int64_t maxCiclos) {
    if (!iniciada_) {
        iniciada_ = true;
        sim_.detener_ = false;
        if (tipo_ != TipoEjecucion::Ciclos && opciones_.maxCiclos == 0) {
            return FinEjecucion::LimiteCiclos;
        }
        if (tipo_ == TipoEjecucion::HastaBreakpoint && !sim_.FrameMemoria().prHayBreakpoints()) {
            sim_.anfitrion_.MuestraMensaje(
                "No hay breakpoints definidos. Haga clic en la instruccion en la que quiere parar", kTitulo,
                IconoMensaje::Informacion);
            return FinEjecucion::SinBreakpoints;
        }
        if (tipo_ != TipoEjecucion::HastaBreakpoint && n_ <= 0) {
            return FinEjecucion::Completada;
        }
    } else if (vigilada_ && sim_.detener_) {
        return FinEjecucion::DetenidaPorUsuario; // stopped between two slices
    }
    for (std::int64_t tramo = 0; maxCiclos < 0 || tramo < maxCiclos; ++tramo) {
        if (tipo_ != TipoEjecucion::Ciclos) {
            if (const auto fin = PasoDeInstruccion()) {
                return fin;
            }
            continue;
        }
        if (hechas_ == opciones_.maxCiclos) {
            return FinEjecucion::LimiteCiclos;
        }
        const FinEjecucion fin = Ciclo();
        ++hechas_;
        // A stop asked during the last cycle does not change how a run of N cycles ends.
        if (hechas_ >= n_) {
            return FinEjecucion::Completada;
        }
        if (fin != FinEjecucion::Completada) {
            return fin;
        }
    }
    return std::nullopt;
}

FinEjecucion EjecucionPorTramos::Ciclo() {
    sim_.EjecutaCiclo();
    ++resultado_.ciclos;
    if (sim_.findeinstruccion_) {
        ++resultado_.instrucciones;
    }
    if (!vigilada_) {
        return FinEjecucion::Completada;
    }
    if (opciones_.progreso) {
        opciones_.progreso(resultado_);
    }
    // Instruction runs are bounded after the cycle, so the cycle that reaches the bound is run.
    if (tipo_ != TipoEjecucion::Ciclos && resultado_.ciclos == opciones_.maxCiclos) {
        return FinEjecucion::LimiteCiclos;
    }
    if (sim_.detener_) {
        return FinEjecucion::DetenidaPorUsuario;
    }
    return FinEjecucion::Completada;
}

std::optional<FinEjecucion> EjecucionPorTramos::PasoDeInstruccion() {
    if (ciclosInstruccion_ == 0) {
        sim_.findeinstruccion_ = false;
    }
    const FinEjecucion fin = Ciclo();
    ++ciclosInstruccion_;
    if (!sim_.findeinstruccion_) {
        if (fin != FinEjecucion::Completada) {
            return fin;
        }
        const bool configurable = sim_.TipoControl() == TMicroprogramable;
        if (ciclosInstruccion_ < (configurable ? kCiclosSinProgreso : kCiclosSinProgresoFijo)) {
            return std::nullopt;
        }
        sim_.anfitrion_.MuestraMensaje(configurable
                                           ? "Se han ejecutado 20 ciclos y no se ha completado ninguna "
                                             "instrucción. Revise el Microprograma"
                                           : "Se han ejecutado 100 ciclos y no se ha completado ninguna "
                                             "instrucción. Revise el programa",
                                       kTitulo, IconoMensaje::Aviso);
        return FinEjecucion::InstruccionIncompleta;
    }
    ciclosInstruccion_ = 0;
    if (fin != FinEjecucion::Completada) {
        return fin;
    }
    ++hechas_;
    if (tipo_ == TipoEjecucion::Instrucciones) {
        if (hechas_ >= n_) {
            return FinEjecucion::Completada;
        }
    } else if (sim_.FrameMemoria().Haybreakpointbyindex(sim_.FrameMemoria().prFilaActual())) {
        return FinEjecucion::Breakpoint;
    }
    if (hechas_ % kPreguntaCada == 0 && !sim_.anfitrion_.PreguntaSiNo(kPreguntaSeguir, kTitulo)) {
        return FinEjecucion::DetenidaPorUsuario;
    }
    if (tipo_ == TipoEjecucion::HastaBreakpoint && hechas_ >= kMaxInstruccionesBreakpoint) {
        return FinEjecucion::Completada;
    }
    return std::nullopt;
}

} // namespace velmo

// Speed of the simulation engine: cycles per second for each kind of control unit, with the trace off and
// on, running exactly what the desktop program runs (every window state updated and its listeners told
// after each cycle); cycles recorded as CSV and VCD; and a breakpoint run that ends at the
// 10000-instruction bound.

#include "AnfitrionSinVentanas.h"
#include "FicheroEjecutable.h"
#include "FicheroMicroprograma.h"
#include "TrazaCiclos.h"
#include "objSimuladorVelmo.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace velmo {
namespace {

// Trace text is built and written, then thrown away: the cost of the trace without a terminal's.
class SumideroTraza : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void PonPalabra(ImagenMemoria& m, int dir, const std::string& cop, int valor) {
    auto& r = m[static_cast<std::size_t>(dir)];
    r.cop = cop;
    r.Valor = static_cast<std::uint16_t>(valor);
}

std::string Escribe(const std::string& nombre, int version, const ImagenMemoria& palabras) {
    const auto ruta = (std::filesystem::temp_directory_path() / nombre).string();
    if (!GuardaFicheroEjecutable(ruta, CabeceraEjecutable(NombreVersion(version), nombre + ".txt"),
                                 palabras)) {
        throw std::runtime_error("no se puede escribir " + ruta);
    }
    return ruta;
}

// An endless loop of the plain machine: ADD 10,11; MOV 11,12; CMP 11,12; BEQ 0 (always taken).
const std::string& ProgramaVersion1() {
    static const std::string ruta = [] {
        auto m = ImagenLibre();
        PonPalabra(m, 0, "ADD", 10 * 128 + 11);
        PonPalabra(m, 1, "MOV", 2 * 16384 + 11 * 128 + 12);
        PonPalabra(m, 2, "CMP", 16384 + 11 * 128 + 12);
        PonPalabra(m, 3, "BEQ", 3 * 16384);
        PonPalabra(m, 10, "---", 5);
        PonPalabra(m, 11, "---", 7);
        return Escribe("velmo-bench-v1.vlx", 1, m);
    }();
    return ruta;
}

// The modified machine's own instructions in a loop: MOVD 300,20; ACUM 5,20; CLEAR 21; CMP 22,22; BEQ 0.
const std::string& ProgramaVersion2() {
    static const std::string ruta = [] {
        auto m = ImagenLibre();
        PonPalabra(m, 0, "MOVD", 0xE000 + 20);
        PonPalabra(m, 1, "---", 300);
        PonPalabra(m, 2, "ACUM", 0xF000 + 20);
        PonPalabra(m, 3, "---", 5);
        PonPalabra(m, 4, "CLEAR", 0xD000 + 21);
        PonPalabra(m, 5, "CMP", 16384 + 22 * 128 + 22);
        PonPalabra(m, 6, "BEQ", 3 * 16384);
        return Escribe("velmo-bench-v2.vlx", 2, m);
    }();
    return ruta;
}

// inst0 10,11 (M[11] <- M[11] + M[10]) then inst3 0,0 (jump to 0), under a microprogram that fetches at 0,
// decodes at 1 and sends inst2/inst3 to the jump at 5.
const std::string& ProgramaVersion3() {
    static const std::string ruta = [] {
        auto m = ImagenLibre();
        PonPalabra(m, 0, "0", 10 * 128 + 11);
        PonPalabra(m, 1, "3", 3 * 16384);
        PonPalabra(m, 10, "---", 1);
        return Escribe("velmo-bench-v3.vlx", 3, m);
    }();
    return ruta;
}

Microprograma MicroprogramaBucle() {
    Microprograma m{};
    for (auto& mi : m) {
        mi.Test = 3;
    }
    m[0] = {.MX10 = 0, .pPc = 1, .pIr = 1, .Test = 7};
    m[1] = {.MX10 = 2, .pB = 1, .Salto = 5, .Test = 5};
    m[2] = {.MX10 = 3, .pA = 1, .Test = 7};
    m[3] = {.MX10 = 3, .ALU10 = 0, .LorWmem = 1, .pFz = 1, .Salto = 0, .Test = 3};
    m[5] = {.MX10 = 3, .pPc = 1, .pIr = 1, .Salto = 1, .Test = 3};
    return m;
}

enum class Clase { Normal, Optimizado, Microprogramado, Modificado, Microprogramable };

// A host, an open simulation and a listener on every window state, as the desktop program has them.
struct Banco {
    SumideroTraza sumidero;
    std::ostream traza{&sumidero};
    AnfitrionSinVentanas anfitrion;
    std::unique_ptr<TSimuladorVelmo> sim;
    std::int64_t avisos = 0;

    Banco(Clase clase, bool conTraza) : anfitrion(conTraza ? &traza : nullptr) {
        std::string ruta = ProgramaVersion1();
        switch (clase) {
        case Clase::Normal:
            anfitrion.control = tnormal;
            break;
        case Clase::Optimizado:
            anfitrion.control = toptimizado;
            break;
        case Clase::Microprogramado:
            anfitrion.control = tMicroprogramado;
            break;
        case Clase::Modificado:
            ruta = ProgramaVersion2();
            break;
        case Clase::Microprogramable:
            ruta = ProgramaVersion3();
            anfitrion.microprograma = MicroprogramaBucle();
            break;
        }
        sim = std::make_unique<TSimuladorVelmo>(anfitrion, ruta);
        auto oyente = [this](Aviso) { ++avisos; };
        sim->FrameEstado().Avisos().Suscribe(oyente);
        sim->FrameUP().Avisos().Suscribe(oyente);
        sim->FrameUnidadDeControl().Avisos().Suscribe(oyente);
        sim->FrameRegistros().Avisos().Suscribe(oyente);
        sim->FrameMemoria().Avisos().Suscribe(oyente);
        sim->FrameCablesMEm().Avisos().Suscribe(oyente);
        sim->FrameCablesCtrl().Avisos().Suscribe(oyente);
    }
};

void Ciclos(benchmark::State& state, Clase clase, bool conTraza) {
    Banco banco(clase, conTraza);
    std::int64_t ciclos = 0;
    for (auto _ : state) {
        banco.sim->EjecutaCiclo();
        ++ciclos;
        // The cycle counter is 32 bits: start again long before it could wrap.
        if (banco.sim->NumCiclos() > 1'000'000'000) {
            state.PauseTiming();
            banco.sim = std::make_unique<TSimuladorVelmo>(banco.anfitrion, banco.sim->NomFichVelmo());
            state.ResumeTiming();
        }
    }
    if (!banco.anfitrion.Mensajes().empty()) {
        state.SkipWithError(banco.anfitrion.Mensajes().front().c_str());
    }
    state.counters["ciclos/s"] = benchmark::Counter(static_cast<double>(ciclos), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(banco.avisos);
}

// A cycle and its recorded sample, as velmo-sim --traza-csv or --vcd writes it (into a sink).
template <class Escritor> void CiclosGrabados(benchmark::State& state, Clase clase) {
    Banco banco(clase, false);
    Escritor escritor(banco.traza);
    std::int64_t ciclos = 0;
    for (auto _ : state) {
        banco.sim->EjecutaCiclo();
        escritor.Escribe(TomaMuestra(*banco.sim));
        ++ciclos;
        if (banco.sim->NumCiclos() > 1'000'000'000) {
            state.PauseTiming();
            banco.sim = std::make_unique<TSimuladorVelmo>(banco.anfitrion, banco.sim->NomFichVelmo());
            state.ResumeTiming();
        }
    }
    state.counters["ciclos/s"] = benchmark::Counter(static_cast<double>(ciclos), benchmark::Counter::kIsRate);
}

void CiclosCsv(benchmark::State& state, Clase clase) {
    CiclosGrabados<TrazaCsv>(state, clase);
}

void CiclosVcd(benchmark::State& state, Clase clase) {
    CiclosGrabados<TrazaVcd>(state, clase);
}

void HastaBreakpoint(benchmark::State& state, Clase clase) {
    std::int64_t ciclos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Banco banco(clase, false);
        // Row 100 is never reached: the run ends by itself.
        banco.sim->FrameMemoria().TablaMemoriaSelectCell(1, 100);
        const auto antes = banco.sim->NumCiclos();
        state.ResumeTiming();
        banco.sim->EjecutaHastaBreakpoint();
        state.PauseTiming();
        if (banco.sim->NumInst() != 10000) {
            state.SkipWithError("la ejecución no llegó a 10000 instrucciones");
        }
        ciclos += banco.sim->NumCiclos() - antes;
        state.ResumeTiming();
    }
    state.counters["ciclos/s"] = benchmark::Counter(static_cast<double>(ciclos), benchmark::Counter::kIsRate);
    state.counters["instrucciones"] = 10000;
}

BENCHMARK_CAPTURE(Ciclos, normal, Clase::Normal, false);
BENCHMARK_CAPTURE(Ciclos, optimizado, Clase::Optimizado, false);
BENCHMARK_CAPTURE(Ciclos, microprogramado, Clase::Microprogramado, false);
BENCHMARK_CAPTURE(Ciclos, modificado, Clase::Modificado, false);
BENCHMARK_CAPTURE(Ciclos, microprogramable, Clase::Microprogramable, false);
BENCHMARK_CAPTURE(Ciclos, normal_traza, Clase::Normal, true);
BENCHMARK_CAPTURE(Ciclos, optimizado_traza, Clase::Optimizado, true);
BENCHMARK_CAPTURE(Ciclos, microprogramado_traza, Clase::Microprogramado, true);
BENCHMARK_CAPTURE(Ciclos, modificado_traza, Clase::Modificado, true);
BENCHMARK_CAPTURE(Ciclos, microprogramable_traza, Clase::Microprogramable, true);
BENCHMARK_CAPTURE(CiclosCsv, normal, Clase::Normal);
BENCHMARK_CAPTURE(CiclosCsv, microprogramable, Clase::Microprogramable);
BENCHMARK_CAPTURE(CiclosVcd, normal, Clase::Normal);
BENCHMARK_CAPTURE(CiclosVcd, microprogramable, Clase::Microprogramable);
BENCHMARK_CAPTURE(HastaBreakpoint, normal, Clase::Normal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HastaBreakpoint, microprogramable, Clase::Microprogramable)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmo

BENCHMARK_MAIN();

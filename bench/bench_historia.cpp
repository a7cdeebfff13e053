// Cost of the simulation history: a cycle with and without it, taking and restoring one snapshot, the
// worst step back (a whole interval replayed), and the memory a million cycles take.

#include "AnfitrionSinVentanas.h"
#include "FicheroEjecutable.h"
#include "Historia.h"
#include "objSimuladorVelmo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace velmo {
namespace {

// An endless loop of the modified machine that writes memory every turn: MOVD, ACUM, ADD, CMP, BEQ 0.
const std::string& Programa() {
    static const std::string ruta = [] {
        auto m = ImagenLibre();
        const auto pon = [&m](int dir, const char* cop, int valor) {
            m[static_cast<std::size_t>(dir)].cop = cop;
            m[static_cast<std::size_t>(dir)].Valor = static_cast<std::uint16_t>(valor);
        };
        pon(0, "MOVD", 0xE000 + 20);
        pon(1, "---", 300);
        pon(2, "ACUM", 0xF000 + 21);
        pon(3, "---", 5);
        pon(4, "ADD", 20 * 128 + 22);
        pon(5, "CMP", 16384 + 22 * 128 + 22);
        pon(6, "BEQ", 3 * 16384);
        const auto r = (std::filesystem::temp_directory_path() / "velmo-bench-historia.vlx").string();
        if (!GuardaFicheroEjecutable(r, CabeceraEjecutable(NombreVersion(2), "x.txt"), m)) {
            throw std::runtime_error("no se puede escribir " + r);
        }
        return r;
    }();
    return ruta;
}

struct Banco {
    AnfitrionSinVentanas anfitrion;
    std::unique_ptr<TSimuladorVelmo> sim;
    Banco() { sim = std::make_unique<TSimuladorVelmo>(anfitrion, Programa()); }
};

void CicloSinHistoria(benchmark::State& state) {
    Banco b;
    for (auto _ : state) {
        b.sim->EjecutaCiclo();
    }
    state.SetItemsProcessed(state.iterations());
}

void CicloConHistoria(benchmark::State& state) {
    Banco b;
    Historia h(*b.sim, b.anfitrion);
    for (auto _ : state) {
        b.sim->EjecutaCiclo();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["intervalo"] = h.Intervalo();
}

// The snapshot the history keeps (values only), taken and put back.
void TomaInstantanea(benchmark::State& state) {
    Banco b;
    for (int i = 0; i < 1000; ++i) {
        b.sim->EjecutaCiclo();
    }
    for (auto _ : state) {
        auto foto = b.sim->TomaCompacta();
        benchmark::DoNotOptimize(foto);
    }
}

void RestauraInstantanea(benchmark::State& state) {
    Banco b;
    for (int i = 0; i < 1000; ++i) {
        b.sim->EjecutaCiclo();
    }
    const auto foto = b.sim->TomaCompacta();
    for (auto _ : state) {
        b.sim->RestauraCompacta(foto);
    }
}

// The worst single step back: the moment just before a snapshot, a whole interval replayed.
void PeorRetroceso(benchmark::State& state) {
    Banco b;
    Historia h(*b.sim, b.anfitrion);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < h.Intervalo(); ++i) {
            b.sim->EjecutaCiclo();
        }
        state.ResumeTiming();
        h.RetrocedeCiclo();
    }
    state.counters["intervalo"] = h.Intervalo();
}

void MemoriaUnMillon(benchmark::State& state) {
    for (auto _ : state) {
        Banco b;
        Historia h(*b.sim, b.anfitrion);
        for (int i = 0; i < 1'000'000; ++i) {
            b.sim->EjecutaCiclo();
        }
        state.counters["MiB"] = static_cast<double>(h.BytesOcupados()) / (1 << 20);
        state.counters["ciclos_atras"] = static_cast<double>(h.CiclosAtras());
        state.counters["bytes_foto"] = static_cast<double>(Historia::BytesInstantanea(b.sim->TomaCompacta()));
    }
}

BENCHMARK(CicloSinHistoria);
BENCHMARK(CicloConHistoria);
BENCHMARK(TomaInstantanea)->Unit(benchmark::kMicrosecond);
BENCHMARK(RestauraInstantanea)->Unit(benchmark::kMicrosecond);
BENCHMARK(PeorRetroceso)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoriaUnMillon)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace velmo

BENCHMARK_MAIN();

// Fuzzing target: an arbitrary .vlx opened by the simulation engine and run for up to 2000 cycles with
// each kind of control unit the user may choose (the version in the file decides which ones apply).

#include "AnfitrionSinVentanas.h"
#include "FicheroEjecutable.h"
#include "objSimuladorVelmo.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr int kCiclos = 2000;

void Simula(std::string_view bytes, velmo::TTipoControl control, const std::array<int, 4>& opcionesAlu) {
    velmo::AnfitrionSinVentanas anfitrion;
    anfitrion.control = control;
    anfitrion.opcionesAlu = opcionesAlu;
    std::unique_ptr<velmo::TSimuladorVelmo> sim;
    try {
        sim = std::make_unique<velmo::TSimuladorVelmo>(anfitrion, "f.vlx", std::string(bytes));
    } catch (const std::exception&) {
        return; // refused file or failed opening cycle: reported to the user, nothing to run
    }
    try {
        for (int i = 0; i < kCiclos; ++i) {
            sim->EjecutaCiclo();
        }
    } catch (const std::exception&) {
        // The engine has shown "Excepción: Reinicializando"; the main window would reset.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmo;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);

    // Bytes past the 129 records choose the configurable ALU's options (-1..3 per opcode).
    std::array<int, 4> opcionesAlu{0, 0, 0, 0};
    constexpr std::size_t kTamano = static_cast<std::size_t>(kRegistrosEjecutable) * kTamRegInst;
    for (std::size_t i = 0; i < opcionesAlu.size() && kTamano + i < tamano; ++i) {
        opcionesAlu[i] = static_cast<int>(datos[kTamano + i] % 5) - 1;
    }
    // Only the plain machine asks which control unit to build; the others have one each.
    if (LeeEjecutable(bytes).version != 0) {
        Simula(bytes, tnormal, opcionesAlu);
        return 0;
    }
    for (const TTipoControl control : {tnormal, toptimizado, tMicroprogramado}) {
        Simula(bytes, control, opcionesAlu);
    }
    return 0;
}

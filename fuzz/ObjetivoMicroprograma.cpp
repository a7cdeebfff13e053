// Fuzzing target: an arbitrary .mpr read as the microprogram editor reads it, then 200 cycles of the
// microprogrammable machine running a version-3 example under what was loaded.

#include "AnfitrionSinVentanas.h"
#include "FicheroMicroprograma.h"
#include "Montaje.h"
#include "objSimuladorVelmo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

constexpr int kCiclos = 200;

// The example is assembled once per process, in memory.
const std::string& EjecutableV3() {
    static const std::string bytes = [] {
        std::ifstream fuente(VELMO_EJEMPLOS "/multiplicacion_v3.asm", std::ios::binary);
        const std::string texto{std::istreambuf_iterator<char>(fuente), {}};
        velmo::AnfitrionSinVentanas anfitrion;
        const auto montaje = velmo::MontarEnMemoria(velmo::ConLineaFinal(texto), "v3.vlx", anfitrion);
        if (!montaje.correcto) {
            std::abort(); // without the example there is nothing to run the microprograms on
        }
        return montaje.ejecutable;
    }();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmo;
    const std::string& ejecutable = EjecutableV3();
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    const LecturaMicroprograma lectura = LeeMicroprograma(bytes);
    AnfitrionSinVentanas anfitrion;
    switch (lectura.estado) {
    case EstadoLecturaMpr::Correcto:
        anfitrion.microprograma = lectura.microprograma;
        break;
    case EstadoLecturaMpr::Incompleto:
        // The editor keeps the whole records it read over what it had.
        for (int i = 0; i < lectura.leidas; ++i) {
            anfitrion.microprograma[static_cast<std::size_t>(i)] =
                lectura.microprograma[static_cast<std::size_t>(i)];
        }
        break;
    case EstadoLecturaMpr::NoSePuedeAbrir:
    case EstadoLecturaMpr::CabeceraIlegible:
    case EstadoLecturaMpr::CabeceraIncorrecta:
    case EstadoLecturaMpr::FueraDeRango:
        return 0;
    }
    for (const auto& m : anfitrion.microprograma) {
        if (!MicroinstruccionValida(m)) {
            std::abort(); // the reader let through a field the machine has no meaning for
        }
    }

    // Bytes past the 17 records choose the configurable ALU's options (-1..3 per opcode).
    constexpr std::size_t kTamano = kRegistrosMpr * kTamRegistroMpr;
    for (std::size_t i = 0; i < anfitrion.opcionesAlu.size() && kTamano + i < tamano; ++i) {
        anfitrion.opcionesAlu[i] = static_cast<int>(datos[kTamano + i] % 5) - 1;
    }

    std::unique_ptr<TSimuladorVelmo> sim;
    try {
        sim = std::make_unique<TSimuladorVelmo>(anfitrion, "v3.vlx", ejecutable);
        for (int i = 0; i < kCiclos; ++i) {
            sim->EjecutaCiclo();
        }
    } catch (const std::exception&) {
        // Shown to the user as "Excepción: Reinicializando"; the main window resets.
    }
    return 0;
}

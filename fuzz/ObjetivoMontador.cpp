// Fuzzing target: the assembler on arbitrary source bytes, through the same assembly the workbench and
// velmo-montador run, with its executable and listing kept in memory.

#include "AnfitrionSinVentanas.h"
#include "CodificacionTexto.h"
#include "FicheroEjecutable.h"
#include "Montaje.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmo;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    AnfitrionSinVentanas anfitrion;
    const std::string texto = ConLineaFinal(TextoFuenteAUtf8(bytes));
    const MontajeEnMemoria resultado = MontarEnMemoria(texto, "f.vlx", anfitrion);

    // A successful assembly gives a whole executable that the simulator opens cleanly; a failed one
    // gives none.
    if (resultado.correcto != (LeeEjecutable(resultado.ejecutable).estado == EstadoLectura::Correcto)) {
        std::abort();
    }
    if (!resultado.correcto && !resultado.ejecutable.empty()) {
        std::abort();
    }
    if (resultado.mensajes.empty()) {
        std::abort();
    }
    return 0;
}

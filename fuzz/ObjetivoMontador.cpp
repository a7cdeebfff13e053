// Fuzzing target: the assembler on arbitrary source bytes, through the same assembling function the
// workbench and velmo-montador use, writing its executable and listing into a private folder.

#include "AnfitrionSinVentanas.h"
#include "CarpetaFuzz.h"
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
    const std::string ejecutable = fuzz::Carpeta().Ruta("f.vlx");

    // Each input starts with no executable: a failed assembly writes none, and removes nothing.
    std::remove(ejecutable.c_str());
    AnfitrionSinVentanas anfitrion;
    const std::string texto = ConLineaFinal(TextoFuenteAUtf8(bytes));
    const ResultadoMontaje resultado = Montar(texto, ejecutable, anfitrion);

    // A successful assembly leaves a whole executable that the simulator opens cleanly; a failed one
    // writes none.
    const LecturaEjecutable lectura = LeeFicheroEjecutable(ejecutable);
    if (resultado.correcto != (lectura.estado == EstadoLectura::Correcto)) {
        std::abort();
    }
    if (!resultado.correcto && lectura.estado != EstadoLectura::NoSePuedeAbrir) {
        std::abort();
    }
    if (resultado.mensajes.empty()) {
        std::abort();
    }
    return 0;
}

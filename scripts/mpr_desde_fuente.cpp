// Writes the .mpr microprogram that a version-3 example source describes in its comments.
//
// Built as build/tests/cli/mpr_desde_fuente:
//   build/tests/cli/mpr_desde_fuente examples/multiplicacion_v3.asm examples/multiplicacion_v3.mpr

#include "FicheroMicroprograma.h"
#include "TablaMicroprograma.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: mpr_desde_fuente FUENTE.asm SALIDA.mpr\n";
        return 2;
    }
    std::ifstream fuente(argv[1]);
    if (!fuente) {
        std::cerr << "No se puede abrir el fichero " << argv[1] << '\n';
        return 2;
    }
    const auto micro = velmo::pruebas::MicroprogramaDeComentarios(fuente);
    if (!micro) {
        std::cerr << "La fuente no describe las 16 microinstrucciones\n";
        return 1;
    }
    if (!velmo::GuardaFicheroMicroprograma(argv[2], *micro)) {
        std::cerr << velmo::kMensajeMprErrorFichero << '\n';
        return 1;
    }
    return 0;
}

#pragma once
// velmo-sim as the tests of the examples run it: in this process, or, when the tools under test are another
// build's (Herramientas.h), that build's program, whose output must be the same.

#include "CarpetaTemporal.h"
#include "EjecutaSim.h"
#include "Herramientas.h"

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace velmo::pruebas {

inline int EjecutaHerramientaSim(const std::vector<std::string>& argumentos, std::ostream& salida,
                                 std::ostream& errores) {
    if (CarpetaHerramientas().empty()) {
        return EjecutaVelmoSim(argumentos, salida, errores);
    }
    CarpetaTemporal carpeta;
    std::string orden = ComillasShell(Herramienta("velmo-sim", ""));
    for (const auto& a : argumentos) {
        orden += " " + ComillasShell(a);
    }
    const std::string out = carpeta.Ruta("salida.txt");
    const std::string err = carpeta.Ruta("errores.txt");
    const int estado = EjecutaOrden(orden + " > " + ComillasShell(out) + " 2> " + ComillasShell(err));
    salida << std::ifstream(out, std::ios::binary).rdbuf();
    errores << std::ifstream(err, std::ios::binary).rdbuf();
    return estado;
}

} // namespace velmo::pruebas

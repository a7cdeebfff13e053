// The version-3 examples: each source, assembled, runs under its own .mpr microprogram and leaves in
// memory what its comments announce; each .mpr still says what the source's table describes.

#include "CarpetaTemporal.h"
#include "EjecutaSim.h"
#include "FicheroMicroprograma.h"
#include "HerramientaSim.h"
#include "ProgramaPrueba.h"
#include "TablaMicroprograma.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace velmo {
namespace {

const std::string kEjemplos = VELMO_EJEMPLOS;

struct Ejemplo {
    std::string nombre;
    std::map<int, int> memoriaFinal; // address -> value the source's comments announce
};

class EjemplosV3 : public ::testing::TestWithParam<Ejemplo> {};

/// Assembles the example with velmo-montador and runs it with velmo-sim for `instrucciones` instructions.
nlohmann::json Ejecuta(const pruebas::CarpetaTemporal& carpeta, const std::string& nombre,
                       const std::string& instrucciones) {
    const std::string vlx = carpeta.Ruta(nombre + ".vlx");
    const std::string montaje =
        pruebas::ComillasShell(pruebas::Herramienta("velmo-montador", VELMO_MONTADOR)) + " '" + kEjemplos +
        "/" + nombre + ".asm' -o '" + vlx + "' > '" + carpeta.Ruta("montaje.txt") + "'";
    EXPECT_EQ(std::system(montaje.c_str()), 0) << "no se montó " << nombre;
    std::ostringstream salida, errores;
    EXPECT_EQ(pruebas::EjecutaHerramientaSim({vlx, "--microprograma", kEjemplos + "/" + nombre + ".mpr",
                                              "--alu", "0,0,0,0", "--instrucciones", instrucciones, "--json"},
                                             salida, errores),
              0)
        << errores.str();
    return nlohmann::json::parse(salida.str());
}

TEST_P(EjemplosV3, DejaEnMemoriaLoQueAnunciaSuFuente) {
    const Ejemplo& e = GetParam();
    pruebas::CarpetaTemporal carpeta;
    // Far more instructions than the program needs: it ends in a jump to itself.
    const auto j = Ejecuta(carpeta, e.nombre, "300");
    EXPECT_EQ(j["version"], 3);
    EXPECT_EQ(j["control"], "microprogramable");
    EXPECT_EQ(j["instrucciones"], 300) << "ninguna instrucción debe quedar sin completarse";
    EXPECT_TRUE(j["mensajes"].empty()) << j["mensajes"].dump();
    for (const auto& [direccion, valor] : e.memoriaFinal) {
        EXPECT_EQ(j["memoria"][static_cast<std::size_t>(direccion)], valor) << "dirección " << direccion;
    }
}

TEST_P(EjemplosV3, SuMicroprogramaEsElDeLaTablaDeLaFuente) {
    const Ejemplo& e = GetParam();
    std::ifstream fuente(kEjemplos + "/" + e.nombre + ".asm");
    const auto tabla = pruebas::MicroprogramaDeComentarios(fuente);
    ASSERT_TRUE(tabla.has_value()) << "la fuente no describe las 16 microinstrucciones";
    const auto fichero = LeeFicheroMicroprograma(kEjemplos + "/" + e.nombre + ".mpr");
    ASSERT_EQ(fichero.estado, EstadoLecturaMpr::Correcto);
    for (int i = 0; i < kMicroinstrucciones; ++i) {
        EXPECT_EQ(fichero.microprograma[static_cast<std::size_t>(i)], (*tabla)[static_cast<std::size_t>(i)])
            << "microinstrucción " << i;
    }
}

// The examples folder as a batch: each version-3 source runs under the .mpr beside it.
TEST_P(EjemplosV3, SuCarpetaComoLoteUsaSuMicroprograma) {
    const Ejemplo& e = GetParam();
    std::ostringstream salida, errores;
    EXPECT_EQ(pruebas::EjecutaHerramientaSim({"--lote", kEjemplos, "--instrucciones", "300"}, salida, errores), 0)
        << salida.str() << errores.str();
    std::istringstream lineas(salida.str());
    bool visto = false;
    for (std::string linea; std::getline(lineas, linea);) {
        const auto j = nlohmann::json::parse(linea);
        if (j["fichero"] != e.nombre + ".asm") {
            continue;
        }
        visto = true;
        EXPECT_EQ(j["informe"]["instrucciones"], 300) << linea;
        for (const auto& [direccion, valor] : e.memoriaFinal) {
            EXPECT_EQ(j["informe"]["memoria"][static_cast<std::size_t>(direccion)], valor) << direccion;
        }
    }
    EXPECT_TRUE(visto) << salida.str();
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, EjemplosV3,
    ::testing::Values(Ejemplo{"multiplicacion_v3", {{50, 7}, {51, 6}, {52, 42}, {53, 6}}},
                      Ejemplo{"suma_indirecta_v3", {{40, 4}, {44, 23}, {45, 45}, {47, 23}, {48, 66}}}),
    [](const auto& info) { return info.param.nombre; });

} // namespace
} // namespace velmo

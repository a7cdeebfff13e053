// The built program itself: exit status, and that everything written reaches stdout and stderr.

#include "CarpetaTemporal.h"
#include "EjecutaSim.h"
#include "Herramientas.h"
#include "ProgramaPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#ifndef _WIN32
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#endif

namespace velmo {
namespace {

std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

int Ejecuta(const std::string& argumentos, const std::string& salida, const std::string& errores) {
    const std::string orden = pruebas::ComillasShell(pruebas::Herramienta("velmo-sim", VELMO_SIM)) + " " +
                              argumentos + " > \"" + salida + "\" 2> \"" + errores + "\"";
    const int estado = std::system(orden.c_str());
#ifdef _WIN32
    return estado;
#else
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
#endif
}

TEST(BinarioVelmoSim, EscribeElInformeYTodaLaTrazaYDevuelveElCodigo) {
    pruebas::CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("p.vlx");
    pruebas::ProgramaPrueba p(1);
    p.Add(0, 10, 11).Mov(1, 11, 12).Dato(10, 5).Dato(11, 7);
    p.GuardaEn(vlx);
    const auto out = carpeta.Ruta("out.txt");
    const auto err = carpeta.Ruta("err.txt");

    ASSERT_EQ(Ejecuta("\"" + vlx + "\" --instrucciones 2 --json --traza", out, err), 0);
    const auto j = nlohmann::json::parse(Lee(out));
    EXPECT_EQ(j["ciclos"], 9);
    EXPECT_EQ(j["memoria"][12], 12);
    // The buffered trace arrives whole, exactly as the same run writes it in process.
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutaVelmoSim({vlx, "--instrucciones", "2", "--json", "--traza"}, salida, errores), 0);
    EXPECT_EQ(Lee(err), errores.str());
    EXPECT_EQ(Lee(out), salida.str());

    EXPECT_EQ(Ejecuta("\"" + carpeta.Ruta("no.vlx") + "\" --json", out, err), 2);
    EXPECT_TRUE(Lee(out).empty());
    EXPECT_NE(Lee(err).find("No se puede abrir"), std::string::npos);

    EXPECT_EQ(Ejecuta("--ciclos", out, err), 2);
}

#ifndef _WIN32
TEST(BinarioVelmoSim, UnLoteInterrumpidoNoDejaSuCarpetaTemporal) {
    pruebas::CarpetaTemporal carpeta;
    const auto lote = carpeta.Ruta("lote");
    const auto temporales = carpeta.Ruta("tmp");
    std::filesystem::create_directory(lote);
    std::filesystem::create_directory(temporales);
    // A program that never ends: the batch is still running when the signal comes.
    std::ofstream(lote + "/sin_fin.asm")
        << ".ver 1\n.data 10\ndw uno 1\n.code\nfin:\tcmp uno, uno\n\tbeq fin\n";
    for (const char* senal : {"INT", "TERM"}) {
        const std::string orden = std::string("TMPDIR='") + temporales + "' timeout -s " + senal +
                                  " 1 \"" VELMO_SIM "\" --lote '" + lote +
                                  "' --instrucciones 2000000000 > /dev/null 2>&1";
        const int estado = std::system(orden.c_str());
        ASSERT_TRUE(WIFEXITED(estado));
        EXPECT_EQ(WEXITSTATUS(estado), 124) << senal; // timeout had to stop it
        EXPECT_TRUE(std::filesystem::is_empty(temporales)) << senal;
    }
}
#endif

} // namespace
} // namespace velmo

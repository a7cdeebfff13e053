// The built program itself: exit status, and that everything written reaches stdout and stderr.

#include "EjecutaSim.h"
#include "Herramientas.h"
#include "ProgramasPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
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
    p.Guarda(vlx);
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

// The program sees the environment it is started with: a batch assembles under the TMPDIR given to it.
TEST(BinarioVelmoSim, ElLoteMontaBajoElTmpdirDelEntorno) {
    pruebas::CarpetaTemporal lote, temporal;
    lote.Escribe("p.asm", ".ver 1\n.data 20\ndw uno 1\n.code\nfin:\tcmp uno, uno\n\tbeq fin\n");
    const auto out = lote.Ruta("out.txt");
    const auto err = lote.Ruta("err.txt");
    ASSERT_EQ(setenv("TMPDIR", temporal.Raiz().c_str(), 1), 0);
    const int estado = Ejecuta("--lote \"" + lote.Raiz().string() + "\" --instrucciones 1", out, err);
    unsetenv("TMPDIR");
    ASSERT_EQ(estado, 0) << Lee(err);
    const auto j = nlohmann::json::parse(Lee(out));
    const std::string generado = j["mensajes_montaje"][1];
    EXPECT_EQ(generado.rfind("Generado el fichero: " + temporal.Raiz().string() + "/", 0), 0) << generado;
}

} // namespace
} // namespace velmo

#include "ArgumentosSim.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

ArgumentosSim Correctos(const std::vector<std::string>& args) {
    const auto r = AnalizaArgumentosSim(args);
    EXPECT_TRUE(r.argumentos.has_value()) << r.texto;
    return r.argumentos.value_or(ArgumentosSim{});
}

TEST(ArgumentosSim, SoloElFicheroDaLosValoresPorDefecto) {
    const auto a = Correctos({"prog.vlx"});
    EXPECT_EQ(a.ejecutable, "prog.vlx");
    EXPECT_EQ(a.control, tnormal);
    EXPECT_TRUE(a.microprograma.empty());
    EXPECT_EQ(a.opcionesAlu, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(a.modo, ModoEjecucion::SoloApertura);
    EXPECT_FALSE(a.json);
    EXPECT_FALSE(a.traza);
}

TEST(ArgumentosSim, LeeTodasLasOpciones) {
    auto a = Correctos({"--control", "optimizado", "p.vlx", "--json", "--traza", "--instrucciones", "120"});
    EXPECT_EQ(a.ejecutable, "p.vlx");
    EXPECT_EQ(a.control, toptimizado);
    EXPECT_TRUE(a.json);
    EXPECT_TRUE(a.traza);
    EXPECT_EQ(a.modo, ModoEjecucion::Instrucciones);
    EXPECT_EQ(a.cantidad, 120);

    a = Correctos({"p.vlx", "--control", "microprogramado", "--ciclos", "0"});
    EXPECT_EQ(a.control, tMicroprogramado);
    EXPECT_EQ(a.modo, ModoEjecucion::Ciclos);
    EXPECT_EQ(a.cantidad, 0);

    a = Correctos({"p.vlx", "--microprograma", "m.mpr", "--alu=-1,3,2,0"});
    EXPECT_EQ(a.microprograma, "m.mpr");
    EXPECT_EQ(a.opcionesAlu, (std::array<int, 4>{-1, 3, 2, 0}));

    // "--" ends the options: what follows is the file, even when it starts with '-'.
    a = Correctos({"--ciclos", "2", "--", "-p.vlx"});
    EXPECT_EQ(a.ejecutable, "-p.vlx");
    EXPECT_EQ(a.cantidad, 2);

    a = Correctos({"p.vlx", "--hasta-breakpoint", "7,0,127"});
    EXPECT_EQ(a.modo, ModoEjecucion::HastaBreakpoint);
    EXPECT_EQ(a.breakpoints, (std::vector<int>{7, 0, 127}));
}

TEST(ArgumentosSim, LosErroresTerminanConCodigo2YUnMensajeEnEspanol) {
    const std::vector<std::vector<std::string>> casos{
        {},
        {"--json"},
        {"p.vlx", "otro.vlx"},
        {"--", "p.vlx", "--ciclos", "2"},
        {"p.vlx", "--desconocida"},
        {"p.vlx", "--control", "rapido"},
        {"p.vlx", "--control"},
        {"p.vlx", "--ciclos", "3", "--instrucciones", "4"},
        {"p.vlx", "--ciclos", "3", "--hasta-breakpoint", "4"},
        {"p.vlx", "--ciclos", "tres"},
        {"p.vlx", "--ciclos", "3x"},
        {"p.vlx", "--ciclos=-1"},
        {"p.vlx", "--instrucciones", "99999999999"},
        {"p.vlx", "--hasta-breakpoint", "128"},
        {"p.vlx", "--hasta-breakpoint", "3,,4"},
        {"p.vlx", "--alu", "0,0,0"},
        {"p.vlx", "--alu", "0,0,3,0"}, // group '10' has three operations
        {"p.vlx", "--alu", "4,0,0,0"},
        {"p.vlx", "--alu=-2,0,0,0"},
    };
    for (const auto& args : casos) {
        const auto r = AnalizaArgumentosSim(args);
        std::string linea;
        for (const auto& a : args) {
            linea += a + " ";
        }
        EXPECT_FALSE(r.argumentos.has_value()) << linea;
        EXPECT_EQ(r.codigoSalida, 2) << linea;
        EXPECT_NE(r.texto.find("Uso: velmo-sim"), std::string::npos) << linea;
    }
    EXPECT_NE(AnalizaArgumentosSim({"p.vlx", "--control", "rapido"}).texto.find("rapido"), std::string::npos);
    EXPECT_NE(AnalizaArgumentosSim({"p.vlx", "--ciclos", "1", "--instrucciones", "1"}).texto.find("combinar"),
              std::string::npos);
}

TEST(ArgumentosSim, LaAyudaTerminaConCodigo0) {
    const auto r = AnalizaArgumentosSim({"--help"});
    EXPECT_FALSE(r.argumentos.has_value());
    EXPECT_EQ(r.codigoSalida, 0);
    EXPECT_NE(r.texto.find("--hasta-breakpoint"), std::string::npos);
}

} // namespace
} // namespace velmo

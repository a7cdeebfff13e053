#include "InformeSim.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace velmo {
namespace {

FotoEstado Ejemplo() {
    FotoEstado i;
    i.version = 2;
    i.control = TVL1Modif;
    i.ciclos = 12;
    i.instrucciones = 3;
    i.estado = 1;
    i.filaActual = 4;
    i.pc = 5;
    i.ir = 0xE005;
    i.a = 65535;
    i.b = 300;
    i.fz = 1;
    i.regAux = 9;
    i.memoria.resize(kPalabrasMemoria);
    i.memoria[0].valor = 0xE005;
    i.memoria[127].valor = 0xFFFF;
    i.mensajes = {"Fichero corrupto.\r\nSe aconseja cerrar", "otro"};
    return i;
}

TEST(InformeSim, ElJsonTieneLasClavesEnOrdenYLosValoresSinSigno) {
    const std::string texto = InformeJson(Ejemplo());
    EXPECT_EQ(texto.find('\n'), std::string::npos);
    const auto j = nlohmann::ordered_json::parse(texto);
    std::vector<std::string> claves;
    for (const auto& [clave, valor] : j.items()) {
        claves.push_back(clave);
    }
    EXPECT_EQ(claves, (std::vector<std::string>{"version", "control", "ciclos", "instrucciones", "estado",
                                                "fila_actual", "pc", "ir", "a", "b", "fz", "regaux",
                                                "memoria", "mensajes"}));
    EXPECT_EQ(j["version"], 2);
    EXPECT_EQ(j["control"], "modificado");
    EXPECT_EQ(j["ciclos"], 12);
    EXPECT_EQ(j["instrucciones"], 3);
    EXPECT_EQ(j["estado"], 1);
    EXPECT_EQ(j["fila_actual"], 4);
    EXPECT_EQ(j["pc"], 5);
    EXPECT_EQ(j["ir"], 0xE005);
    EXPECT_EQ(j["a"], 65535);
    EXPECT_EQ(j["b"], 300);
    EXPECT_EQ(j["fz"], 1);
    EXPECT_EQ(j["regaux"], 9);
    ASSERT_EQ(j["memoria"].size(), 128u);
    EXPECT_EQ(j["memoria"][0], 0xE005);
    EXPECT_EQ(j["memoria"][127], 65535);
    EXPECT_EQ(j["mensajes"][0], "Fichero corrupto.\r\nSe aconseja cerrar");
    EXPECT_EQ(j["mensajes"][1], "otro");
}

TEST(InformeSim, UnTextoQueNoEsUtf8NoRompeElJson) {
    FotoEstado i;
    i.mensajes = {std::string("fichero \xE9.vlx")};
    std::string texto;
    ASSERT_NO_THROW(texto = InformeJson(i));
    const auto j = nlohmann::json::parse(texto);
    EXPECT_EQ(j["mensajes"][0], "fichero \xEF\xBF\xBD.vlx");
}

TEST(InformeSim, ElResumenLegibleMuestraEstadoMemoriaYMensajes) {
    const std::string s = InformeLegible(Ejemplo(), "p.vlx");
    EXPECT_NE(s.find("Fichero: p.vlx\n"), std::string::npos);
    EXPECT_NE(s.find("Versión: 2    Control: modificado\n"), std::string::npos);
    EXPECT_NE(s.find("Ciclos: 12    Instrucciones: 3\n"), std::string::npos);
    EXPECT_NE(s.find("Estado: 1    Fila actual: 4\n"), std::string::npos);
    EXPECT_NE(s.find("PC=5  IR=E005h  A=65535  B=300  FZ=1  RegAux=9"), std::string::npos);
    EXPECT_NE(s.find("  0: E005 0000"), std::string::npos);
    EXPECT_NE(s.find("120: 0000 0000 0000 0000 0000 0000 0000 FFFF\n"), std::string::npos);
    // A box's CR LF becomes a new indented line; no CR reaches the summary.
    EXPECT_NE(s.find("  Fichero corrupto.\n  Se aconseja cerrar\n  otro\n"), std::string::npos);
    EXPECT_EQ(s.find('\r'), std::string::npos);
    EXPECT_NE(InformeLegible(FotoEstado{}, "x").find("Mensajes: ninguno"), std::string::npos);
}

} // namespace
} // namespace velmo

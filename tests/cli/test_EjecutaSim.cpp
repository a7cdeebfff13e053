#include "EjecutaSim.h"

#include "CarpetaTemporal.h"
#include "FicheroMicroprograma.h"
#include "ProgramaPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmo {
namespace {

using pruebas::CarpetaTemporal;
using pruebas::ProgramaPrueba;

const std::string kFicheroIncorrecto =
    "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";
const std::string kFicheroCorrupto =
    "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";

struct Resultado {
    int codigo = -1;
    std::string salida;
    std::string errores;
    nlohmann::json json;
};

Resultado Ejecuta(const std::vector<std::string>& args) {
    std::ostringstream salida, errores;
    Resultado r;
    r.codigo = EjecutaVelmoSim(args, salida, errores);
    r.salida = salida.str();
    r.errores = errores.str();
    const bool conJson = std::find(args.begin(), args.end(), "--json") != args.end();
    if (conJson && !r.salida.empty()) {
        r.json = nlohmann::json::parse(r.salida);
    }
    return r;
}

// A loop of the plain machine: M[11] += M[10]; M[12] = M[11]; FZ = (M[11] == M[12]); jump back to 0.
ProgramaPrueba Bucle() {
    ProgramaPrueba p(1);
    p.Add(0, 10, 11).Mov(1, 11, 12).Cmp(2, 11, 12).Beq(3, 0);
    p.Dato(10, 5).Dato(11, 7).Dato(12, 0);
    return p;
}

class VelmoSim : public ::testing::Test {
protected:
    CarpetaTemporal carpeta;
    std::string bucle = carpeta.Ruta("bucle.vlx");

    void SetUp() override { Bucle().GuardaEn(bucle); }
};

TEST_F(VelmoSim, TrasAbrirSoloSeHaLeidoLaPrimeraInstruccion) {
    const auto r = Ejecuta({bucle, "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const auto& j = r.json;
    EXPECT_EQ(j["version"], 1);
    EXPECT_EQ(j["control"], "normal");
    EXPECT_EQ(j["ciclos"], 0);
    EXPECT_EQ(j["instrucciones"], 0);
    EXPECT_EQ(j["fila_actual"], 0);
    EXPECT_EQ(j["estado"], 0);
    // The fetch decided loads that the windows show only from the next cycle on.
    EXPECT_EQ(j["pc"], 0);
    EXPECT_EQ(j["ir"], 0);
    EXPECT_EQ(j["regaux"], 0);
    ASSERT_EQ(j["memoria"].size(), 128u);
    EXPECT_EQ(j["memoria"][0], 10 * 128 + 11);
    EXPECT_EQ(j["memoria"][3], 3 * 16384);
    EXPECT_EQ(j["memoria"][11], 7);
    EXPECT_TRUE(j["mensajes"].empty());
    EXPECT_TRUE(r.errores.empty());
}

TEST_F(VelmoSim, InstruccionesCuentaCiclosYMuestraLosResultadosDecididos) {
    const auto r = Ejecuta({bucle, "--instrucciones", "2", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const auto& j = r.json;
    EXPECT_EQ(j["ciclos"], 9); // ADD: decode, 2, 6, 7, fetch; MOV: decode, 4, 10, fetch
    EXPECT_EQ(j["instrucciones"], 2);
    EXPECT_EQ(j["fila_actual"], 2);
    EXPECT_EQ(j["estado"], 0);
    EXPECT_EQ(j["pc"], 2);
    EXPECT_EQ(j["ir"], 2 * 16384 + 11 * 128 + 12);
    EXPECT_EQ(j["a"], 7);
    EXPECT_EQ(j["b"], 12);
    EXPECT_EQ(j["fz"], 0);
    EXPECT_EQ(j["memoria"][11], 12);
    EXPECT_EQ(j["memoria"][12], 12);
}

TEST_F(VelmoSim, CiclosSeDetieneAMitadDeInstruccion) {
    auto r = Ejecuta({bucle, "--ciclos", "4", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.json["ciclos"], 4);
    EXPECT_EQ(r.json["instrucciones"], 0);
    EXPECT_EQ(r.json["estado"], 7);
    EXPECT_EQ(r.json["a"], 7);
    EXPECT_EQ(r.json["b"], 5);
    // State 7 decided the write; it lands at the next clock edge.
    EXPECT_EQ(r.json["memoria"][11], 7);

    r = Ejecuta({bucle, "--ciclos", "5", "--json"});
    EXPECT_EQ(r.json["instrucciones"], 1);
    EXPECT_EQ(r.json["fila_actual"], 1);
    EXPECT_EQ(r.json["memoria"][11], 12);

    r = Ejecuta({bucle, "--ciclos", "0", "--json"});
    EXPECT_EQ(r.json["ciclos"], 0);
}

TEST_F(VelmoSim, CadaUnidadDeControlTardaLoSuyoEnUnAdd) {
    const std::vector<std::pair<std::string, int>> casos{
        {"normal", 5}, {"optimizado", 4}, {"microprogramado", 6}};
    for (const auto& [control, ciclos] : casos) {
        const auto r = Ejecuta({bucle, "--control", control, "--instrucciones", "1", "--json"});
        ASSERT_EQ(r.codigo, 0) << control << r.errores;
        EXPECT_EQ(r.json["control"], control);
        EXPECT_EQ(r.json["ciclos"], ciclos) << control;
        EXPECT_EQ(r.json["instrucciones"], 1) << control;
        EXPECT_EQ(r.json["memoria"][11], 12) << control;
    }
}

TEST_F(VelmoSim, HastaBreakpointParaAlVolverALaFila) {
    // The breakpoint on the current row 0 is seen only when the jump brings the program back to it.
    const auto r = Ejecuta({bucle, "--hasta-breakpoint", "0", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.json["instrucciones"], 4);
    EXPECT_EQ(r.json["ciclos"], 18);
    EXPECT_EQ(r.json["fila_actual"], 0);
    EXPECT_EQ(r.json["fz"], 1);
    EXPECT_TRUE(r.json["mensajes"].empty());

    const auto dos = Ejecuta({bucle, "--hasta-breakpoint", "2,3", "--json"});
    EXPECT_EQ(dos.json["instrucciones"], 2);
    EXPECT_EQ(dos.json["fila_actual"], 2);
}

TEST_F(VelmoSim, HastaBreakpointInalcanzableTerminaTrasDiezMilInstrucciones) {
    const auto r = Ejecuta({bucle, "--hasta-breakpoint", "50", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.json["instrucciones"], 10000);
    // After the first jump its target's decode ends the BEQ, so later loops take 17 cycles, not 18.
    EXPECT_EQ(r.json["ciclos"], 18 + 2499 * 17);
    EXPECT_EQ(r.json["memoria"][11], 7 + 2500 * 5);
    EXPECT_TRUE(r.json["mensajes"].empty()); // the every-50 questions are not boxes
}

TEST_F(VelmoSim, MaquinaModificadaEjecutaMovdAcumYClear) {
    ProgramaPrueba p(2);
    p.Movd(0, 300, 20).Acum(2, 5, 20).Clear(4, 21).Dato(21, 99);
    const auto ruta = carpeta.Ruta("modif.vlx");
    p.GuardaEn(ruta);
    // --control is meaningless here and must not change the machine.
    const auto r = Ejecuta({ruta, "--control", "microprogramado", "--instrucciones", "3", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const auto& j = r.json;
    EXPECT_EQ(j["version"], 2);
    EXPECT_EQ(j["control"], "modificado");
    EXPECT_EQ(j["ciclos"], 12); // MOVD: 1, 8, 9, fetch; ACUM: 1, 8, 10, 11, fetch; CLEAR: 1, 7, fetch
    EXPECT_EQ(j["instrucciones"], 3);
    EXPECT_EQ(j["fila_actual"], 5);
    EXPECT_EQ(j["memoria"][20], 305);
    EXPECT_EQ(j["memoria"][21], 0);
    EXPECT_EQ(j["memoria"][1], 300); // the constants stay where they were
    EXPECT_EQ(j["memoria"][3], 5);
}

// inst0 a, b: M[b] <- M[b] op00 M[a]; inst2/inst3 d: jump to d. Fetch at 0, decode at 1.
Microprograma MicroprogramaSuma() {
    Microprograma m{};
    for (auto& mi : m) {
        mi.Test = 3; // any unused row goes back to the fetch
    }
    m[0] = {.MX10 = 0, .pPc = 1, .pIr = 1, .Test = 7};
    m[1] = {.MX10 = 2, .pB = 1, .Salto = 5, .Test = 5}; // cop >> 1 == 1: inst2, inst3
    m[2] = {.MX10 = 3, .pA = 1, .Test = 7};
    m[3] = {.MX10 = 3, .ALU10 = 0, .LorWmem = 1, .pFz = 1, .Salto = 0, .Test = 3};
    m[5] = {.MX10 = 3, .pPc = 1, .pIr = 1, .Salto = 1, .Test = 3};
    return m;
}

TEST_F(VelmoSim, MaquinaMicroprogramableConMicroprogramaYAlu) {
    ProgramaPrueba p(3);
    p.InstK(0, 0, 10, 11).InstK(1, 3, 0, 0).Dato(10, 3).Dato(11, 7);
    const auto ruta = carpeta.Ruta("config.vlx");
    p.GuardaEn(ruta);
    const auto mpr = carpeta.Ruta("suma.mpr");
    ASSERT_TRUE(GuardaFicheroMicroprograma(mpr, MicroprogramaSuma()));

    auto r = Ejecuta({ruta, "--microprograma", mpr, "--instrucciones", "1", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.json["version"], 3);
    EXPECT_EQ(r.json["control"], "microprogramable");
    EXPECT_EQ(r.json["ciclos"], 4);
    EXPECT_EQ(r.json["memoria"][11], 10); // '+'
    EXPECT_TRUE(r.json["mensajes"].empty());

    r = Ejecuta({ruta, "--microprograma", mpr, "--alu", "1,0,0,0", "--instrucciones", "1", "--json"});
    EXPECT_EQ(r.json["memoria"][11], 21); // MUL

    // The jump of inst3 brings the program back to row 0.
    r = Ejecuta({ruta, "--microprograma", mpr, "--hasta-breakpoint", "0", "--json"});
    EXPECT_EQ(r.json["instrucciones"], 2);
    EXPECT_EQ(r.json["fila_actual"], 0);
}

TEST_F(VelmoSim, MicroprogramaQueNoAvanzaAvisaTrasVeinteCiclos) {
    ProgramaPrueba p(3);
    p.InstK(0, 0, 10, 11);
    const auto ruta = carpeta.Ruta("config.vlx");
    p.GuardaEn(ruta);
    Microprograma m = MicroprogramaSuma();
    m[3].Salto = 4; // never returns to the fetch
    m[4] = {.Salto = 4, .Test = 3};
    const auto mpr = carpeta.Ruta("atascado.mpr");
    ASSERT_TRUE(GuardaFicheroMicroprograma(mpr, m));
    const auto r = Ejecuta({ruta, "--microprograma", mpr, "--instrucciones", "5", "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.json["ciclos"], 20);
    EXPECT_EQ(r.json["instrucciones"], 0);
    ASSERT_EQ(r.json["mensajes"].size(), 1u);
    EXPECT_EQ(
        r.json["mensajes"][0],
        "Se han ejecutado 20 ciclos y no se ha completado ninguna instrucción. Revise el Microprograma");
}

TEST_F(VelmoSim, CabeceraDesconocidaDaCodigo1YElEstadoIgualmente) {
    ProgramaPrueba p(1);
    p.cabecera.cop = "VLM7";
    p.Add(0, 10, 11);
    const auto ruta = carpeta.Ruta("mala.vlx");
    p.GuardaEn(ruta);
    const auto r = Ejecuta({ruta, "--json"});
    EXPECT_EQ(r.codigo, 1);
    ASSERT_EQ(r.json["mensajes"].size(), 1u);
    EXPECT_EQ(r.json["mensajes"][0], kFicheroIncorrecto);
    EXPECT_EQ(r.json["ciclos"], 0);
    EXPECT_EQ(r.json["memoria"][0], 0); // no word is read after a wrong header
}

TEST_F(VelmoSim, FicheroCortadoDaCodigo1YConservaLoLeido) {
    ProgramaPrueba p(1);
    p.Add(0, 10, 11).Dato(10, 5).Dato(100, 9);
    const auto ruta = carpeta.Ruta("corto.vlx");
    p.GuardaEn(ruta);
    std::filesystem::resize_file(ruta, 60 * 50 + 17); // header, 49 words and part of the next
    const auto r = Ejecuta({ruta, "--json"});
    EXPECT_EQ(r.codigo, 1);
    ASSERT_EQ(r.json["mensajes"].size(), 1u);
    EXPECT_EQ(r.json["mensajes"][0], kFicheroCorrupto);
    EXPECT_EQ(r.json["memoria"][10], 5);
    EXPECT_EQ(r.json["memoria"][100], 0);
}

TEST_F(VelmoSim, FicheroInexistenteOArgumentosMalosDanCodigo2SinInforme) {
    const std::vector<std::vector<std::string>> casos{
        {carpeta.Ruta("no-existe.vlx"), "--json"},
        {carpeta.Ruta(""), "--json"}, // a folder
        {bucle, "--ciclos", "1", "--instrucciones", "1", "--json"},
        {bucle, "--control", "lento", "--json"},
        {bucle, "--microprograma", carpeta.Ruta("no-existe.mpr"), "--json"},
        {"--json"},
    };
    for (const auto& args : casos) {
        const auto r = Ejecuta(args);
        EXPECT_EQ(r.codigo, 2) << args[0];
        EXPECT_TRUE(r.salida.empty()) << args[0];
        EXPECT_FALSE(r.errores.empty()) << args[0];
    }
}

TEST_F(VelmoSim, MicroprogramaQueElEditorNoCargariaEnteroSeRechaza) {
    const auto corto = carpeta.Ruta("corto.mpr");
    ASSERT_TRUE(GuardaFicheroMicroprograma(corto, MicroprogramaSuma()));
    std::filesystem::resize_file(corto, 200); // microinstructions 8 to 15 missing
    const auto sinMagia = carpeta.Ruta("sinmagia.mpr");
    ASSERT_TRUE(GuardaFicheroMicroprograma(sinMagia, MicroprogramaSuma()));
    {
        std::fstream f(sinMagia, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(18);
        f.put(static_cast<char>(0xA5));
    }
    for (const auto& mpr : {corto, sinMagia}) {
        const auto r = Ejecuta({bucle, "--microprograma", mpr});
        EXPECT_EQ(r.codigo, 2) << mpr;
        EXPECT_TRUE(r.salida.empty());
        EXPECT_NE(r.errores.find("Fichero no válido (no se ha cargado)"), std::string::npos) << mpr;
    }
}

TEST_F(VelmoSim, TrazaALaSalidaDeErroresYResumenLegible) {
    const auto r = Ejecuta({bucle, "--traza", "--instrucciones", "1"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_NE(r.errores.find("ejecución del fichero: " + bucle), std::string::npos);
    EXPECT_NE(r.errores.find("IR Cop: 0\n"), std::string::npos);
    EXPECT_NE(r.errores.find("Control Cableado Normal: (Add) EJecución (ESTADO 7)"), std::string::npos);
    EXPECT_NE(r.salida.find("Ciclos: 5    Instrucciones: 1\n"), std::string::npos);
    EXPECT_NE(r.salida.find("Fichero: " + bucle), std::string::npos);

    const auto callado = Ejecuta({bucle, "--instrucciones", "1"});
    EXPECT_TRUE(callado.errores.empty());
}

} // namespace
} // namespace velmo

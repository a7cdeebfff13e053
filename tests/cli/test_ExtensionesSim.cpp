// velmo-sim's extensions: recorded traces (CSV and VCD), expected-state checks, the cycle bound, batches
// of a folder and the three control units side by side.

#include "CarpetaTemporal.h"
#include "EjecutaSim.h"
#include "ProgramaPrueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <sstream>

namespace velmo {
namespace {

using pruebas::CarpetaTemporal;
using pruebas::ProgramaPrueba;

struct Resultado {
    int codigo = -1;
    std::string salida;
    std::string errores;
};

Resultado Ejecuta(const std::vector<std::string>& args) {
    std::ostringstream salida, errores;
    Resultado r;
    r.codigo = EjecutaVelmoSim(args, salida, errores);
    r.salida = salida.str();
    r.errores = errores.str();
    return r;
}

std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Escribe(const std::string& ruta, const std::string& texto) {
    std::ofstream(ruta, std::ios::binary) << texto;
}

// ADD 10, 11 with 3 and 4: fetch, decode, read the source into B, the destination into A, add and write 7
// back to 11, then the next fetch. Checked by hand against the datapath column by column.
const char* const kCsvAdd =
    "ciclo,instrucciones,estado,wPmem,wSumPc,wPcMux,wPPcIn,wMuxoutSum,wMuxoutMem,wMemOutIr,wMoutB,wMoutA,"
    "wIrDMux3,wIRFMux2,wIrCO,wPIr,wPA,wPB,wAAlU,wBAlu,wFZOut,wPFZ,wAluZFZ,wAluOP,wAluOutMem,wMux10,wPmem_"
    "activa,wSumPc_activa,wPcMux_activa,wPPcIn_activa,wMuxoutSum_activa,wMuxoutMem_activa,wMemOutIr_activa,"
    "wMoutB_activa,wMoutA_activa,wIrDMux3_activa,wIRFMux2_activa,wIrCO_activa,wPIr_activa,wPA_activa,wPB_"
    "activa,wAAlU_activa,wBAlu_activa,wFZOut_activa,wPFZ_activa,wAluZFZ_activa,wAluOP_activa,wAluOutMem_"
    "activa,wMux10_activa,PC,IR,A,B,FZ,mem_dir,mem_entrada,mem_salida,mem_escritura,RegAux\n"
    "0,0,0,0,1,0,1,0,0,1291,1291,1291,0,0,0,1,0,0,0,0,0,0,1,0,0,0,0,1,1,1,1,1,1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,"
    "0,1,0,0,0,0,0,0,0,1291,0,0\n"
    "1,0,1,0,2,1,0,1,1,0,0,0,11,10,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,1,"
    "1291,0,0,0,1,0,0,0,0\n"
    "2,0,2,0,11,1,0,10,10,3,3,3,11,10,0,0,0,1,0,0,0,0,1,0,0,2,0,0,0,0,0,1,0,1,0,0,1,0,0,0,1,0,0,0,0,0,0,0,1,"
    "1,1291,0,0,0,10,0,3,0,0\n"
    "3,0,6,0,12,1,0,11,11,4,4,4,11,10,0,0,1,0,0,3,0,0,0,0,3,3,0,0,0,0,0,1,0,0,1,0,0,0,0,1,0,0,0,0,0,0,0,0,1,"
    "1,1291,0,3,0,11,3,4,0,0\n"
    "4,0,7,1,12,1,0,11,11,4,4,4,11,10,0,0,0,0,4,3,0,1,0,0,7,3,1,0,0,0,0,1,0,0,0,1,0,0,0,0,0,1,1,0,1,1,1,1,1,"
    "1,1291,4,3,0,11,7,4,1,0\n"
    "5,1,0,0,2,1,1,1,1,0,0,0,11,10,0,1,0,0,4,3,0,0,0,0,7,0,0,1,1,1,1,1,1,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,1,1,"
    "1291,4,3,0,1,7,0,0,0\n";

ProgramaPrueba ProgramaAdd() {
    ProgramaPrueba p(1);
    p.Add(0, 10, 11).Dato(10, 3).Dato(11, 4);
    return p;
}

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> l;
    std::istringstream s(texto);
    for (std::string linea; std::getline(s, linea);) {
        l.push_back(linea);
    }
    return l;
}

std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> c;
    std::istringstream s(linea);
    for (std::string campo; std::getline(s, campo, ',');) {
        c.push_back(campo);
    }
    return c;
}

// A small reader of the dump: the variables of the header, then the value of each at every time. It fails
// the test on a value written again unchanged after the first dump or wider than its variable.
struct Volcado {
    std::map<std::string, std::pair<std::string, int>> variables; // id -> name, width
    std::map<long, std::map<std::string, unsigned long>> valores; // time -> name -> value
};

Volcado LeeVcd(const std::string& texto) {
    Volcado v;
    std::istringstream s(texto);
    std::string palabra;
    bool cabecera = true;
    long tiempo = -1;
    bool volcadoInicial = false;
    std::map<std::string, unsigned long> actual;
    const auto pon = [&](const std::string& id, unsigned long valor) {
        const auto it = v.variables.find(id);
        EXPECT_NE(it, v.variables.end()) << "unknown id " << id;
        if (it == v.variables.end()) {
            return;
        }
        EXPECT_LT(valor, 1ul << it->second.second) << it->second.first;
        const auto anterior = actual.find(it->second.first);
        if (!volcadoInicial && anterior != actual.end()) {
            EXPECT_NE(anterior->second, valor) << it->second.first << " written unchanged at " << tiempo;
        }
        actual[it->second.first] = valor;
    };
    while (s >> palabra) {
        if (cabecera) {
            if (palabra == "$var") {
                std::string tipo, id, nombre, fin;
                int bits = 0;
                s >> tipo >> bits >> id >> nombre >> fin;
                EXPECT_EQ(tipo, "wire");
                EXPECT_EQ(fin, "$end");
                v.variables[id] = {nombre, bits};
            } else if (palabra == "$enddefinitions") {
                s >> palabra;
                cabecera = false;
            }
            continue;
        }
        if (palabra[0] == '#') {
            if (tiempo >= 0) {
                v.valores[tiempo] = actual;
            }
            const long nuevo = std::stol(palabra.substr(1));
            EXPECT_GT(nuevo, tiempo);
            tiempo = nuevo;
        } else if (palabra == "$dumpvars") {
            volcadoInicial = true;
        } else if (palabra == "$end") {
            volcadoInicial = false;
        } else if (palabra[0] == 'b') {
            std::string id;
            s >> id;
            pon(id, std::stoul(palabra.substr(1), nullptr, 2));
        } else {
            pon(palabra.substr(1), static_cast<unsigned long>(palabra[0] - '0'));
        }
    }
    if (tiempo >= 0) {
        v.valores[tiempo] = actual;
    }
    return v;
}

TEST(TrazasGrabadas, CsvAndVcdOfASmallProgramHoldTheHandCheckedValues) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("add.vlx");
    ProgramaAdd().GuardaEn(vlx);
    const auto csv = carpeta.Ruta("add.csv");
    const auto vcd = carpeta.Ruta("add.vcd");
    const auto r = Ejecuta({vlx, "--ciclos", "5", "--traza-csv", csv, "--vcd", vcd, "--json"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(Lee(csv), kCsvAdd);

    // The dump holds the same values as the CSV at every cycle, with the widths of the signals.
    const Volcado volcado = LeeVcd(Lee(vcd));
    const auto lineas = Lineas(kCsvAdd);
    const auto nombres = Campos(lineas[0]);
    ASSERT_EQ(volcado.variables.size(), nombres.size() - 1); // the cycle is the time
    ASSERT_EQ(volcado.valores.size(), lineas.size() - 1);
    for (std::size_t fila = 1; fila < lineas.size(); ++fila) {
        const auto campos = Campos(lineas[fila]);
        const long ciclo = std::stol(campos[0]);
        ASSERT_TRUE(volcado.valores.count(ciclo)) << ciclo;
        const auto& en = volcado.valores.at(ciclo);
        for (std::size_t c = 1; c < nombres.size(); ++c) {
            ASSERT_TRUE(en.count(nombres[c])) << nombres[c];
            EXPECT_EQ(en.at(nombres[c]), std::stoul(campos[c])) << nombres[c] << " at " << ciclo;
        }
    }
    std::map<std::string, int> anchos;
    for (const auto& [id, var] : volcado.variables) {
        anchos[var.first] = var.second;
    }
    EXPECT_EQ(anchos.at("wMemOutIr"), 16);
    EXPECT_EQ(anchos.at("wPIr"), 1);
    EXPECT_EQ(anchos.at("PC"), 7);
    EXPECT_EQ(anchos.at("mem_escritura"), 1);
    EXPECT_EQ(anchos.at("RegAux"), 7);
}

TEST(TrazasGrabadas, ATraceIsWrittenOnlyOnceTheRunOpensAndNeverOverAnInputOrTheOtherTrace) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("add.vlx");
    ProgramaAdd().GuardaEn(vlx);
    const std::string programa = Lee(vlx);
    const auto anterior = carpeta.Ruta("anterior.csv");
    Escribe(anterior, "de otra ejecución\n");
    std::filesystem::create_symlink("add.vlx", carpeta.Ruta("enlace.vlx"));
    const std::vector<std::vector<std::string>> rechazadas{
        {vlx, "--traza-csv", vlx},
        {vlx, "--vcd", carpeta.Ruta("./add.vlx")},
        {vlx, "--vcd", carpeta.Ruta("enlace.vlx")}, // a link leads to the executable
        {vlx, "--traza-csv", anterior, "--vcd", anterior},
        {vlx, "--traza-csv", carpeta.Ruta("nueva"), "--vcd", carpeta.Ruta("nueva")},
    };
    for (const auto& args : rechazadas) {
        const auto r = Ejecuta(args);
        EXPECT_EQ(r.codigo, 2) << args[2];
        EXPECT_FALSE(r.errores.empty()) << args[2];
    }
    EXPECT_EQ(Lee(vlx), programa);
    EXPECT_EQ(Lee(anterior), "de otra ejecución\n");
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta("nueva")));

    // A run that cannot open leaves an earlier trace as it was.
    auto r = Ejecuta({carpeta.Ruta("no-esta.vlx"), "--traza-csv", anterior});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(Lee(anterior), "de otra ejecución\n");

    r = Ejecuta({vlx, "--vcd", carpeta.Ruta("no/existe/t.vcd")});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.errores.find("No se puede crear"), std::string::npos);
}

TEST(EstadoEsperado, MatchesGiveZeroAndEveryDifferenceIsListedWithExitThree) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("add.vlx");
    ProgramaAdd().GuardaEn(vlx);
    const auto bueno = carpeta.Ruta("bueno.json");
    Escribe(bueno, R"({"instrucciones": 1, "memoria": {"11": 7, "10": 3}, "control": "normal"})");
    auto r = Ejecuta({vlx, "--instrucciones", "1", "--esperado", bueno});
    EXPECT_EQ(r.codigo, 0) << r.salida << r.errores;
    EXPECT_NE(r.salida.find("coincide con el esperado"), std::string::npos);

    const auto malo = carpeta.Ruta("malo.json");
    Escribe(malo, R"({"pc": 5, "memoria": {"11": 8, "12": 0}, "mensajes": []})");
    r = Ejecuta({vlx, "--instrucciones", "1", "--esperado", malo, "--json"});
    EXPECT_EQ(r.codigo, 3);
    EXPECT_NE(r.errores.find("difiere del esperado en 2 puntos"), std::string::npos) << r.errores;
    EXPECT_NE(r.errores.find("- pc: se esperaba 5 y es 1"), std::string::npos);
    EXPECT_NE(r.errores.find("- memoria[11]: se esperaba 8 y es 7"), std::string::npos);
    // stdout still holds just the report.
    EXPECT_FALSE(nlohmann::json::parse(r.salida, nullptr, false).is_discarded());

    // A full memory list compares every word.
    std::vector<int> palabras(128, 0);
    palabras[0] = 1291;
    palabras[10] = 3;
    palabras[11] = 7;
    Escribe(malo, nlohmann::json{{"memoria", palabras}}.dump());
    EXPECT_EQ(Ejecuta({vlx, "--instrucciones", "1", "--esperado", malo}).codigo, 0);
    palabras[127] = 1;
    Escribe(malo, nlohmann::json{{"memoria", palabras}}.dump());
    r = Ejecuta({vlx, "--instrucciones", "1", "--esperado", malo});
    EXPECT_EQ(r.codigo, 3);
    EXPECT_NE(r.salida.find("memoria[127]: se esperaba 1 y es 0"), std::string::npos);
}

TEST(EstadoEsperado, AnUnusableExpectedFileStopsBeforeRunning) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("add.vlx");
    ProgramaAdd().GuardaEn(vlx);
    const auto f = carpeta.Ruta("e.json");
    for (const char* texto :
         {R"({"pcc": 1})", R"({"pc": "1"})", R"({"memoria": {"128": 1}})", R"({"memoria": {"-1": 1}})",
          R"({"memoria": [1, 2]})", R"({"memoria": {"3": 70000}})", "[1]", "{no es json",
          // Values no run can reach are mistakes in the file, not differences.
          R"({"pc": 128})", R"({"fz": 2})", R"({"a": -5})", R"({"ir": 65536})", R"({"version": 4})",
          R"({"regaux": 128})", R"({"ciclos": 3000000000})", R"({"control": "rapido"})"}) {
        Escribe(f, texto);
        const auto r = Ejecuta({vlx, "--esperado", f});
        EXPECT_EQ(r.codigo, 2) << texto;
        EXPECT_TRUE(r.salida.empty()) << texto;
        EXPECT_FALSE(r.errores.empty()) << texto;
    }
    EXPECT_EQ(Ejecuta({vlx, "--esperado", carpeta.Ruta("no-esta.json")}).codigo, 2);
    // A file far larger than any expected state is refused without reading it all.
    std::filesystem::resize_file(f, 64 * 1024 * 1024);
    const auto r = Ejecuta({vlx, "--esperado", f});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.errores.find("demasiado grande"), std::string::npos) << r.errores;
}

TEST(LimiteDeCiclos, BoundsEveryKindOfRunAndExitsFour) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("bucle.vlx");
    ProgramaPrueba p(1);
    p.Cmp(0, 10, 10).Beq(1, 0).Dato(10, 1);
    p.GuardaEn(vlx);
    auto r = Ejecuta({vlx, "--instrucciones", "1000", "--max-ciclos", "50", "--json"});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_EQ(nlohmann::json::parse(r.salida)["ciclos"], 50);
    EXPECT_NE(r.errores.find("límite de 50 ciclos"), std::string::npos);

    r = Ejecuta({vlx, "--hasta-breakpoint", "100", "--max-ciclos", "30", "--json"});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_EQ(nlohmann::json::parse(r.salida)["ciclos"], 30);

    r = Ejecuta({vlx, "--ciclos", "40", "--max-ciclos", "30", "--json"});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_EQ(nlohmann::json::parse(r.salida)["ciclos"], 30);
    // A count within the bound is not cut.
    r = Ejecuta({vlx, "--ciclos", "30", "--max-ciclos", "30", "--json"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(nlohmann::json::parse(r.salida)["ciclos"], 30);

    EXPECT_EQ(Ejecuta({vlx, "--max-ciclos", "-1"}).codigo, 2);
}

TEST(Lote, EveryProgramOfAFolderGivesOneJsonLine) {
    CarpetaTemporal carpeta;
    const auto dir = carpeta.Ruta("");
    Escribe(carpeta.Ruta("a_bien.asm"), ".ver 1\n.data 10\ndw x 3\ndw y 4\n.code\n\tadd x, y\n");
    Escribe(carpeta.Ruta("a_bien.esperado.json"), R"({"memoria": {"11": 7}})");
    Escribe(carpeta.Ruta("b_mal.asm"), ".ver 1\n.code\n\tsuma x, y\n");
    ProgramaAdd().GuardaEn(carpeta.Ruta("c.vlx"));
    Escribe(carpeta.Ruta("c.esperado.json"), R"({"memoria": {"11": 9}})");
    Escribe(carpeta.Ruta("notas.txt"), "no es un programa");

    const auto r = Ejecuta({"--lote", dir, "--instrucciones", "1"});
    const auto lineas = Lineas(r.salida);
    ASSERT_EQ(lineas.size(), 3u) << r.salida << r.errores;
    const auto bien = nlohmann::json::parse(lineas[0]);
    EXPECT_EQ(bien["fichero"], "a_bien.asm");
    EXPECT_EQ(bien["montaje"], "correcto");
    EXPECT_EQ(bien["codigo"], 0);
    EXPECT_EQ(bien["informe"]["memoria"][11], 7);
    EXPECT_TRUE(bien["diferencias"].empty());
    const auto mal = nlohmann::json::parse(lineas[1]);
    EXPECT_EQ(mal["fichero"], "b_mal.asm");
    EXPECT_EQ(mal["montaje"], "error");
    EXPECT_EQ(mal["codigo"], 1);
    EXPECT_FALSE(mal["mensajes_montaje"].empty());
    EXPECT_FALSE(mal.contains("informe"));
    const auto c = nlohmann::json::parse(lineas[2]);
    EXPECT_EQ(c["fichero"], "c.vlx");
    EXPECT_EQ(c["codigo"], 3);
    ASSERT_EQ(c["diferencias"].size(), 1u);
    EXPECT_EQ(c["diferencias"][0], "memoria[11]: se esperaba 9 y es 7");
    // The worst file decides the exit status; the folder itself is left as it was.
    EXPECT_EQ(r.codigo, 3);
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta("a_bien.vlx")));

    EXPECT_EQ(Ejecuta({"--lote", carpeta.Ruta("no-esta")}).codigo, 2);
    EXPECT_EQ(Ejecuta({"x.vlx", "--lote", dir}).codigo, 2);
}

TEST(Lote, AFolderWithoutProgramsAnUnreadableSourceAndTheTemporaryFolderAreReported) {
    CarpetaTemporal carpeta;
    const auto dir = carpeta.Ruta("");
    Escribe(carpeta.Ruta("notas.txt"), "no es un programa");
    auto r = Ejecuta({"--lote", dir});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.salida.empty());
    EXPECT_NE(r.errores.find("no tiene ningún fichero"), std::string::npos) << r.errores;

    Escribe(carpeta.Ruta("a_grande.asm"), ".ver 1\n");
    std::filesystem::resize_file(carpeta.Ruta("a_grande.asm"), 17 * 1024 * 1024);
    Escribe(carpeta.Ruta("b_bien.asm"), ".ver 1\n.data 10\ndw x 3\n.code\n\tadd x, x\n");
    r = Ejecuta({"--lote", dir, "--instrucciones", "1", "--traza"});
    const auto lineas = Lineas(r.salida);
    ASSERT_EQ(lineas.size(), 2u) << r.salida << r.errores;
    const auto grande = nlohmann::json::parse(lineas[0]);
    EXPECT_EQ(grande["montaje"], "error");
    EXPECT_EQ(grande["codigo"], 2);
    EXPECT_NE(grande["errores"].get<std::string>().find("demasiado grande"), std::string::npos) << lineas[0];
    // The trace names the program it runs: the source, never the folder it was assembled in.
    const auto bien = nlohmann::json::parse(lineas[1]);
    EXPECT_EQ(bien["codigo"], 0);
    EXPECT_EQ(bien["informe"]["memoria"][10], 6);
    EXPECT_EQ(lineas[1].find("velmo-lote-"), std::string::npos) << lineas[1];
    EXPECT_NE(bien["errores"].get<std::string>().find("b_bien.asm"), std::string::npos) << lineas[1];
    EXPECT_EQ(r.codigo, 2);
}

TEST(Comparar, TheThreeControlUnitsRunTheSameInstructions) {
    CarpetaTemporal carpeta;
    const auto vlx = carpeta.Ruta("add.vlx");
    ProgramaPrueba p(1);
    p.Add(0, 10, 11).Mov(1, 11, 12).Cmp(2, 10, 10).Beq(3, 0).Dato(10, 3).Dato(11, 4);
    p.GuardaEn(vlx);
    const auto r = Ejecuta({vlx, "--comparar", "--instrucciones", "8", "--json"});
    const auto j = nlohmann::json::parse(r.salida);
    ASSERT_EQ(j["unidades"].size(), 3u);
    std::vector<std::string> nombres;
    for (const auto& u : j["unidades"]) {
        nombres.push_back(u["control"]);
        EXPECT_EQ(u["instrucciones"], 8);
        EXPECT_DOUBLE_EQ(u["cpi"].get<double>(), u["ciclos"].get<double>() / 8);
    }
    EXPECT_EQ(nombres, (std::vector<std::string>{"normal", "optimizado", "microprogramado"}));
    EXPECT_LT(j["unidades"][1]["ciclos"], j["unidades"][0]["ciclos"]);
    // The same program leaves the same PC, FZ and memory whatever the control unit; the leftovers in B
    // differ (the optimized unit reads the next operand early) and are listed without counting.
    EXPECT_TRUE(j["coinciden"]) << r.salida;
    EXPECT_EQ(r.codigo, 0);
    EXPECT_TRUE(j["direcciones_distintas"].empty());
    EXPECT_TRUE(j["registros_distintos"].empty());
    EXPECT_EQ(j["otros_registros_distintos"], nlohmann::json::array({"B"}));

    const auto texto = Ejecuta({vlx, "--comparar", "--instrucciones", "8"});
    EXPECT_NE(texto.salida.find("optimizado"), std::string::npos);
    EXPECT_NE(texto.salida.find("Ciclos/instrucción"), std::string::npos);

    ProgramaPrueba v2(2);
    v2.Add(0, 10, 11);
    v2.GuardaEn(carpeta.Ruta("v2.vlx"));
    const auto otra = Ejecuta({carpeta.Ruta("v2.vlx"), "--comparar"});
    EXPECT_EQ(otra.codigo, 2);
    EXPECT_NE(otra.errores.find("versión 1"), std::string::npos);

    // A wrong file says why, with the exit status of a wrong file.
    Escribe(carpeta.Ruta("mal.vlx"), std::string(300, 'x'));
    const auto mal = Ejecuta({carpeta.Ruta("mal.vlx"), "--comparar"});
    EXPECT_EQ(mal.codigo, 1);
    EXPECT_NE(mal.errores.find("Fichero incorrecto."), std::string::npos) << mal.errores;
}

} // namespace
} // namespace velmo

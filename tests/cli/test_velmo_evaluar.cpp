// velmo-evaluar as a teacher runs it: the example exercises score their correct and wrong submissions the
// same in the four reports, the JUnit report passes the schema, a submission that loops ends at its bound,
// bad exercise files stop everything with the field at fault, and a submission's own faults stay its own.

#include "CarpetaTemporal.h"
#include "Herramientas.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace velmo {
namespace {

namespace fs = std::filesystem;
const std::string kEjercicios = std::string(VELMO_EJEMPLOS) + "/ejercicios/";

std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Salida {
    int codigo = -1;
    std::string out, err;
};

Salida Evalua(const pruebas::CarpetaTemporal& carpeta, const std::string& argumentos) {
    const std::string out = carpeta.Ruta("salida.txt"), err = carpeta.Ruta("errores.txt");
    const std::string orden = pruebas::ComillasShell(pruebas::Herramienta("velmo-evaluar", VELMO_EVALUAR)) +
                              " " + argumentos + " > \"" + out + "\" 2> \"" + err + "\"";
    const int estado = std::system(orden.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Lee(out), Lee(err)};
}

std::string Citado(const std::string& ruta) {
    return "\"" + ruta + "\"";
}

struct Ejemplo {
    std::string ejercicio;
    double puntosIncorrecta;
    std::vector<std::string> casosFallidos; // of the wrong submission
    std::string casoLimite;                 // a case the wrong submission loops in, if any
};

class EjemplosEvaluados : public ::testing::TestWithParam<Ejemplo> {};

TEST_P(EjemplosEvaluados, PuntuanIgualEnLaTablaElCsvElJUnitYElJson) {
    const Ejemplo e = GetParam();
    pruebas::CarpetaTemporal carpeta;
    const std::string entregas = Citado(kEjercicios + e.ejercicio + "/correcta") + " " +
                                 Citado(kEjercicios + e.ejercicio + "/incorrecta");
    const std::string json = kEjercicios + e.ejercicio + ".json";
    const std::string csv = carpeta.Ruta("notas.csv"), xml = carpeta.Ruta("notas.xml");

    const Salida tabla = Evalua(carpeta, Citado(json) + " " + entregas + " --csv " + Citado(csv) +
                                             " --junit " + Citado(xml) + " -j 2");
    ASSERT_EQ(tabla.codigo, 3) << tabla.err;
    EXPECT_NE(tabla.out.find("/correcta: 10 de 10 puntos"), std::string::npos) << tabla.out;
    const std::string incorrecta =
        "/incorrecta: " + std::to_string(static_cast<int>(e.puntosIncorrecta)) + " de 10";
    EXPECT_NE(tabla.out.find(incorrecta), std::string::npos) << tabla.out;

    // CSV: the totals rows and a zero for exactly the failed cases.
    std::istringstream filas(Lee(csv));
    std::string fila;
    std::getline(filas, fila);
    EXPECT_EQ(fila, "entrega,caso,resultado,puntos,maximo,diferencias");
    std::map<std::string, std::string> totales;
    std::vector<std::string> fallidos;
    while (std::getline(filas, fila)) {
        const auto incorrectaEnFila = fila.find("/incorrecta,") != std::string::npos;
        if (fila.find(",(total),") != std::string::npos) {
            totales[incorrectaEnFila ? "incorrecta" : "correcta"] = fila.substr(fila.find(",(total),") + 9);
        } else if (fila.find(",0,") != std::string::npos) {
            EXPECT_TRUE(incorrectaEnFila) << fila;
            fallidos.push_back(
                fila.substr(fila.find(',') + 1, fila.find(',', fila.find(',') + 1) - fila.find(',') - 1));
        }
    }
    EXPECT_EQ(totales["correcta"], "correcto,10,10,");
    EXPECT_EQ(totales["incorrecta"],
              "fallo," + std::to_string(static_cast<int>(e.puntosIncorrecta)) + ",10,");
    EXPECT_EQ(fallidos, e.casosFallidos);

    // JUnit: valid against the schema shipped with the tests; one failure per failed case.
    const std::string junit = Lee(xml);
    const std::string validar =
        "xmllint --noout --schema \"" VELMO_ESQUEMA_JUNIT "\" " + Citado(xml) + " 2>/dev/null";
    EXPECT_EQ(std::system(validar.c_str()), 0) << junit;
    EXPECT_NE(junit.find("failures=\"" + std::to_string(e.casosFallidos.size()) + "\" errors=\"0\">"),
              std::string::npos)
        << junit;
    EXPECT_NE(junit.find("<property name=\"puntos\" value=\"" +
                         std::to_string(static_cast<int>(e.puntosIncorrecta)) + "\"/>"),
              std::string::npos);

    // JSON: one line per submission, in the order given.
    const Salida lineas = Evalua(carpeta, Citado(json) + " " + entregas + " --json");
    ASSERT_EQ(lineas.codigo, 3);
    std::istringstream s(lineas.out);
    std::string linea;
    std::vector<nlohmann::json> js;
    while (std::getline(s, linea)) {
        js.push_back(nlohmann::json::parse(linea));
    }
    ASSERT_EQ(js.size(), 2u);
    EXPECT_EQ(js[0]["puntos"], 10);
    EXPECT_EQ(js[1]["puntos"], e.puntosIncorrecta);
    for (const auto& caso : js[1]["casos"]) {
        const bool fallido = std::find(e.casosFallidos.begin(), e.casosFallidos.end(),
                                       caso["nombre"].get<std::string>()) != e.casosFallidos.end();
        EXPECT_EQ(caso["superado"], !fallido) << caso.dump();
        EXPECT_EQ(caso["puntos"], fallido ? 0 : caso["maximo"].get<int>()) << caso.dump();
        // A submission that loops ends at the case's bound, with no points for it.
        EXPECT_EQ(caso["limite"], caso["nombre"] == e.casoLimite) << caso.dump();
    }
    EXPECT_EQ(Evalua(carpeta, Citado(json) + " " + Citado(kEjercicios + e.ejercicio + "/correcta")).codigo,
              0);
}

INSTANTIATE_TEST_SUITE_P(Ejercicios, EjemplosEvaluados,
                         ::testing::Values(Ejemplo{"multiplicacion_v1", 7, {"por cero"}, "por cero"},
                                           Ejemplo{
                                               "suma_v3", 4, {"cinco más tres", "menos uno más uno"}, ""}),
                         [](const auto& info) { return info.param.ejercicio; });

const char* const kFuente = ".ver 1\n.data 20\ndw suma 0\ndw v 1\ndw v2 2\ndw v3 3\n.code\n"
                            "\tadd v, suma\n\tadd v2, suma\n\tadd v3, suma\nfin:\tbeq fin\n";

std::string EjercicioConCaso(const std::string& caso) {
    return R"({"titulo": "t", "version": 1, "casos": [)" + caso + "]}";
}

/// Fields of the exercise file that are wrong, each with the text its message must name.
TEST(EjerciciosIncorrectos, SalenConDosNombrandoElCampoSinEscribirNada) {
    const std::string bien =
        R"({"nombre": "c", "puntos": 1, "instrucciones": 3, "esperado": {"memoria": {"suma": 6}}})";
    const std::pair<std::string, std::string> casos[] = {
        {"esto no es JSON", "no es un texto JSON válido"},
        {R"({"version": 1, "casos": [)" + bien + "]}", "titulo: falta este campo"},
        {R"({"titulo": "t", "casos": [)" + bien + "]}", "version: falta este campo"},
        {R"({"titulo": "t", "version": 4, "casos": [)" + bien + "]}",
         "version: debe ser un número entero de 1 a 3"},
        {R"({"titulo": "t", "version": 1})", "casos: falta este campo"},
        {R"({"titulo": "t", "version": 1, "casos": []})", "casos: debe ser una lista con al menos un caso"},
        {R"({"titulo": "t", "version": 1, "controles": ["rapido"], "casos": [)" + bien + "]}",
         "controles[0]: \"rapido\" no es"},
        {R"({"titulo": "t", "version": 1, "microprograma": "alumno", "casos": [)" + bien + "]}",
         "microprograma: solo la versión 3"},
        {EjercicioConCaso(R"({"nombre": "c", "puntos": "tres", "ciclos": 3, "esperado": {}})"),
         "casos[0].puntos"},
        {EjercicioConCaso(R"({"nombre": "c", "puntos": 1, "esperado": {}})"),
         "casos[0]: debe dar una sola forma"},
        {EjercicioConCaso(R"({"nombre": "c", "puntos": 1, "ciclos": 3, "esperdo": {}})"),
         "casos[0].esperdo: clave desconocida"},
        {EjercicioConCaso(R"({"nombre": "c", "puntos": 1, "ciclos": 3, "esperado": {"pc": 128}})"),
         "casos[0].esperado.pc: debe ser un número entero de 0 a 127"},
        {EjercicioConCaso(
             R"({"nombre": "c", "puntos": 1, "ciclos": 3, "memoria": {"126": [1, 2, 3]}, "esperado": {}})"),
         "casos[0].memoria.126: la lista pasa de la dirección 127"},
        {EjercicioConCaso(bien + "," + bien), "casos[1].nombre: \"c\" ya lo usa otro caso"},
        // A name that is in no executable submitted is the exercise's fault.
        {EjercicioConCaso(
             R"({"nombre": "c", "puntos": 1, "ciclos": 3, "esperado": {"memoria": {"total": 6}}})"),
         "casos[0].esperado.memoria.total: ningún ejecutable entregado tiene una palabra con ese nombre"},
    };
    pruebas::CarpetaTemporal carpeta;
    const std::string fuente = carpeta.Escribe("suma.asm", kFuente);
    const std::string csv = carpeta.Ruta("notas.csv"), xml = carpeta.Ruta("notas.xml");
    for (const auto& [texto, campo] : casos) {
        const std::string ejercicio = carpeta.Escribe("ejercicio.json", texto);
        const Salida s = Evalua(carpeta, Citado(ejercicio) + " " + Citado(fuente) + " --csv " + Citado(csv) +
                                             " --junit " + Citado(xml));
        EXPECT_EQ(s.codigo, 2) << texto;
        EXPECT_NE(s.err.find(campo), std::string::npos) << s.err;
        EXPECT_TRUE(s.out.empty()) << s.out;
        EXPECT_FALSE(fs::exists(csv) || fs::exists(xml)) << texto;
    }
    // The same file with a sound case grades.
    const std::string ejercicio = carpeta.Escribe("ejercicio.json", EjercicioConCaso(bien));
    EXPECT_EQ(Evalua(carpeta, Citado(ejercicio) + " " + Citado(fuente)).codigo, 0);
}

/// Memory set by name, by address and as a list; runs by cycles, to a numbered address; registers and
/// counters checked; a name one submission lacks fails only that submission's case; one that does not
/// assemble or cannot be found gives 1 while the others are still graded.
TEST(Entregas, CadaUnaRespondeDeSusFallos) {
    pruebas::CarpetaTemporal carpeta;
    const std::string ejercicio = carpeta.Escribe("ejercicio.json", EjercicioConCaso(R"(
        {"nombre": "lista", "puntos": 2, "memoria": {"v": [10, 20, 30]}, "hasta": "fin",
         "esperado": {"memoria": {"suma": 60, "21": [10, 20]}, "pc": 3, "instrucciones": 3, "mensajes": []}},
        {"nombre": "por dirección", "puntos": 1, "memoria": {"21": 5, "20": 1}, "hasta": 3,
         "esperado": {"memoria": {"suma": 11}, "ciclos": 15}},
        {"nombre": "ciclos", "puntos": 1.5, "memoria": {"v3": 7}, "ciclos": 16,
         "esperado": {"memoria": {"suma": 10}, "fz": 0}})"));
    const std::string buena = carpeta.Escribe("buena.asm", kFuente);
    std::string otroNombre = kFuente;
    otroNombre.replace(otroNombre.find("dw v3"), 5, "dw w3");
    otroNombre.replace(otroNombre.find("add v3"), 6, "add w3");
    const std::string sinV3 = carpeta.Escribe("sin_v3.asm", otroNombre);
    const std::string mala = carpeta.Escribe("mala.asm", ".ver 1\n.code\n\tadd x, y\n");

    const Salida s =
        Evalua(carpeta, Citado(ejercicio) + " " + Citado(buena) + " " + Citado(sinV3) + " --json");
    ASSERT_EQ(s.codigo, 3) << s.err << s.out;
    std::istringstream lineas(s.out);
    std::string linea;
    std::getline(lineas, linea);
    const auto j1 = nlohmann::json::parse(linea);
    EXPECT_EQ(j1["puntos"], 4.5) << linea;
    std::getline(lineas, linea);
    const auto j2 = nlohmann::json::parse(linea);
    EXPECT_EQ(j2["puntos"], 3) << linea;
    EXPECT_EQ(j2["casos"][2]["diferencias"][0], "«v3» no es el nombre de ninguna palabra del ejecutable");

    const Salida t = Evalua(carpeta, Citado(ejercicio) + " " + Citado(buena) + " " + Citado(mala) + " " +
                                         Citado(carpeta.Ruta("no_esta.asm")));
    EXPECT_EQ(t.codigo, 1) << t.err;
    EXPECT_NE(t.out.find("buena.asm: 4.5 de 4.5 puntos"), std::string::npos) << t.out;
    EXPECT_NE(t.out.find("mala.asm: 0 de 4.5 puntos (el fuente no se monta)"), std::string::npos) << t.out;
    EXPECT_NE(t.out.find("no_esta.asm: 0 de 4.5 puntos (no existe)"), std::string::npos) << t.out;

    // A report named like a submission would overwrite the student's work: refused before anything runs.
    EXPECT_EQ(Evalua(carpeta, Citado(ejercicio) + " " + Citado(buena) + " --csv " + Citado(buena)).codigo, 2);
    EXPECT_EQ(Lee(buena), kFuente);
}

} // namespace
} // namespace velmo

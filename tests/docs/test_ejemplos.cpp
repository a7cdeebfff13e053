// Every example source assembles and, run through velmo-sim, leaves in memory what its comment
// "; Memoria final: dir=valor, ..." promises. A version-1 example gives the same result under the three
// control units; a version-3 example runs under the microprogram of the same name, if there is one.

#include "EjemplosYManuales.h"

#include <algorithm>

namespace velmo::pruebas {
namespace {

struct Ejemplo {
    std::string nombre; // without ".asm"
};

std::vector<Ejemplo> TodosLosEjemplos() {
    std::vector<Ejemplo> ejemplos;
    for (const auto& e : std::filesystem::directory_iterator(VELMO_EJEMPLOS)) {
        if (e.path().extension() == ".asm") {
            ejemplos.push_back({e.path().stem().string()});
        }
    }
    std::sort(ejemplos.begin(), ejemplos.end(),
              [](const auto& a, const auto& b) { return a.nombre < b.nombre; });
    return ejemplos;
}

/// The text after "; Clave:" in a comment line of the source, if any.
std::optional<std::string> Comentario(const std::string& fuente, const std::string& clave) {
    std::istringstream s(fuente);
    std::string linea;
    const std::string marca = "; " + clave + ":";
    while (std::getline(s, linea)) {
        if (linea.rfind(marca, 0) == 0) {
            return linea.substr(marca.size());
        }
    }
    return std::nullopt;
}

int Version(const std::string& fuente) {
    const auto pos = fuente.find(".ver ");
    return pos == std::string::npos ? 0 : fuente[pos + 5] - '0';
}

class Ejemplos : public ::testing::TestWithParam<Ejemplo> {};

TEST_P(Ejemplos, DejaEnMemoriaLoQuePrometenSusComentarios) {
    const std::string nombre = GetParam().nombre;
    const std::string base = std::string(VELMO_EJEMPLOS) + "/" + nombre;
    const std::string fuente = LeeFichero(base + ".asm");
    const auto promesa = Comentario(fuente, "Memoria final");
    ASSERT_TRUE(promesa.has_value()) << "el ejemplo no dice cómo queda la memoria";
    const auto esperada = LeeMemoria(*promesa);
    ASSERT_TRUE(esperada.has_value()) << "línea «Memoria final» mal escrita:" << *promesa;
    const std::string instrucciones = Comentario(fuente, "Instrucciones").value_or(" 300").substr(1);

    Carpeta carpeta;
    const std::string vlx = carpeta.Ruta(nombre + ".vlx");
    const auto montaje = Monta(carpeta, base + ".asm", vlx);
    ASSERT_EQ(montaje.estado, 0) << montaje.salida;
    EXPECT_NE(montaje.salida.find("Compilación correcta"), std::string::npos) << montaje.salida;

    std::vector<std::vector<std::string>> variantes;
    const int version = Version(fuente);
    ASSERT_TRUE(version >= 1 && version <= 3) << "sin .ver";
    if (version == 1) {
        for (const char* control : {"normal", "optimizado", "microprogramado"}) {
            variantes.push_back({"--control", control});
        }
    } else if (version == 3 && std::filesystem::exists(base + ".mpr")) {
        variantes.push_back({"--microprograma", base + ".mpr"});
    } else {
        variantes.push_back({});
    }
    for (auto argumentos : variantes) {
        argumentos.insert(argumentos.begin(), vlx);
        argumentos.insert(argumentos.end(), {"--instrucciones", instrucciones, "--json"});
        const auto j = Simula(argumentos);
        const std::string que = argumentos.size() > 4 ? argumentos[2] : std::string("por omisión");
        EXPECT_EQ(j["version"], version);
        EXPECT_EQ(j["instrucciones"], std::stoi(instrucciones)) << que << ": una instrucción no terminó";
        EXPECT_TRUE(j["mensajes"].empty()) << que << ": " << j["mensajes"].dump();
        CompruebaMemoria(j, *esperada, nombre + " (" + que + ")");
    }
}

INSTANTIATE_TEST_SUITE_P(Todos, Ejemplos, ::testing::ValuesIn(TodosLosEjemplos()),
                         [](const auto& info) { return info.param.nombre; });

} // namespace
} // namespace velmo::pruebas

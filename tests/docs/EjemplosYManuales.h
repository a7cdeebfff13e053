#pragma once
// Helpers of the tests that keep the examples and the manuals true: running a source through the two
// command-line tools, and reading the promises ("Memoria final: 52=42, 53=6") written beside it.

#include "CarpetaTemporal.h"
#include "HerramientaSim.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velmo::pruebas {

/// A temporary folder removed at the end of the test.
using Carpeta = velmo::pruebas::CarpetaTemporal;

inline std::string LeeFichero(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void EscribeFichero(const std::string& ruta, const std::string& texto) {
    std::ofstream f(ruta, std::ios::binary);
    f << texto;
}

/// Result of velmo-montador: exit status and what it printed.
struct Montaje {
    int estado = -1;
    std::string salida;
};

inline Montaje Monta(const Carpeta& carpeta, const std::string& fuente, const std::string& vlx) {
    const std::string mensajes = carpeta.Ruta("mensajes-montaje.txt");
    const std::string orden = ComillasShell(Herramienta("velmo-montador", VELMO_MONTADOR)) + " '" + fuente +
                              "' -o '" + vlx + "' > '" + mensajes + "' 2>&1";
    const int r = std::system(orden.c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, LeeFichero(mensajes)};
}

/// "52=42, 53=6" -> {52: 42, 53: 6}; nothing when the text is not such a list.
inline std::optional<std::map<int, int>> LeeMemoria(const std::string& texto) {
    std::map<int, int> memoria;
    std::istringstream s(texto);
    std::string par;
    while (std::getline(s, par, ',')) {
        const auto igual = par.find('=');
        if (igual == std::string::npos) {
            return std::nullopt;
        }
        try {
            memoria[std::stoi(par.substr(0, igual))] = std::stoi(par.substr(igual + 1));
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (memoria.empty()) {
        return std::nullopt;
    }
    return memoria;
}

/// Runs an executable with velmo-sim and returns its JSON report.
inline nlohmann::json Simula(const std::vector<std::string>& argumentos) {
    std::ostringstream salida, errores;
    const int estado = EjecutaHerramientaSim(argumentos, salida, errores);
    EXPECT_EQ(estado, 0) << errores.str();
    return nlohmann::json::parse(salida.str(), nullptr, false);
}

inline void CompruebaMemoria(const nlohmann::json& j, const std::map<int, int>& esperada,
                             const std::string& que) {
    ASSERT_TRUE(j.contains("memoria")) << que;
    for (const auto& [direccion, valor] : esperada) {
        EXPECT_EQ(j["memoria"][static_cast<std::size_t>(direccion)], valor)
            << que << ", dirección " << direccion;
    }
}

} // namespace velmo::pruebas

#include "InformeSim.h"

#include "ArgumentosSim.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>

namespace velmo {

namespace {

// The 128 memory words of the picture.
std::array<std::uint16_t, kPalabrasMemoria> Palabras(const FotoEstado& foto) {
    std::array<std::uint16_t, kPalabrasMemoria> palabras{};
    for (std::size_t d = 0; d < palabras.size() && d < foto.memoria.size(); ++d) {
        palabras[d] = foto.memoria[d].valor;
    }
    return palabras;
}

} // namespace

std::string InformeJson(const FotoEstado& informe) {
    nlohmann::ordered_json j;
    j["version"] = informe.version;
    j["control"] = NombreControl(informe.control);
    j["ciclos"] = informe.ciclos;
    j["instrucciones"] = informe.instrucciones;
    j["estado"] = informe.estado;
    j["fila_actual"] = informe.filaActual;
    j["pc"] = informe.pc;
    j["ir"] = informe.ir;
    j["a"] = informe.a;
    j["b"] = informe.b;
    j["fz"] = informe.fz;
    j["regaux"] = informe.regAux;
    j["memoria"] = Palabras(informe);
    j["mensajes"] = informe.mensajes;
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

namespace {

std::string Hex4(std::uint16_t valor) {
    char texto[8];
    std::snprintf(texto, sizeof texto, "%04X", static_cast<unsigned>(valor));
    return texto;
}

// Box texts break lines with CR LF; in the summary each piece gets its own indented line.
std::string Sangra(const std::string& texto) {
    std::string salida = "  ";
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            continue;
        }
        salida += texto[i];
        if (texto[i] == '\n') {
            salida += "  ";
        }
    }
    return salida + "\n";
}

} // namespace

std::string InformeLegible(const FotoEstado& informe, const std::string& fichero) {
    const auto palabras = Palabras(informe);
    std::string s;
    s += "Fichero: " + fichero + "\n";
    s += "Versión: " + std::to_string(informe.version) + "    Control: " + NombreControl(informe.control) +
         "\n";
    s += "Ciclos: " + std::to_string(informe.ciclos) +
         "    Instrucciones: " + std::to_string(informe.instrucciones) + "\n";
    s += "Estado: " + std::to_string(informe.estado) +
         "    Fila actual: " + std::to_string(informe.filaActual) + "\n";
    s += "Registros: PC=" + std::to_string(informe.pc) + "  IR=" + Hex4(informe.ir) +
         "h  A=" + std::to_string(informe.a) + "  B=" + std::to_string(informe.b) +
         "  FZ=" + std::to_string(informe.fz) + "  RegAux=" + std::to_string(informe.regAux) + "\n";
    s += "Memoria (hexadecimal):\n";
    for (int fila = 0; fila < kPalabrasMemoria; fila += 8) {
        char dir[8];
        std::snprintf(dir, sizeof dir, "%3d:", fila);
        s += dir;
        for (int i = fila; i < fila + 8; ++i) {
            s += " " + Hex4(palabras[static_cast<std::size_t>(i)]);
        }
        s += "\n";
    }
    if (informe.mensajes.empty()) {
        s += "Mensajes: ninguno\n";
    } else {
        s += "Mensajes:\n";
        for (const auto& m : informe.mensajes) {
            s += Sangra(m);
        }
    }
    return s;
}

} // namespace velmo

#pragma once
// The microprogram a version-3 example source carries in its comments, one microinstruction a line:
// ";  n  Mx Alu L/E pPc pIR pA pB pFZ Salto Test pAux  what it does", n in decimal and the fields in
// binary with their widths (2, 2, 1, 1, 1, 1, 1, 1, 4, 3, 1 digits). The examples' .mpr files are made
// from it, and the tests check that they still agree.

#include "FicheroMicroprograma.h"
#include "MicroInstruccion.h"

#include <array>
#include <cctype>
#include <istream>
#include <optional>
#include <sstream>
#include <string>

namespace velmo::pruebas {

/// Every row 0..15 exactly once with every field well formed; otherwise nothing.
inline std::optional<Microprograma> MicroprogramaDeComentarios(std::istream& fuente) {
    constexpr std::array<std::size_t, 11> kDigitos{2, 2, 1, 1, 1, 1, 1, 1, 4, 3, 1};
    Microprograma micro{};
    std::array<bool, kMicroinstrucciones> vista{};
    std::string linea;
    while (std::getline(fuente, linea)) {
        const auto inicio = linea.find_first_not_of(" \t");
        if (inicio == std::string::npos || linea[inicio] != ';') {
            continue;
        }
        std::istringstream campos(linea.substr(inicio + 1));
        std::string numero;
        if (!(campos >> numero) || numero.empty() || numero.size() > 2 ||
            numero.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::array<std::uint16_t, 11> valores{};
        bool esFila = true;
        for (std::size_t i = 0; i < kDigitos.size() && esFila; ++i) {
            std::string bits;
            esFila = static_cast<bool>(campos >> bits) && bits.size() == kDigitos[i] &&
                     bits.find_first_not_of("01") == std::string::npos;
            if (esFila) {
                valores[i] = static_cast<std::uint16_t>(std::stoi(bits, nullptr, 2));
            }
        }
        if (!esFila) {
            continue; // an ordinary comment
        }
        const int fila = std::stoi(numero);
        if (fila >= kMicroinstrucciones || vista[static_cast<std::size_t>(fila)]) {
            return std::nullopt;
        }
        vista[static_cast<std::size_t>(fila)] = true;
        const auto& v = valores;
        micro[static_cast<std::size_t>(fila)] = {v[0], v[1], v[2], v[3], v[4], v[5],
                                                 v[6], v[7], v[8], v[9], v[10]};
    }
    for (bool v : vista) {
        if (!v) {
            return std::nullopt;
        }
    }
    return micro;
}

} // namespace velmo::pruebas

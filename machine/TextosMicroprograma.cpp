#include "TextosMicroprograma.h"

#include "UtilidadesStr.h"

#include <array>
#include <cstddef>

namespace velmo {

namespace {

/// The plain machine's microprogram in the fields of a user microinstruction (no "pAux").
constexpr std::array<TMicroInstProgramable, kFilasMicroprogramaFijo> kMicroprogramaFijo = {{
    {0, 0, 0, 1, 1, 0, 0, 0, 0b0000, 0b111, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0b1001, 0b100, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0b0110, 0b101, 0},
    {2, 0, 0, 0, 0, 0, 1, 0, 0b0000, 0b111, 0},
    {3, 0, 0, 0, 0, 1, 0, 0, 0b0000, 0b111, 0},
    {3, 0, 1, 0, 0, 0, 0, 1, 0b0000, 0b011, 0},
    {2, 0, 0, 0, 0, 0, 1, 0, 0b0000, 0b111, 0},
    {3, 2, 1, 0, 0, 0, 0, 1, 0b0000, 0b011, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0b1100, 0b101, 0},
    {2, 0, 0, 0, 0, 0, 1, 0, 0b0000, 0b111, 0},
    {3, 0, 0, 0, 0, 1, 0, 0, 0b0000, 0b111, 0},
    {3, 1, 0, 0, 0, 0, 0, 1, 0b0000, 0b011, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0b0000, 0b010, 0},
    {3, 0, 0, 1, 1, 0, 0, 0, 0b0001, 0b011, 0},
}};

std::string Bit(bool uno) {
    return uno ? "  1" : "  0";
}

std::string BitAlu(bool uno) {
    return uno ? "  1 " : "  0 ";
}

std::string Dos(int valor) {
    return "  " + std::to_string(valor);
}

} // namespace

std::string CeldaMicroprograma(bool configurable, const Microprograma& micro, int fila, int columna) {
    const int filas = configurable ? kMicroinstrucciones : kFilasMicroprogramaFijo;
    const int columnas = configurable ? kColumnasMicroprogramaConfigurable : kColumnasMicroprogramaFijo;
    if (fila < 0 || fila >= filas || columna < 0 || columna >= columnas) {
        return {};
    }
    const std::size_t i = static_cast<std::size_t>(fila);
    const TMicroInstProgramable& m = configurable ? micro[i] : kMicroprogramaFijo[i];
    switch (columna) {
    case 0:
        return Dos(fila);
    case 1:
        return Bit(m.MX10 == 2 || m.MX10 == 3);
    case 2:
        return Bit(m.MX10 == 1 || m.MX10 == 3);
    case 3:
        return BitAlu(m.ALU10 == 2 || m.ALU10 == 3);
    case 4:
        return BitAlu(m.ALU10 == 1 || m.ALU10 == 3);
    case 5:
        return Dos(m.LorWmem);
    case 6:
        return Dos(m.pPc);
    case 7:
        return Dos(m.pIr);
    case 8:
        return Dos(m.pA);
    case 9:
        return Dos(m.pB);
    case 10:
        return Dos(m.pFz);
    case 11:
        // The fixed table's jump address stands one space further left than the user's.
        return (configurable ? "  " : " ") + Int2Bin(m.Salto, 4);
    case 12:
        return "  " + Int2Bin(m.Test, 3);
    default:
        return Dos(m.pAux);
    }
}

std::vector<std::string> CabecerasMicroprograma(bool configurable) {
    std::vector<std::string> nombres = {"Nº",  "Mx1", "Mx0", "Alu1", "Alu0",  "L/E", "pPc",
                                        "pIR", "pA",  "pB",  "pFZ",  "Salto", "Test"};
    if (configurable) {
        nombres.emplace_back("pAux");
    }
    return nombres;
}

} // namespace velmo

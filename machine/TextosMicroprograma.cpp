#include "TextosMicroprograma.h"

#include "UtilidadesStr.h"

#include <array>
#include <cstddef>

namespace velmo {

namespace {

/// One row of the fixed microprogram as the view shows it: codes and bits, and the Salto and Test texts
/// written out.
struct FilaFija {
    int mx, alu, le, pPc, pIr, pA, pB, pFz;
    const char* salto;
    const char* test;
};

constexpr std::array<FilaFija, kFilasMicroprogramaFijo> kMicroprogramaFijo = {{
    {0, 0, 0, 1, 1, 0, 0, 0, " 0000", "  111"},
    {0, 0, 0, 0, 0, 0, 0, 0, " 1001", "  100"},
    {0, 0, 0, 0, 0, 0, 0, 0, " 0110", "  101"},
    {2, 0, 0, 0, 0, 0, 1, 0, " 0000", "  111"},
    {3, 0, 0, 0, 0, 1, 0, 0, " 0000", "  111"},
    {3, 0, 1, 0, 0, 0, 0, 1, " 0000", "  011"},
    {2, 0, 0, 0, 0, 0, 1, 0, " 0000", "  111"},
    {3, 2, 1, 0, 0, 0, 0, 1, " 0000", "  011"},
    {0, 0, 0, 0, 0, 0, 0, 0, " 1100", "  101"},
    {2, 0, 0, 0, 0, 0, 1, 0, " 0000", "  111"},
    {3, 0, 0, 0, 0, 1, 0, 0, " 0000", "  111"},
    {3, 1, 0, 0, 0, 0, 0, 1, " 0000", "  011"},
    {0, 0, 0, 0, 0, 0, 0, 0, " 0000", "  010"},
    {3, 0, 0, 1, 1, 0, 0, 0, " 0001", "  011"},
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

std::string TextoFijo(int fila, int columna) {
    if (fila < 0 || fila >= kFilasMicroprogramaFijo || columna < 0 || columna >= kColumnasMicroprogramaFijo) {
        return {};
    }
    const FilaFija& f = kMicroprogramaFijo[static_cast<std::size_t>(fila)];
    switch (columna) {
    case 0:
        return Dos(fila);
    case 1:
        return Bit(f.mx == 2 || f.mx == 3);
    case 2:
        return Bit(f.mx == 1 || f.mx == 3);
    case 3:
        return BitAlu(f.alu == 2);
    case 4:
        return BitAlu(f.alu == 1);
    case 5:
        return Dos(f.le);
    case 6:
        return Dos(f.pPc);
    case 7:
        return Dos(f.pIr);
    case 8:
        return Dos(f.pA);
    case 9:
        return Dos(f.pB);
    case 10:
        return Dos(f.pFz);
    case 11:
        return f.salto;
    default:
        return f.test;
    }
}

std::string TextoConfigurable(const Microprograma& micro, int fila, int columna) {
    if (fila < 0 || fila >= kMicroinstrucciones || columna < 0 ||
        columna >= kColumnasMicroprogramaConfigurable) {
        return {};
    }
    const TMicroInstProgramable& m = micro[static_cast<std::size_t>(fila)];
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
        return "  " + Int2Bin(m.Salto, 4);
    case 12:
        return "  " + Int2Bin(m.Test, 3);
    default:
        return Dos(m.pAux);
    }
}

} // namespace

std::string CeldaMicroprograma(bool configurable, const Microprograma& micro, int fila, int columna) {
    return configurable ? TextoConfigurable(micro, fila, columna) : TextoFijo(fila, columna);
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

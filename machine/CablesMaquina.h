#pragma once
// Every signal of the machine: the datapath map, the control-unit diagram's names and each element's
// ports. The engine wires the elements by these indices; the views find signals by these names.

#include "ObjCable.h"

#include <array>
#include <string_view>

namespace velmo {

/// Indices of the datapath signal map.
namespace mapa {
inline constexpr int wPmem = 0;
inline constexpr int wSumPc = 1;
inline constexpr int wPcMux = 2;
inline constexpr int wPPcIn = 3;
inline constexpr int wMuxoutSum = 4;
inline constexpr int wMuxoutMem = 5;
inline constexpr int wMemOutIr = 6;
inline constexpr int wMoutB = 7;
inline constexpr int wMoutA = 8;
inline constexpr int wIrDMux3 = 9;
inline constexpr int wIRFMux2 = 10;
inline constexpr int wIrCO = 11;
inline constexpr int wPIr = 12;
inline constexpr int wPA = 13;
inline constexpr int wPB = 14;
inline constexpr int wAAlU = 15;
inline constexpr int wBAlu = 16;
inline constexpr int wFZOut = 17;
inline constexpr int wPFZ = 18;
inline constexpr int wAluZFZ = 19;
inline constexpr int wAluOP = 20;
inline constexpr int wAluOutMem = 21;
inline constexpr int wMux10 = 22;
inline constexpr int kNumCables = 23;
} // namespace mapa

/// Port numbers of the control units (the hard-wired one has all fourteen, the microprogrammed one 0..9).
namespace puertoUC {
inline constexpr int LE = 0;
inline constexpr int pPC = 1;
inline constexpr int Mux10 = 2;
inline constexpr int Co10 = 3;
inline constexpr int pIR = 4;
inline constexpr int pA = 5;
inline constexpr int pB = 6;
inline constexpr int wFZOut = 7;
inline constexpr int wPFZ = 8;
inline constexpr int Alu10 = 9;
inline constexpr int wFromUP = 10;
inline constexpr int wToUP = 11;
inline constexpr int RegsIn = 12;
inline constexpr int RegsOut = 13;
} // namespace puertoUC

namespace detalle {
constexpr TRegConfCable Dato(std::uint16_t bits, std::string_view nombre, std::uint16_t indice) {
    return {bits, nombre, indice, TDatos, TUpVl0};
}
constexpr TRegConfCable Control(std::uint16_t bits, std::string_view nombre, std::uint16_t indice) {
    return {bits, nombre, indice, TControl, TUpVl0};
}
constexpr TRegConfCable ControlUC(std::uint16_t bits, std::string_view nombre, std::uint16_t indice) {
    return {bits, nombre, indice, TControl, TUCCableadaVl0};
}
} // namespace detalle

/// The datapath map in index order. "wAluOP" and "wMux10" are 7 bits wide here although their drivers
/// are 2 bits; "wPFZ" is data here and control at the FZ register.
inline constexpr std::array<TRegConfCable, mapa::kNumCables> kMapaUP = {{
    detalle::Control(1, "wPmem", 0),     detalle::Dato(7, "wSumPc", 1),     detalle::Dato(7, "wPcMux", 2),
    detalle::Control(1, "wPPcIn", 3),    detalle::Dato(7, "wMuxoutSum", 4), detalle::Dato(7, "wMuxoutMem", 5),
    detalle::Dato(16, "wMemOutIr", 6),   detalle::Dato(16, "wMoutB", 7),    detalle::Dato(16, "wMoutA", 8),
    detalle::Dato(7, "wIrDMux3", 9),     detalle::Dato(7, "wIRFMux2", 10),  detalle::Control(2, "wIrCO", 11),
    detalle::Control(1, "wPIr", 12),     detalle::Control(1, "wPA", 13),    detalle::Control(1, "wPB", 14),
    detalle::Dato(16, "wAAlU", 15),      detalle::Dato(16, "wBAlu", 16),    detalle::Dato(1, "wFZOut", 17),
    detalle::Dato(1, "wPFZ", 18),        detalle::Dato(1, "wAluZFZ", 19),   detalle::Control(7, "wAluOP", 20),
    detalle::Dato(16, "wAluOutMem", 21), detalle::Control(7, "wMux10", 22),
}};

/// Names of the control-unit diagram's map, index order; widths and drawing belong to that diagram.
inline constexpr std::array<std::string_view, 5> kNombresMapaUCCableada = {"wFromUP", "wToUP", "wClock",
                                                                           "RegsIn", "RegsOut"};
inline constexpr std::array<std::string_view, 5> kNombresMapaUCMicro = {"wFromUP", "wToUP", "w@Rom", "wSalto",
                                                                        "wTest"};

inline constexpr std::array<TRegConfCable, 3> kPuertosPC = {{
    detalle::Control(1, "wPPcIn", 3),
    detalle::Dato(7, "wSumPc", 1),
    detalle::Dato(7, "wPcMux", 2),
}};

/// Port 4 shares the source field's map index; the engine copies the IR's three field ports to the map
/// by fixed index, so that index is never used for wiring.
inline constexpr std::array<TRegConfCable, 5> kPuertosIR = {{
    detalle::Control(1, "wPIr", 12),
    detalle::Dato(16, "wMemOutIr", 6),
    detalle::Dato(7, "wIrDMux3", 9),
    detalle::Dato(7, "wIRFMux2", 10),
    detalle::Dato(2, "wIrCO", 10),
}};

inline constexpr std::array<TRegConfCable, 3> kPuertosA = {{
    detalle::Control(1, "wPA", 13),
    detalle::Dato(16, "wMoutA", 8),
    detalle::Dato(16, "wAAlU", 15),
}};

inline constexpr std::array<TRegConfCable, 3> kPuertosB = {{
    detalle::Control(1, "wPB", 14),
    detalle::Dato(16, "wMoutB", 7),
    detalle::Dato(16, "wBAlu", 16),
}};

inline constexpr std::array<TRegConfCable, 3> kPuertosFZ = {{
    detalle::Control(1, "wPFZ", 18),
    detalle::Dato(1, "wAluZFZ", 19),
    detalle::Dato(1, "wFZOut", 17),
}};

inline constexpr std::array<TRegConfCable, 6> kPuertosMemoria = {{
    detalle::Control(1, "wPmem", 0),
    detalle::Dato(7, "wMuxoutMem", 5),
    detalle::Dato(16, "wMemOutIr", 6),
    detalle::Dato(16, "wMoutB", 7),
    detalle::Dato(16, "wMoutA", 8),
    detalle::Dato(16, "wAluOutMem", 21),
}};

inline constexpr std::array<TRegConfCable, 5> kPuertosAlu = {{
    detalle::Control(2, "wAluOP", 20),
    detalle::Dato(16, "wAluOutMem", 21),
    detalle::Dato(16, "wAAlU", 15),
    detalle::Dato(16, "wBAlu", 16),
    detalle::Dato(1, "wAluZFZ", 19),
}};

inline constexpr std::array<TRegConfCable, 2> kPuertosIncrementador = {{
    detalle::Dato(7, "wSumPc", 1),
    detalle::Dato(7, "wMuxoutSum", 4),
}};

inline constexpr std::array<TRegConfCable, 6> kPuertosMux = {{
    detalle::Control(2, "wMux10", 22),
    detalle::Dato(7, "wPcMux", 2),
    detalle::Dato(7, "wMuxoutSum", 4),
    detalle::Dato(7, "wMuxoutMem", 5),
    detalle::Dato(7, "wIrDMux3", 9),
    detalle::Dato(7, "wIRFMux2", 10),
}};

/// Ports of the hard-wired control unit; the microprogrammed unit has the first ten. Outputs are 0, 1,
/// 2, 4, 5, 6, 8, 9; inputs 3 (opcode) and 7 (zero flag); 10 to 13 are drawn on the control-unit diagram.
inline constexpr std::array<TRegConfCable, 14> kPuertosUC = {{
    detalle::Control(1, "L/E", 0),
    detalle::Control(1, "pPC", 3),
    detalle::Control(2, "Mux10", 22),
    detalle::Control(2, "Co10", 11),
    detalle::Control(2, "pIR", 12),
    detalle::Control(1, "pA", 13),
    detalle::Control(1, "pB", 14),
    detalle::Control(1, "wFZOut", 17),
    detalle::Control(1, "wPFZ", 18),
    detalle::Control(2, "Alu10", 20),
    detalle::ControlUC(2, "wFromUP", 0),
    detalle::ControlUC(2, "wToUP", 1),
    detalle::ControlUC(3, "RegsIn", 3),
    detalle::ControlUC(3, "RegsOut", 4),
}};

inline constexpr int kPuertosUCCableada = 14;
inline constexpr int kPuertosUCMicro = 10;

} // namespace velmo

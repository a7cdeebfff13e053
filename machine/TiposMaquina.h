#pragma once
// Kinds and records shared by the machine model, the engine and the views.

#include <cstdint>

namespace velmo {

/// Kind of control unit of a simulation. The order is stored and compared: keep it.
enum TTipoControl : std::uint8_t {
    tMicroprogramado,  // fixed microprogram of the plain machine
    tnormal,           // hard-wired, 12 states
    toptimizado,       // hard-wired, 7 states
    TVL1Modif,         // hard-wired control of the modified machine (CLEAR, MOVD, ACUM)
    TMicroprogramable, // the user's microprogram over the configurable ALU
};

/// The control kind's name in the tools' options and reports.
inline const char* NombreControl(TTipoControl control) {
    switch (control) {
    case tMicroprogramado:
        return "microprogramado";
    case tnormal:
        return "normal";
    case toptimizado:
        return "optimizado";
    case TVL1Modif:
        return "modificado";
    case TMicroprogramable:
        return "microprogramable";
    }
    return "normal";
}

/// Data signals and control signals are coloured differently.
enum TTipoCable : std::uint8_t { TDatos, TControl };

/// The diagram a signal is drawn on: the datapath or the control unit.
enum TTipoFrame : std::uint8_t { TUpVl0, TUCCableadaVl0 };

/// Display base of a probe on the datapath diagram.
enum TFormato : std::uint8_t { Tbin, THex, Tint };

/// One control word of the datapath.
struct TRegCAblesUP {
    std::int16_t MX10;    // multiplexer select
    std::int16_t ALU10;   // ALU operation
    std::int16_t LorWmem; // 1 writes memory at the end of the cycle
    std::int16_t pPc;
    std::int16_t pIr;
    std::int16_t pA;
    std::int16_t pB;
    std::int16_t pFz;

    bool operator==(const TRegCAblesUP&) const = default;
};

/// A microprogram row: the sequencing fields, then the control word.
struct TEstadoROMMicroprogramada {
    std::int16_t Salto;
    std::int16_t Test;
    std::int16_t MX10;
    std::int16_t ALU10;
    std::int16_t LorWmem;
    std::int16_t pPc;
    std::int16_t pIr;
    std::int16_t pA;
    std::int16_t pB;
    std::int16_t pFz;

    bool operator==(const TEstadoROMMicroprogramada&) const = default;
};

} // namespace velmo

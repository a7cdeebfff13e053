#pragma once
// One microinstruction of the microprogrammable machine, as the user writes it.

#include <array>
#include <cstdint>

namespace velmo {

/// Field order is the order of the .mpr file's 16-bit words.
struct TMicroInstProgramable {
    std::uint16_t MX10 = 0;    // 0..3: address select (PC, RegAux, IR source, IR destination)
    std::uint16_t ALU10 = 0;   // 0..3: ALU opcode
    std::uint16_t LorWmem = 0; // 0..1: write the ALU output into memory
    std::uint16_t pPc = 0;     // 0..1
    std::uint16_t pIr = 0;     // 0..1
    std::uint16_t pA = 0;      // 0..1
    std::uint16_t pB = 0;      // 0..1
    std::uint16_t pFz = 0;     // 0..1
    std::uint16_t Salto = 0;   // 0..15: jump target microaddress
    std::uint16_t Test = 0;    // 0..7: jump condition (bit 0 d, bit 1 s, bit 2 v)
    std::uint16_t pAux = 0;    // 0..1: RegAux <- low 7 bits of the memory word

    bool operator==(const TMicroInstProgramable&) const = default;
};

inline constexpr int kMicroinstrucciones = 16;
using Microprograma = std::array<TMicroInstProgramable, kMicroinstrucciones>;

/// What a new microprogram editor holds in every row: RegAux to memory, IR loads, on to row 1 (test 1).
inline Microprograma MicroprogramaInicial() {
    TMicroInstProgramable m;
    m.MX10 = 1;
    m.ALU10 = 1;
    m.pIr = 1;
    m.Salto = 1;
    m.Test = 1;
    Microprograma p;
    p.fill(m);
    return p;
}

} // namespace velmo

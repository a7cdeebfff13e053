#pragma once
// Instruction-word decoding for display, and the hard-wired test of a control kind.

#include "RegInst.h"
#include "TiposMaquina.h"

#include <cstdint>

namespace velmo {

/// Re-derives `cop`, `op1`, `op2` and `destino` of `reg` from `palabra`. `version` is the memory view's
/// numbering (0 plain, 1 modified, 2 configurable). Data words ("---") and constants ("CTE") keep
/// their `cop`. `Valor` is left to the caller.
void UpdateRegInst(std::uint16_t palabra, int version, TregInst& reg);

/// True for the three hard-wired control units.
constexpr bool EsCableado(TTipoControl tipo) {
    return tipo == tnormal || tipo == toptimizado || tipo == TVL1Modif;
}

} // namespace velmo

#pragma once
// Instruction-word decoding for display, and the hard-wired test of a control kind.

#include "RegInst.h"
#include "TiposMaquina.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace velmo {

/// Re-derives `cop`, `op1`, `op2` and `destino` of `reg` from `palabra`. `version` is the memory view's
/// numbering (0 plain, 1 modified, 2 configurable). Data words ("---") and constants ("CTE") keep
/// their `cop`. `Valor` is left to the caller.
void UpdateRegInst(std::uint16_t palabra, int version, TregInst& reg);

/// Whether `texto` is the literal `m`: a compare of known length, which the compiler does without a call
/// (a memory write checks a word's mnemonic against several of them).
template <std::size_t N> bool EsMnemonico(std::string_view texto, const char (&m)[N]) {
    return texto.size() == N - 1 && std::memcmp(texto.data(), m, N - 1) == 0;
}

/// True for the three hard-wired control units.
constexpr bool EsCableado(TTipoControl tipo) {
    return tipo == tnormal || tipo == toptimizado || tipo == TVL1Modif;
}

} // namespace velmo

#pragma once
// The 60-byte instruction record: the assembler's output unit, the record of a .vlx file and the
// simulator's description of one memory word.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace velmo {

inline constexpr std::size_t kTamRegInst = 60;
inline constexpr std::size_t kLongitudMaximaCadena = 20;
inline constexpr int kPalabrasMemoria = 128;

/// `op2` of an instruction without a second operand.
inline constexpr std::uint16_t kSinSegundoOperando = 16666;
/// `Valor` of a data word declared without an initial value (`dw x ?`).
inline constexpr std::uint16_t kPalabraSinValor = 16667;

/// Mnemonic and description text of a word that is not an instruction / has nothing to describe.
inline constexpr const char* kMarcaVacia = "---";

/// One memory word with its description. Strings are UTF-8 here; on disk they are Windows-1252 short
/// strings of at most 20 bytes.
struct TregInst {
    std::int32_t direccion = 0;
    std::string cop = kMarcaVacia;
    std::uint16_t op1 = 0;
    std::uint16_t op2 = 0;
    std::int32_t destino = 0;
    std::uint16_t Valor = 0;
    std::string Descripcion = kMarcaVacia;

    bool operator==(const TregInst&) const = default;
};

/// The word at an address that nothing has written: "---" everywhere, value 0.
TregInst PalabraLibre(int direccion);

using BytesRegInst = std::array<unsigned char, kTamRegInst>;

/// Little-endian layout with zeroed padding; strings converted to Windows-1252 and cut to 20 bytes.
BytesRegInst SerializaRegInst(const TregInst& reg);

/// The inverse; a length byte above 20 is taken as 20, so nothing past a field is read.
TregInst DeserializaRegInst(const BytesRegInst& bytes);

/// Appends one record; false when the stream failed.
bool EscribeRegInst(std::ostream& out, const TregInst& reg);

/// Reads one whole record; false (and `reg` untouched) at the end of the stream or on a short record.
bool LeeRegInst(std::istream& in, TregInst& reg);

} // namespace velmo

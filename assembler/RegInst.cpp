#include "RegInst.h"

#include "CodificacionTexto.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace velmo {
namespace {

constexpr std::size_t kOffCop = 4;
constexpr std::size_t kOffOp1 = 26;
constexpr std::size_t kOffOp2 = 28;
constexpr std::size_t kOffDestino = 32;
constexpr std::size_t kOffValor = 36;
constexpr std::size_t kOffDescripcion = 38;

void Pon16(BytesRegInst& b, std::size_t off, std::uint16_t v) {
    b[off] = static_cast<unsigned char>(v & 0xFF);
    b[off + 1] = static_cast<unsigned char>(v >> 8);
}

void Pon32(BytesRegInst& b, std::size_t off, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) {
        b[off + i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
    }
}

void PonCadena(BytesRegInst& b, std::size_t off, const std::string& texto) {
    std::string bytes = Utf8ACp1252(texto);
    if (bytes.size() > kLongitudMaximaCadena) {
        bytes.resize(kLongitudMaximaCadena);
    }
    b[off] = static_cast<unsigned char>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(off + 1));
}

std::uint16_t Toma16(const BytesRegInst& b, std::size_t off) {
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}

std::int32_t Toma32(const BytesRegInst& b, std::size_t off) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(b[off + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

std::string TomaCadena(const BytesRegInst& b, std::size_t off) {
    const std::size_t len = std::min<std::size_t>(b[off], kLongitudMaximaCadena);
    const auto* inicio = reinterpret_cast<const char*>(b.data() + off + 1);
    return Cp1252AUtf8(std::string_view(inicio, len));
}

} // namespace

TregInst PalabraLibre(int direccion) {
    TregInst reg;
    reg.direccion = direccion;
    return reg;
}

BytesRegInst SerializaRegInst(const TregInst& reg) {
    BytesRegInst b{};
    Pon32(b, 0, reg.direccion);
    PonCadena(b, kOffCop, reg.cop);
    Pon16(b, kOffOp1, reg.op1);
    Pon16(b, kOffOp2, reg.op2);
    Pon32(b, kOffDestino, reg.destino);
    Pon16(b, kOffValor, reg.Valor);
    PonCadena(b, kOffDescripcion, reg.Descripcion);
    return b;
}

TregInst DeserializaRegInst(const BytesRegInst& b) {
    TregInst reg;
    reg.direccion = Toma32(b, 0);
    reg.cop = TomaCadena(b, kOffCop);
    reg.op1 = Toma16(b, kOffOp1);
    reg.op2 = Toma16(b, kOffOp2);
    reg.destino = Toma32(b, kOffDestino);
    reg.Valor = Toma16(b, kOffValor);
    reg.Descripcion = TomaCadena(b, kOffDescripcion);
    return reg;
}

bool EscribeRegInst(std::ostream& out, const TregInst& reg) {
    const auto b = SerializaRegInst(reg);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(out);
}

bool LeeRegInst(std::istream& in, TregInst& reg) {
    BytesRegInst b{};
    in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(b.size()));
    if (in.gcount() != static_cast<std::streamsize>(b.size())) {
        return false;
    }
    reg = DeserializaRegInst(b);
    return true;
}

} // namespace velmo

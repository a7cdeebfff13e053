#include "FrameUP.h"

#include "CablesMaquina.h"

#include <bit>
#include <cstring>

namespace velmo {

const TRegConfCable& TOrganizacion::Cable(int indice) {
    return kMapaUP.at(static_cast<std::size_t>(indice));
}

namespace {

// Eight flags (one byte each, bit 0 first) for every value of a byte of the mask.
constexpr std::array<std::uint64_t, 256> kBytesDeMascara = [] {
    std::array<std::uint64_t, 256> t{};
    for (std::uint64_t b = 0; b < 256; ++b) {
        for (unsigned i = 0; i < 8; ++i) {
            t[b] |= ((b >> i) & 1U) << (8 * i);
        }
    }
    return t;
}();

} // namespace

void TOrganizacion::SetActivados(std::uint32_t mascara) {
    static_assert(sizeof(bool) == 1 && kNumCables <= 24 && std::endian::native == std::endian::little);
    std::array<std::uint64_t, 3> flags{};
    for (std::size_t k = 0; k < flags.size(); ++k) {
        flags[k] = kBytesDeMascara[(mascara >> (8 * k)) & 0xFFU];
    }
    std::memcpy(datos_.activado.data(), flags.data(), datos_.activado.size());
}

void TOrganizacion::CreaCablesOrg() {
    datos_.Valor.fill(0);
    datos_.activado.fill(false);
    datos_.RegAux = 0;
}

} // namespace velmo

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
    // Whole groups of eight flags stored straight into place, the last group overlapping the one before:
    // a partial group would go through the stack and read back a store that has not landed yet, which
    // stalls the cycle.
    constexpr std::size_t n = std::tuple_size_v<decltype(datos_.activado)>;
    static_assert(n >= 8);
    const auto pon = [&](std::size_t desde) {
        const std::uint64_t ocho = kBytesDeMascara[(mascara >> desde) & 0xFFU];
        std::memcpy(datos_.activado.data() + desde, &ocho, 8);
    };
    for (std::size_t k = 0; k + 8 <= n; k += 8) {
        pon(k);
    }
    pon(n - 8);
}

void TOrganizacion::CreaCablesOrg() {
    datos_.Valor.fill(0);
    datos_.activado.fill(false);
    datos_.RegAux = 0;
}

} // namespace velmo

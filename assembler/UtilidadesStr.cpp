#include "UtilidadesStr.h"

#include <cstdint>

namespace velmo {

std::string CharHexaToStrBin(char c) {
    int digit;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else {
        throw ErrorConversion(std::string(1, c) + " no es un valor hexadecimal válido.");
    }
    std::string bits(4, '0');
    for (int i = 0; i < 4; ++i) {
        if (digit & (8 >> i)) {
            bits[i] = '1';
        }
    }
    return bits;
}

std::string Int2Bin(int value, int n) {
    if (n <= 0) {
        return {};
    }
    const auto word = static_cast<std::uint16_t>(value);
    std::string bits(static_cast<std::size_t>(n), '0');
    for (int i = 0; i < n && i < 16; ++i) {
        if (word & (1u << i)) {
            bits[static_cast<std::size_t>(n - 1 - i)] = '1';
        }
    }
    return bits;
}

std::string QuitaExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return name;
    }
    const auto separator = name.find_last_of("/\\");
    if (separator != std::string::npos && separator > dot) {
        return name;
    }
    return name.substr(0, dot);
}

} // namespace velmo

#include "CodificacionTexto.h"

#include <array>
#include <cstdint>

namespace velmo {
namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kAltos = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AnadeUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not well formed.
std::size_t DecodificaUtf8(std::string_view text, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t len;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

// UTF-16 code units to UTF-8; a unit of a broken pair, or a last odd byte, becomes U+FFFD.
std::string Utf16AUtf8(std::string_view bytes, bool granExtremo) {
    const auto unidad = [&](std::size_t i) -> char32_t {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return granExtremo ? char32_t((b0 << 8) | b1) : char32_t((b1 << 8) | b0);
    };
    constexpr char32_t kSustituto = 0xFFFD;
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unidad(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t baja = unidad(i + 2);
            if (baja >= 0xDC00 && baja <= 0xDFFF) {
                AnadeUtf8(out, 0x10000 + ((cp - 0xD800) << 10) + (baja - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kSustituto;
        }
        AnadeUtf8(out, cp);
    }
    if (i < bytes.size()) {
        AnadeUtf8(out, kSustituto);
    }
    return out;
}

bool EmpiezaPor(std::string_view bytes, std::string_view marca) {
    return bytes.substr(0, marca.size()) == marca;
}

} // namespace

bool EsUtf8Valido(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        const auto len = DecodificaUtf8(bytes, i, cp);
        if (len == 0) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string Cp1252AUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AnadeUtf8(out, (b >= 0x80 && b < 0xA0) ? kAltos[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string Utf8ACp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp;
        auto len = DecodificaUtf8(text, i, cp);
        if (len == 0) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (std::size_t k = 0; k < kAltos.size(); ++k) {
            if (kAltos[k] == cp) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::string TextoFuenteAUtf8(std::string_view bytes) {
    if (EmpiezaPor(bytes, "\xFF\xFE")) {
        return Utf16AUtf8(bytes.substr(2), false);
    }
    if (EmpiezaPor(bytes, "\xFE\xFF")) {
        return Utf16AUtf8(bytes.substr(2), true);
    }
    if (EmpiezaPor(bytes, "\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return EsUtf8Valido(bytes) ? std::string(bytes) : Cp1252AUtf8(bytes);
}

bool EsTextoFuente(std::string_view texto) {
    return texto.find('\0') == std::string_view::npos;
}

} // namespace velmo

#pragma once
// Trace lines made in one reused buffer, numbers written with to_chars: a traced cycle builds no temporary
// strings. Each line is handed to the host as soon as it is made.

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmo {

class LineaTraza {
public:
    /// This thread's buffer, emptied.
    static LineaTraza& Nueva() {
        thread_local LineaTraza linea;
        linea.texto_.clear();
        return linea;
    }

    LineaTraza& operator<<(std::string_view s) {
        texto_.append(s);
        return *this;
    }
    LineaTraza& operator<<(int n) {
        char cifras[16];
        const auto fin = std::to_chars(cifras, cifras + sizeof cifras, n).ptr;
        texto_.append(cifras, fin);
        return *this;
    }
    /// `n` binary digits of the low 16 bits of `valor`, most significant first ('0' above bit 15).
    LineaTraza& Binario(int valor, int n) {
        const auto palabra = static_cast<std::uint16_t>(valor);
        for (int i = n - 1; i >= 0; --i) {
            texto_.push_back(i < 16 && ((palabra >> i) & 1U) != 0 ? '1' : '0');
        }
        return *this;
    }

    const std::string& Texto() const { return texto_; }

private:
    LineaTraza() = default;
    std::string texto_;
};

} // namespace velmo

// velmo-sim: runs a Velmo executable without windows and reports the state it reaches.

#include "EjecutaSim.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>

namespace {

// Standard error with a large buffer of its own: a traced run writes millions of short lines there, and a
// plain copy into a buffer costs less than the library's file buffer does per line.
class SalidaErrores : public std::streambuf {
public:
    SalidaErrores() { setp(bufer_.data(), bufer_.data() + bufer_.size()); }
    ~SalidaErrores() override { Vacia(); }

protected:
    int_type overflow(int_type c) override {
        if (!Vacia()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        std::streamsize hechos = 0;
        while (hechos < n) {
            if (pptr() == epptr() && !Vacia()) {
                break;
            }
            const std::streamsize cabe = std::min<std::streamsize>(n - hechos, epptr() - pptr());
            traits_type::copy(pptr(), s + hechos, static_cast<std::size_t>(cabe));
            pbump(static_cast<int>(cabe));
            hechos += cabe;
        }
        return hechos;
    }
    int sync() override { return Vacia() ? 0 : -1; }

private:
    bool Vacia() {
        const char* p = pbase();
        while (p < pptr()) {
            const ssize_t escritos = ::write(STDERR_FILENO, p, static_cast<std::size_t>(pptr() - p));
            if (escritos < 0 && errno == EINTR) {
                continue;
            }
            if (escritos <= 0) {
                setp(bufer_.data(), bufer_.data() + bufer_.size());
                return false;
            }
            p += escritos;
        }
        setp(bufer_.data(), bufer_.data() + bufer_.size());
        return true;
    }

    std::array<char, 1 << 16> bufer_{};
};

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    SalidaErrores bufer;
    std::ostream errores(&bufer);
    // Whatever the report has written so far goes out before an error line, as with std::cerr.
    errores.tie(&std::cout);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int codigo = velmo::EjecutaVelmoSim(args, std::cout, errores);
    errores.flush();
    std::cout.flush();
    return codigo;
}

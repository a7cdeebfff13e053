#include "LecturaAcotada.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace velmo {

namespace fs = std::filesystem;

namespace {

// `principio`: only the first `limite` bytes are wanted, and a longer file is no fault.
LecturaAcotada Lee(const fs::path& ruta, std::size_t limite, TipoFicheroLeido tipo, bool principio) {
    LecturaAcotada res;
    std::error_code ec;
    const fs::file_status estado = fs::status(ruta, ec);
    if (ec || !fs::exists(estado)) {
        return res;
    }
    if (fs::is_directory(estado) || (tipo == TipoFicheroLeido::SoloNormal && !fs::is_regular_file(estado))) {
        res.estado = EstadoLecturaAcotada::NoEsFicheroNormal;
        return res;
    }
    std::ifstream in(ruta, std::ios::binary);
    if (!in) {
        return res;
    }
    // One byte past the limit tells a file that is too large from one that fills it exactly.
    const std::size_t hasta = principio ? limite : limite + 1;
    constexpr std::size_t kTrozo = 64 * 1024;
    while (res.bytes.size() < hasta) {
        const std::size_t antes = res.bytes.size();
        const std::size_t pide = std::min(kTrozo, hasta - antes);
        res.bytes.resize(antes + pide);
        in.read(res.bytes.data() + antes, static_cast<std::streamsize>(pide));
        res.bytes.resize(antes + static_cast<std::size_t>(in.gcount()));
        if (!in) {
            break;
        }
    }
    if (in.bad()) {
        res.bytes.clear();
        res.estado = EstadoLecturaAcotada::NoSePuedeAbrir;
        return res;
    }
    if (res.bytes.size() > limite) {
        res.bytes.clear();
        res.bytes.shrink_to_fit();
        res.estado = EstadoLecturaAcotada::DemasiadoGrande;
        return res;
    }
    res.estado = EstadoLecturaAcotada::Correcto;
    return res;
}

} // namespace

LecturaAcotada LeeFicheroAcotado(const fs::path& ruta, std::size_t limite, TipoFicheroLeido tipo) {
    return Lee(ruta, limite, tipo, false);
}

LecturaAcotada LeePrincipioDeFichero(const fs::path& ruta, std::size_t limite, TipoFicheroLeido tipo) {
    return Lee(ruta, limite, tipo, true);
}

bool NoEsFicheroNormal(const fs::path& ruta) {
    std::error_code ec;
    const fs::file_status estado = fs::status(ruta, ec);
    return fs::exists(estado) && !fs::is_regular_file(estado);
}

std::string TextoFalloLectura(EstadoLecturaAcotada estado, const std::string& ruta, std::size_t limite) {
    switch (estado) {
    case EstadoLecturaAcotada::Correcto:
        return {};
    case EstadoLecturaAcotada::NoSePuedeAbrir:
        return "No se puede leer el fichero " + ruta;
    case EstadoLecturaAcotada::NoEsFicheroNormal:
        return "No se puede leer " + ruta + ": no es un fichero normal";
    case EstadoLecturaAcotada::DemasiadoGrande:
        return "El fichero " + ruta + " es demasiado grande (más de " + std::to_string(limite) + " bytes)";
    }
    return {};
}

} // namespace velmo

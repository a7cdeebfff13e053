#include "FicheroEjecutable.h"

#include "EscrituraSegura.h"
#include "LecturaAcotada.h"

#include <sstream>

namespace velmo {

std::string NombreVersion(int ver) {
    switch (ver) {
    case 1:
        return kNombreVLM1;
    case 2:
        return kNombreVLM1Modif;
    case 3:
        return kNombreVLMConfigurable;
    default:
        return {};
    }
}

int CodigoVersionVL(const std::string& nombre) {
    if (nombre == kNombreVLM1) {
        return 0;
    }
    if (nombre == kNombreVLM1Modif) {
        return 1;
    }
    if (nombre == kNombreVLMConfigurable) {
        return 2;
    }
    return -1;
}

ImagenMemoria ImagenLibre() {
    ImagenMemoria imagen;
    for (int i = 0; i < kPalabrasMemoria; ++i) {
        imagen[static_cast<std::size_t>(i)] = PalabraLibre(i);
    }
    return imagen;
}

bool LeeBytesFichero(const std::string& ruta, std::string& bytes, std::size_t limite) {
    // Nothing past what the readers look at is ever read: an endless device costs no more than a real
    // file. A folder cannot be opened.
    LecturaAcotada fichero = LeePrincipioDeFichero(ruta, limite);
    if (fichero.estado != EstadoLecturaAcotada::Correcto) {
        return false;
    }
    bytes = std::move(fichero.bytes);
    return true;
}

LecturaEjecutable LeeFicheroEjecutable(const std::string& ruta) {
    std::string bytes;
    if (!LeeBytesFichero(ruta, bytes, kRegistrosEjecutable * kTamRegInst)) {
        LecturaEjecutable lectura;
        lectura.estado = EstadoLectura::NoSePuedeAbrir;
        return lectura;
    }
    return LeeEjecutable(bytes);
}

LecturaEjecutable LeeEjecutable(std::string_view bytes) {
    LecturaEjecutable lectura;
    std::istringstream in{std::string(bytes)};
    if (!LeeRegInst(in, lectura.cabecera)) {
        lectura.estado = EstadoLectura::CabeceraIncorrecta;
        return lectura;
    }
    lectura.version = CodigoVersionVL(lectura.cabecera.cop);
    if (lectura.version < 0) {
        lectura.estado = EstadoLectura::CabeceraIncorrecta;
        return lectura;
    }
    for (auto& palabra : lectura.palabras) {
        if (!LeeRegInst(in, palabra)) {
            lectura.estado = EstadoLectura::Corrupto;
            return lectura;
        }
        ++lectura.palabrasLeidas;
    }
    lectura.estado = EstadoLectura::Correcto;
    return lectura;
}

TregInst CabeceraEjecutable(const std::string& nombreVersion, const std::string& nombreListado) {
    TregInst cabecera;
    cabecera.direccion = 0;
    cabecera.cop = nombreVersion;
    cabecera.Descripcion = nombreListado; // the record keeps the first 20 bytes on disk
    return cabecera;
}

std::string BytesEjecutable(const TregInst& cabecera, const ImagenMemoria& palabras) {
    std::ostringstream out;
    EscribeRegInst(out, cabecera);
    for (const auto& palabra : palabras) {
        EscribeRegInst(out, palabra);
    }
    return std::move(out).str();
}

bool GuardaFicheroEjecutable(const std::string& ruta, const TregInst& cabecera,
                             const ImagenMemoria& palabras) {
    return GuardaFicheroSeguro(ruta, BytesEjecutable(cabecera, palabras)) == FalloEscritura::Ninguno;
}

} // namespace velmo

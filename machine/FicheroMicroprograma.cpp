#include "FicheroMicroprograma.h"

#include "EscrituraSegura.h"
#include "FicheroEjecutable.h"

#include <array>
#include <sstream>

namespace velmo {

namespace {

using Registro = std::array<unsigned char, kTamRegistroMpr>;
constexpr std::size_t kPalabrasRegistro = kTamRegistroMpr / 2;
constexpr std::size_t kPalabraTest = 9;

std::array<std::uint16_t, kPalabrasRegistro> Palabras(const TMicroInstProgramable& m) {
    return {m.MX10, m.ALU10, m.LorWmem, m.pPc, m.pIr, m.pA, m.pB, m.pFz, m.Salto, m.Test, m.pAux};
}

TMicroInstProgramable DeRegistro(const Registro& r) {
    std::array<std::uint16_t, kPalabrasRegistro> w{};
    for (std::size_t i = 0; i < w.size(); ++i) {
        w[i] = static_cast<std::uint16_t>(r[2 * i] | (r[2 * i + 1] << 8));
    }
    return {w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], w[9], w[10]};
}

Registro ARegistro(const std::array<std::uint16_t, kPalabrasRegistro>& w) {
    Registro r{};
    for (std::size_t i = 0; i < w.size(); ++i) {
        r[2 * i] = static_cast<unsigned char>(w[i] & 0xFF);
        r[2 * i + 1] = static_cast<unsigned char>(w[i] >> 8);
    }
    return r;
}

bool LeeRegistro(std::istream& in, Registro& r) {
    in.read(reinterpret_cast<char*>(r.data()), static_cast<std::streamsize>(r.size()));
    return in.gcount() == static_cast<std::streamsize>(r.size());
}

} // namespace

bool MicroinstruccionValida(const TMicroInstProgramable& m) {
    const auto bit = [](std::uint16_t v) { return v <= 1; };
    return m.MX10 <= 3 && m.ALU10 <= 3 && bit(m.LorWmem) && bit(m.pPc) && bit(m.pIr) && bit(m.pA) &&
           bit(m.pB) && bit(m.pFz) && m.Salto <= 15 && m.Test <= 7 && bit(m.pAux);
}

LecturaMicroprograma LeeFicheroMicroprograma(const std::string& ruta) {
    std::string bytes;
    // A folder cannot be opened; nothing past the 17 records is ever read.
    if (!LeeBytesFichero(ruta, bytes, kRegistrosMpr * kTamRegistroMpr)) {
        LecturaMicroprograma res;
        res.estado = EstadoLecturaMpr::NoSePuedeAbrir;
        return res;
    }
    return LeeMicroprograma(bytes);
}

LecturaMicroprograma LeeMicroprograma(std::string_view bytes) {
    LecturaMicroprograma res;
    std::istringstream in{std::string(bytes)};
    Registro r{};
    if (!LeeRegistro(in, r)) {
        res.estado = EstadoLecturaMpr::CabeceraIlegible;
        return res;
    }
    if (DeRegistro(r).Test != kMagiaMpr) {
        res.estado = EstadoLecturaMpr::CabeceraIncorrecta;
        return res;
    }
    for (auto& m : res.microprograma) {
        if (!LeeRegistro(in, r)) {
            res.estado = EstadoLecturaMpr::Incompleto;
            return res;
        }
        m = DeRegistro(r);
        if (!MicroinstruccionValida(m)) {
            // A value out of its field's range would drive the machine off its tables: refuse it all.
            res.microprograma = {};
            res.leidas = 0;
            res.estado = EstadoLecturaMpr::FueraDeRango;
            return res;
        }
        ++res.leidas;
    }
    res.estado = EstadoLecturaMpr::Correcto;
    return res;
}

std::string BytesMicroprograma(const Microprograma& micro) {
    std::string bytes;
    const auto anade = [&bytes](const Registro& r) { bytes.append(r.begin(), r.end()); };
    std::array<std::uint16_t, kPalabrasRegistro> cabecera{};
    cabecera[kPalabraTest] = kMagiaMpr;
    anade(ARegistro(cabecera));
    for (const auto& m : micro) {
        anade(ARegistro(Palabras(m)));
    }
    return bytes;
}

bool GuardaFicheroMicroprograma(const std::string& ruta, const Microprograma& micro) {
    return GuardaFicheroSeguro(ruta, BytesMicroprograma(micro)) == FalloEscritura::Ninguno;
}

} // namespace velmo

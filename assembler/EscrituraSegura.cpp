#include "EscrituraSegura.h"

#include <random>
#include <system_error>
#include <unistd.h>

namespace velmo {

namespace fs = std::filesystem;

namespace {

// Links are followed one by one (a dangling link names the file to create); a loop ends the walk.
fs::path SigueEnlaces(fs::path ruta) {
    for (int saltos = 0; saltos < 40; ++saltos) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(ruta, ec))) {
            return ruta;
        }
        const fs::path objetivo = fs::read_symlink(ruta, ec);
        if (ec) {
            return ruta;
        }
        ruta = objetivo.is_absolute() ? objetivo : ruta.parent_path() / objetivo;
    }
    return ruta;
}

} // namespace

EscrituraSegura::Bufer::int_type EscrituraSegura::Bufer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

std::streamsize EscrituraSegura::Bufer::xsputn(const char* s, std::streamsize n) {
    if (f_ == nullptr || fallado_) {
        return 0;
    }
    const std::size_t escritos = std::fwrite(s, 1, static_cast<std::size_t>(n), f_);
    if (escritos != static_cast<std::size_t>(n)) {
        fallado_ = true;
    }
    return static_cast<std::streamsize>(escritos);
}

int EscrituraSegura::Bufer::sync() {
    if (f_ == nullptr || fallado_ || std::fflush(f_) != 0) {
        fallado_ = true;
        return -1;
    }
    return 0;
}

EscrituraSegura::EscrituraSegura(fs::path destino) : destino_(SigueEnlaces(std::move(destino))) {}

EscrituraSegura::~EscrituraSegura() {
    Descartar();
}

bool EscrituraSegura::Falla(FalloEscritura fallo) {
    fallo_ = fallo;
    Descartar();
    return false;
}

bool EscrituraSegura::Abrir() {
    std::error_code ec;
    const fs::file_status estado = fs::status(destino_, ec);
    existia_ = fs::exists(estado);
    if (existia_ && !fs::is_regular_file(estado)) {
        return Falla(FalloEscritura::NoEsFicheroNormal);
    }
    if (destino_.filename().empty()) {
        return Falla(FalloEscritura::NoSePuedeCrear);
    }
    // A file its owner made read-only is not replaced behind their back, as no plain write would.
    if (existia_ && ::access(destino_.c_str(), W_OK) != 0) {
        return Falla(FalloEscritura::NoSePuedeEscribir);
    }
    permisos_ = estado.permissions();

    std::random_device azar;
    std::uniform_int_distribution<unsigned> cifra(0, 35);
    for (int intento = 0; intento < 100 && fichero_ == nullptr; ++intento) {
        std::string nombre = "." + destino_.filename().string() + ".";
        for (int i = 0; i < 8; ++i) {
            const unsigned c = cifra(azar);
            nombre += static_cast<char>(c < 10 ? '0' + c : 'a' + (c - 10));
        }
        temporal_ = destino_.parent_path() / (nombre + ".tmp");
        // "x": created here and now, never an existing file or a link someone left under that name.
        fichero_ = std::fopen(temporal_.string().c_str(), "wbx");
        if (fichero_ == nullptr && fs::exists(fs::symlink_status(temporal_, ec)) == false) {
            break; // the folder itself refuses
        }
    }
    if (fichero_ == nullptr) {
        temporal_.clear();
        return Falla(FalloEscritura::NoSePuedeCrear);
    }
    // Recorded traces run to hundreds of megabytes: write them in large blocks.
    std::setvbuf(fichero_, nullptr, _IOFBF, std::size_t{1} << 18);
    if (existia_) {
        // Before any byte is written: the contents of a private file are never readable by others.
        std::error_code ec2;
        fs::permissions(temporal_, permisos_, fs::perm_options::replace, ec2);
    }
    bufer_.Asigna(fichero_);
    flujo_.clear();
    return true;
}

bool EscrituraSegura::Confirmar() {
    if (fichero_ == nullptr) {
        return Falla(fallo_ == FalloEscritura::Ninguno ? FalloEscritura::NoSePuedeCrear : fallo_);
    }
    flujo_.flush();
    const bool escrito =
        !bufer_.Fallado() && flujo_.good() && std::fflush(fichero_) == 0 && !std::ferror(fichero_);
    const bool cerrado = std::fclose(fichero_) == 0;
    fichero_ = nullptr;
    bufer_.Asigna(nullptr);
    if (!escrito || !cerrado) {
        return Falla(FalloEscritura::NoSePuedeEscribir);
    }
    std::error_code ec;
    fs::rename(temporal_, destino_, ec);
    if (ec) {
        return Falla(FalloEscritura::NoSePuedeEscribir);
    }
    temporal_.clear();
    fallo_ = FalloEscritura::Ninguno;
    return true;
}

void EscrituraSegura::Descartar() {
    if (fichero_ != nullptr) {
        std::fclose(fichero_);
        fichero_ = nullptr;
        bufer_.Asigna(nullptr);
    }
    if (!temporal_.empty()) {
        std::error_code ec;
        fs::remove(temporal_, ec);
        temporal_.clear();
    }
}

FalloEscritura GuardaFicheroSeguro(const fs::path& ruta, std::string_view bytes) {
    EscrituraSegura escritura(ruta);
    if (!escritura.Abrir()) {
        return escritura.Fallo();
    }
    escritura.Flujo().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    escritura.Confirmar();
    return escritura.Fallo();
}

std::string TextoFalloEscritura(FalloEscritura fallo, const std::string& ruta) {
    switch (fallo) {
    case FalloEscritura::Ninguno:
        return {};
    case FalloEscritura::NoEsFicheroNormal:
        return "No se puede escribir en " + ruta + ": no es un fichero normal";
    case FalloEscritura::NoSePuedeCrear:
        return "No se puede crear el fichero " + ruta;
    case FalloEscritura::NoSePuedeEscribir:
        return "No se puede escribir el fichero " + ruta;
    }
    return {};
}

} // namespace velmo

#pragma once
// Writing a user's file without ever losing it: the bytes go to a new temporary file beside the file that is
// kept, and take its place only once they are all written. A symbolic link is followed to the file it names,
// which is the one replaced; that file's permissions are kept; anything that is not a regular file (a device,
// a folder, a pipe) is refused and left as it is. Every save of the program goes through here.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace velmo {

enum class FalloEscritura {
    Ninguno,
    NoEsFicheroNormal, ///< the path names a device, a folder or a pipe
    NoSePuedeCrear,    ///< the folder does not exist or does not let us create the temporary file
    NoSePuedeEscribir, ///< the disk filled up or the system refused a write; nothing was replaced
};

class EscrituraSegura {
public:
    explicit EscrituraSegura(std::filesystem::path destino);
    /// Removes the temporary file of a write that was never confirmed.
    ~EscrituraSegura();
    EscrituraSegura(const EscrituraSegura&) = delete;
    EscrituraSegura& operator=(const EscrituraSegura&) = delete;

    /// Resolves the destination and creates the temporary file (exclusively, under a name of its own).
    bool Abrir();
    /// The temporary file as a stream; valid after a successful Abrir.
    std::ostream& Flujo() { return flujo_; }
    /// Writes out what is pending and puts the file in place. On any failure the old file stays untouched and
    /// the temporary file is removed.
    bool Confirmar();
    void Descartar();

    FalloEscritura Fallo() const { return fallo_; }
    /// The file the bytes land in: the destination, or the file its symbolic links lead to.
    const std::filesystem::path& Destino() const { return destino_; }

private:
    class Bufer : public std::streambuf {
    public:
        void Asigna(std::FILE* f) { f_ = f; }
        bool Fallado() const { return fallado_; }

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override;

    private:
        std::FILE* f_ = nullptr;
        bool fallado_ = false;
    };

    bool Falla(FalloEscritura fallo);

    std::filesystem::path destino_;
    std::filesystem::path temporal_;
    std::FILE* fichero_ = nullptr;
    Bufer bufer_;
    std::ostream flujo_{&bufer_};
    FalloEscritura fallo_ = FalloEscritura::Ninguno;
    bool existia_ = false;
    std::filesystem::perms permisos_ = std::filesystem::perms::none;
};

/// The whole of `bytes` saved at `ruta` through an EscrituraSegura.
FalloEscritura GuardaFicheroSeguro(const std::filesystem::path& ruta, std::string_view bytes);

/// A short Spanish reason for a failed save of `ruta`, for the boxes and the command-line tools.
std::string TextoFalloEscritura(FalloEscritura fallo, const std::string& ruta);

} // namespace velmo

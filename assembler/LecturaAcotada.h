#pragma once
// Reading a user's file with a bound: never more than the largest file of its kind can hold, whatever the
// system says of its size (a device or a growing file lies), so a wrong file is refused instead of filling
// the memory. The desktop program also refuses what is not a regular file: a pipe would freeze it.

#include <cstddef>
#include <filesystem>
#include <string>

namespace velmo {

enum class EstadoLecturaAcotada {
    Correcto,
    NoSePuedeAbrir,
    NoEsFicheroNormal,
    DemasiadoGrande, ///< more than the limit: nothing read is kept
};

struct LecturaAcotada {
    EstadoLecturaAcotada estado = EstadoLecturaAcotada::NoSePuedeAbrir;
    std::string bytes;
};

enum class TipoFicheroLeido {
    SoloNormal,     ///< the desktop program: only regular files
    TambienTuberias ///< the command-line tools: pipes and /dev/stdin as well
};

LecturaAcotada LeeFicheroAcotado(const std::filesystem::path& ruta, std::size_t limite,
                                 TipoFicheroLeido tipo = TipoFicheroLeido::TambienTuberias);

/// At most the first `limite` bytes of `ruta`, for files of fixed-size records whose readers never look
/// past them: a longer file is not refused, and an endless device is read no further.
LecturaAcotada LeePrincipioDeFichero(const std::filesystem::path& ruta, std::size_t limite,
                                     TipoFicheroLeido tipo = TipoFicheroLeido::TambienTuberias);

/// True when `ruta` exists and is not a regular file (a pipe, a device, a folder): the desktop program
/// opens none of them. A missing path is not refused here; opening it fails on its own.
bool NoEsFicheroNormal(const std::filesystem::path& ruta);

/// A short Spanish reason for a failed read of `ruta` (empty when it was read).
std::string TextoFalloLectura(EstadoLecturaAcotada estado, const std::string& ruta, std::size_t limite);

/// The largest source text either front end takes.
inline constexpr std::size_t kLimiteFuente = 16 * 1024 * 1024;

} // namespace velmo

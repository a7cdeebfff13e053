#pragma once
// The command-line tools the tests run as programs. By default the native build's; when the environment
// variable VELMO_HERRAMIENTAS names a folder, the programs of that name in it (the WebAssembly build's,
// launched under Node), so that the same tests check both builds.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace velmo::pruebas {

/// The folder of the tools under test, or empty for the native build's.
inline std::string CarpetaHerramientas() {
    const char* carpeta = std::getenv("VELMO_HERRAMIENTAS");
    return carpeta != nullptr ? carpeta : "";
}

/// The program of the tool `nombre` ("velmo-montador", "velmo-sim"); `nativa` is the native build's.
inline std::string Herramienta(const std::string& nombre, const std::string& nativa) {
    const std::string carpeta = CarpetaHerramientas();
    return carpeta.empty() ? nativa : (std::filesystem::path(carpeta) / nombre).string();
}

/// `texto` as one word of a shell command.
inline std::string ComillasShell(const std::string& texto) {
    std::string r = "'";
    for (const char c : texto) {
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return r + "'";
}

/// Runs a shell command and returns its exit status (-1 when it did not exit normally).
inline int EjecutaOrden(const std::string& orden) {
    const int r = std::system(orden.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

} // namespace velmo::pruebas

#pragma once
// A private folder for the files one fuzzing process writes and reads back. Every input reuses the same
// names, so the folder never grows; it is removed when the process ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace velmo::fuzz {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::error_code ec;
        auto base = std::filesystem::temp_directory_path(ec);
        if (ec) {
            base = "/tmp";
        }
        std::string plantilla = (base / "velmo-fuzz-XXXXXX").string();
        if (mkdtemp(plantilla.data()) == nullptr) {
            throw std::runtime_error("no se puede crear la carpeta temporal");
        }
        ruta_ = plantilla;
    }
    ~CarpetaTemporal() {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    std::string Ruta(const std::string& nombre) const { return (ruta_ / nombre).string(); }

    /// Writes `bytes` to `nombre` inside the folder and returns its path.
    std::string Escribe(const std::string& nombre, std::string_view bytes) const {
        const std::string ruta = Ruta(nombre);
        std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("no se puede escribir " + ruta);
        }
        return ruta;
    }

private:
    std::filesystem::path ruta_;
};

/// One folder per process, made on first use.
inline CarpetaTemporal& Carpeta() {
    static CarpetaTemporal carpeta;
    return carpeta;
}

} // namespace velmo::fuzz

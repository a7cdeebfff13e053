#pragma once
// A fresh private folder under the system's temporary folder, removed with everything in it at the end.
// Tests and fuzzing processes run in parallel: mkdtemp gives each its own name.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace velmo::pruebas {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::error_code ec;
        auto base = std::filesystem::temp_directory_path(ec);
        if (ec) {
            base = "/tmp";
        }
        std::string plantilla = (base / "velmo-XXXXXX").string();
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
    const std::filesystem::path& Raiz() const { return ruta_; }

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

} // namespace velmo::pruebas

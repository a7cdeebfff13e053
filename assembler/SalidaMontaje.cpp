#include "SalidaMontaje.h"

#include <filesystem>
#include <system_error>

namespace velmo {

void SalidaFichero::Crea() {
    fichero_.open(ruta_, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!fichero_) {
        throw ErrorFicheroMontaje("Error: no se puede crear el fichero " + ruta_);
    }
    creado_ = true;
}

bool SalidaFichero::AnadeRegistro(const TregInst& reg) {
    // Written as it comes, so a full disk fails the assembly where it happens.
    if (EscribeRegInst(fichero_, reg) && fichero_.flush()) {
        return true;
    }
    fichero_.clear();
    return false;
}

void SalidaFichero::Termina(const std::string& listado, const std::string& ejecutable) {
    fichero_.close();
    const std::string rutaListado = ruta_ + ".txt";
    std::ofstream texto(rutaListado, std::ios::binary | std::ios::trunc);
    if (!texto) {
        throw ErrorFicheroMontaje("Error: no se puede crear el fichero " + rutaListado);
    }
    {
        std::ofstream out(ruta_, std::ios::binary | std::ios::trunc);
        out.write(ejecutable.data(), static_cast<std::streamsize>(ejecutable.size()));
        out.close();
        if (!out) {
            throw ErrorFicheroMontaje("Error: no se puede escribir el fichero " + ruta_);
        }
    }
    texto.write(listado.data(), static_cast<std::streamsize>(listado.size()));
    texto.close();
    if (texto.fail()) {
        throw ErrorFicheroMontaje("Error: no se puede escribir el fichero " + rutaListado);
    }
}

bool SalidaFichero::Descarta() {
    if (fichero_.is_open()) {
        fichero_.close();
    }
    if (!creado_) {
        return false;
    }
    std::error_code error;
    return std::filesystem::remove(ruta_, error) && !error;
}

} // namespace velmo

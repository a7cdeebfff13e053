#include "SalidaMontaje.h"

namespace velmo {

namespace {

std::string TextoFallo(FalloEscritura fallo, const std::string& ruta) {
    const bool crear = fallo == FalloEscritura::NoSePuedeCrear || fallo == FalloEscritura::NoEsFicheroNormal;
    return std::string(crear ? "Error: no se puede crear el fichero "
                             : "Error: no se puede escribir el fichero ") +
           ruta;
}

} // namespace

void SalidaFichero::Crea() {
    ejecutable_ = std::make_unique<EscrituraSegura>(ruta_);
    if (!ejecutable_->Abrir()) {
        const FalloEscritura fallo = ejecutable_->Fallo();
        ejecutable_.reset();
        throw ErrorFicheroMontaje(TextoFallo(fallo, ruta_));
    }
}

void SalidaFichero::Termina(const std::string& listado, const std::string& ejecutable) {
    std::ostream& out = ejecutable_->Flujo();
    out.write(ejecutable.data(), static_cast<std::streamsize>(ejecutable.size()));
    if (!out.flush()) {
        throw ErrorFicheroMontaje(TextoFallo(FalloEscritura::NoSePuedeEscribir, ruta_));
    }
    const std::string rutaListado = ruta_ + ".txt";
    const FalloEscritura fallo = GuardaFicheroSeguro(rutaListado, listado);
    if (fallo != FalloEscritura::Ninguno) {
        throw ErrorFicheroMontaje(TextoFallo(fallo, rutaListado));
    }
}

bool SalidaFichero::Confirma() {
    return ejecutable_ != nullptr && ejecutable_->Confirmar();
}

bool SalidaFichero::Descarta() {
    const bool habia = ejecutable_ != nullptr;
    ejecutable_.reset();
    return habia;
}

} // namespace velmo

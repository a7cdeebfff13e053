#include "AnfitrionSinVentanas.h"

#include <ostream>

namespace velmo {

AnfitrionSinVentanas::AnfitrionSinVentanas(std::ostream* traza)
    : microprograma(MicroprogramaInicial()), traza_(traza) {
    SetPausaReloj(false);
}

void AnfitrionSinVentanas::MuestraMensaje(const std::string& texto, const std::string&, IconoMensaje) {
    mensajes_.push_back(texto);
}

bool AnfitrionSinVentanas::PreguntaSiNo(const std::string&, const std::string&) {
    ++preguntas_;
    return true;
}

Respuesta AnfitrionSinVentanas::PreguntaSiNoCancelar(const std::string&, const std::string&) {
    ++preguntas_;
    return Respuesta::Si;
}

void AnfitrionSinVentanas::AnadeLineaTraza(const std::string& linea) {
    if (traza_ != nullptr) {
        *traza_ << linea << '\n';
    }
}

int AnfitrionSinVentanas::OpcionAlu(int cop) {
    if (cop < 0 || cop >= static_cast<int>(opcionesAlu.size())) {
        return -1;
    }
    return opcionesAlu[static_cast<std::size_t>(cop)];
}

} // namespace velmo

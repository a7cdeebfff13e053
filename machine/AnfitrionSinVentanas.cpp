#include "AnfitrionSinVentanas.h"

#include <ostream>
#include <streambuf>

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
    if (traza_ == nullptr) {
        return;
    }
    // Straight into the stream's buffer: a traced run writes several lines a cycle, and the formatted
    // output's guard object and the flush of a tied stream cost more than the line. What was written to the
    // tied stream before this host's first line still comes first; nothing is written there during a run.
    if (!tieVaciado_) {
        tieVaciado_ = true;
        if (std::ostream* atada = traza_->tie()) {
            atada->flush();
        }
    }
    std::streambuf* destino = traza_->rdbuf();
    const auto n = static_cast<std::streamsize>(linea.size());
    if (destino == nullptr || destino->sputn(linea.data(), n) != n ||
        destino->sputc('\n') == std::char_traits<char>::eof()) {
        traza_->setstate(std::ios::badbit);
    }
}

int AnfitrionSinVentanas::OpcionAlu(int cop) {
    if (cop < 0 || cop >= static_cast<int>(opcionesAlu.size())) {
        return -1;
    }
    return opcionesAlu[static_cast<std::size_t>(cop)];
}

} // namespace velmo

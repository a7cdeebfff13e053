#include "AnfitrionSinVentanas.h"

#include <ostream>

namespace velmo {
namespace {

// Every row of a freshly created microprogram editor: PC to memory, IR loads, jump to row 1 on test 1.
Microprograma MicroprogramaDelEditor() {
    TMicroInstProgramable m;
    m.MX10 = 1;
    m.ALU10 = 1;
    m.pIr = 1;
    m.Salto = 1;
    m.Test = 1;
    Microprograma p;
    p.fill(m);
    return p;
}

} // namespace

AnfitrionSinVentanas::AnfitrionSinVentanas(std::ostream* traza)
    : microprograma(MicroprogramaDelEditor()), traza_(traza) {
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

#include "AnfitrionWeb.h"

#include <cstddef>
#include <utility>

namespace velmo {

using emscripten::val;

namespace {

const char* NombreIcono(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Error:
        return "error";
    case IconoMensaje::Aviso:
        return "aviso";
    case IconoMensaje::Informacion:
        return "informacion";
    case IconoMensaje::Pregunta:
        return "pregunta";
    }
    return "informacion";
}

} // namespace

val CajaJs(const std::string& texto, const std::string& titulo, IconoMensaje icono) {
    val caja = val::object();
    caja.set("texto", texto);
    caja.set("titulo", titulo);
    caja.set("icono", std::string(NombreIcono(icono)));
    return caja;
}

AnfitrionWeb::AnfitrionWeb(val pagina) : pagina_(std::move(pagina)) {
    SetPausaReloj(false);
}

bool AnfitrionWeb::Tiene(const char* metodo) const {
    return !pagina_.isUndefined() && !pagina_.isNull() &&
           pagina_[metodo].typeOf().as<std::string>() == "function";
}

void AnfitrionWeb::MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) {
    if (Tiene("mensaje")) {
        pagina_.call<void>("mensaje", CajaJs(texto, titulo, icono));
    }
}

bool AnfitrionWeb::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    return !Tiene("pregunta") || pagina_.call<bool>("pregunta", texto, titulo);
}

Respuesta AnfitrionWeb::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    return PreguntaSiNo(texto, titulo) ? Respuesta::Si : Respuesta::No;
}

int AnfitrionWeb::OpcionAlu(int cop) {
    return cop >= 0 && cop < 4 ? opcionesAlu[static_cast<std::size_t>(cop)] : -1;
}

void AnfitrionWeb::AvisoBreakpoint() {
    if (Tiene("avisoBreakpoint")) {
        pagina_.call<void>("avisoBreakpoint");
    }
}

} // namespace velmo

#include "AnfitrionWeb.h"

#include <cstddef>
#include <stdexcept>
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

val AnfitrionWeb::Llama(const char* metodo, const val& a, const val& b) {
    const val r = val::module_property("_llamaPagina")(pagina_, std::string(metodo), a, b);
    if (r.hasOwnProperty("error")) {
        throw std::runtime_error("La página falló al contestar: " + r["error"].as<std::string>());
    }
    return r["valor"];
}

void AnfitrionWeb::MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) {
    if (Tiene("mensaje")) {
        Llama("mensaje", CajaJs(texto, titulo, icono), val::undefined());
    }
}

bool AnfitrionWeb::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    return !Tiene("pregunta") || Llama("pregunta", val(texto), val(titulo)).as<bool>();
}

Respuesta AnfitrionWeb::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    return PreguntaSiNo(texto, titulo) ? Respuesta::Si : Respuesta::No;
}

int AnfitrionWeb::OpcionAlu(int cop) {
    return cop >= 0 && cop < 4 ? opcionesAlu[static_cast<std::size_t>(cop)] : -1;
}

void AnfitrionWeb::AvisoBreakpoint() {
    if (Tiene("avisoBreakpoint")) {
        Llama("avisoBreakpoint", val::undefined(), val::undefined());
    }
}

} // namespace velmo

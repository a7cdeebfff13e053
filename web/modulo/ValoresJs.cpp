#include "ValoresJs.h"

#include "ArgumentosSim.h"
#include "FicheroMicroprograma.h"

#include <emscripten/val.h>

#include <array>
#include <cmath>
#include <cstddef>

namespace velmo {

using emscripten::typed_memory_view;
using emscripten::val;

namespace {

const char* NombreFin(FinEjecucion fin) {
    switch (fin) {
    case FinEjecucion::Completada:
        return "completada";
    case FinEjecucion::Breakpoint:
        return "breakpoint";
    case FinEjecucion::InstruccionIncompleta:
        return "instruccionIncompleta";
    case FinEjecucion::LimiteCiclos:
        return "limiteCiclos";
    case FinEjecucion::DetenidaPorUsuario:
        return "detenidaPorUsuario";
    case FinEjecucion::SinBreakpoints:
        return "sinBreakpoints";
    case FinEjecucion::NadaQueDeshacer:
        return "nadaQueDeshacer";
    case FinEjecucion::Error:
        return "error";
    }
    return "error";
}

const char* NombreClase(ClaseMensaje clase) {
    switch (clase) {
    case ClaseMensaje::Error:
        return "error";
    case ClaseMensaje::Aviso:
        return "aviso";
    case ClaseMensaje::Detalle:
        return "detalle";
    case ClaseMensaje::Encabezado:
        return "encabezado";
    case ClaseMensaje::Informe:
        return "informe";
    }
    return "informe";
}

template <class T, class F> val Lista(const T& elementos, F&& convierte) {
    val lista = val::array();
    for (const auto& e : elementos) {
        lista.call<void>("push", convierte(e));
    }
    return lista;
}

val Tabla(const std::vector<EntradaTablaFoto>& entradas) {
    return Lista(entradas, [](const EntradaTablaFoto& e) {
        val v = val::object();
        v.set("nombre", e.nombre);
        v.set("valor", e.valor);
        return v;
    });
}

// The fields in the order of the .mpr words.
using CampoMicro = std::uint16_t TMicroInstProgramable::*;
struct NombreCampo {
    const char* nombre;
    CampoMicro campo;
};
constexpr std::array<NombreCampo, 11> kCamposMicro{{
    {"MX10", &TMicroInstProgramable::MX10},
    {"ALU10", &TMicroInstProgramable::ALU10},
    {"LorWmem", &TMicroInstProgramable::LorWmem},
    {"pPc", &TMicroInstProgramable::pPc},
    {"pIr", &TMicroInstProgramable::pIr},
    {"pA", &TMicroInstProgramable::pA},
    {"pB", &TMicroInstProgramable::pB},
    {"pFz", &TMicroInstProgramable::pFz},
    {"Salto", &TMicroInstProgramable::Salto},
    {"Test", &TMicroInstProgramable::Test},
    {"pAux", &TMicroInstProgramable::pAux},
}};

} // namespace

std::string BytesDeJs(const val& bytes) {
    if (bytes.isUndefined() || bytes.isNull() || !bytes["length"].isNumber()) {
        LanzaErrorJs("Se esperaban bytes (Uint8Array)");
    }
    const auto n = bytes["length"].as<std::size_t>();
    std::string s(n, '\0');
    if (n > 0) {
        val(typed_memory_view(n, reinterpret_cast<unsigned char*>(s.data()))).call<void>("set", bytes);
    }
    return s;
}

val BytesAJs(const std::string& bytes) {
    return val(typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<val>("slice");
}

std::int64_t EnteroDeJs(const val& v, std::int64_t porOmision) {
    if (v.isUndefined()) {
        return porOmision;
    }
    if (!v.isNumber()) {
        LanzaErrorJs("Se esperaba un número entero");
    }
    const double d = v.as<double>();
    // Beyond 2^53 a double is no longer a whole count anyone asked for.
    if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9007199254740992.0) {
        LanzaErrorJs("Se esperaba un número entero");
    }
    return static_cast<std::int64_t>(d);
}

val ResultadoAJs(const ResultadoEjecucion& r) {
    val v = val::object();
    v.set("fin", std::string(NombreFin(r.fin)));
    v.set("ciclos", static_cast<double>(r.ciclos));
    v.set("instrucciones", static_cast<double>(r.instrucciones));
    v.set("error", r.error);
    return v;
}

std::string NombreTipoControl(TTipoControl tipo) {
    return NombreControl(tipo);
}

TipoEjecucion TipoEjecucionDeJs(const std::string& tipo) {
    if (tipo == "ciclos") {
        return TipoEjecucion::Ciclos;
    }
    if (tipo == "instrucciones") {
        return TipoEjecucion::Instrucciones;
    }
    if (tipo == "breakpoint") {
        return TipoEjecucion::HastaBreakpoint;
    }
    LanzaErrorJs("Tipo de ejecución desconocido: " + tipo);
}

val FotoAJs(const FotoEstado& f) {
    val v = val::object();
    v.set("version", f.version);
    v.set("control", NombreTipoControl(f.control));
    v.set("ciclos", f.ciclos);
    v.set("instrucciones", f.instrucciones);
    v.set("estado", f.estado);
    v.set("filaActual", f.filaActual);
    v.set("filaMicroprograma", f.filaMicroprograma);
    v.set("finInstruccion", f.finInstruccion);
    v.set("pc", f.pc);
    v.set("ir", f.ir);
    v.set("a", f.a);
    v.set("b", f.b);
    v.set("fz", f.fz);
    v.set("regAux", f.regAux);
    v.set("regAuxActivo", f.regAuxActivo);
    v.set("regAuxLeido", f.regAuxLeido);
    v.set("memoria", Lista(f.memoria, [](const FilaMemoriaFoto& fila) {
              val m = val::object();
              m.set("valor", fila.valor);
              m.set("textos", Lista(fila.textos, [](const std::string& t) { return val(t); }));
              m.set("breakpoint", fila.breakpoint);
              m.set("imagen", fila.imagen);
              return m;
          }));
    v.set("registros", Tabla(f.registros));
    v.set("senalesMemoria", Tabla(f.senalesMemoria));
    v.set("senalesControl", Tabla(f.senalesControl));
    v.set("senales", Lista(f.senales, [](const SenalFoto& s) {
              val m = val::object();
              m.set("nombre", s.nombre);
              m.set("valor", s.valor);
              m.set("activa", s.activa);
              return m;
          }));
    v.set("cablesControl", Lista(f.cablesControl, [](bool b) { return val(b); }));
    v.set("captions", Lista(f.captions, [](const std::string& t) { return val(t); }));
    v.set("mensajes", Lista(f.mensajes, [](const std::string& t) { return val(t); }));
    return v;
}

val MontajeAJs(const MontajeEnMemoria& m, val cajas) {
    val v = val::object();
    v.set("correcto", m.correcto);
    v.set("lineaPrimerError", m.lineaPrimerError);
    v.set("mensajes", Lista(m.registros, [](const MensajeMontaje& r) {
              val e = val::object();
              e.set("clase", std::string(NombreClase(r.clase)));
              e.set("linea", r.linea);
              e.set("texto", r.texto);
              return e;
          }));
    v.set("cajas", std::move(cajas));
    v.set("ejecutable", BytesAJs(m.ejecutable));
    v.set("listado", BytesAJs(m.listado));
    return v;
}

val MicroinstruccionAJs(const TMicroInstProgramable& m) {
    val v = val::object();
    for (const NombreCampo& c : kCamposMicro) {
        v.set(c.nombre, m.*c.campo);
    }
    return v;
}

val MicroprogramaAJs(const Microprograma& p, int filas) {
    val lista = val::array();
    for (int i = 0; i < filas && i < kMicroinstrucciones; ++i) {
        lista.call<void>("push", MicroinstruccionAJs(p[static_cast<std::size_t>(i)]));
    }
    return lista;
}

TMicroInstProgramable MicroinstruccionDeJs(const val& m) {
    if (m.isUndefined() || m.isNull()) {
        LanzaErrorJs("Microinstrucción no válida");
    }
    TMicroInstProgramable r;
    for (const NombreCampo& c : kCamposMicro) {
        const std::int64_t x = EnteroDeJs(m[c.nombre], -1);
        if (x < 0 || x > 0xFFFF) {
            LanzaErrorJs(std::string("Microinstrucción no válida: campo ") + c.nombre);
        }
        r.*c.campo = static_cast<std::uint16_t>(x);
    }
    return r;
}

Microprograma MicroprogramaDeJs(const val& p) {
    if (!val::global("Array").call<bool>("isArray", p) || p["length"].as<int>() != kMicroinstrucciones) {
        LanzaErrorJs("Un microprograma tiene 16 microinstrucciones");
    }
    Microprograma r;
    for (int i = 0; i < kMicroinstrucciones; ++i) {
        r[static_cast<std::size_t>(i)] = MicroinstruccionDeJs(p[i]);
        if (!MicroinstruccionValida(r[static_cast<std::size_t>(i)])) {
            LanzaErrorJs("Microinstrucción " + std::to_string(i) + " fuera de rango");
        }
    }
    return r;
}

} // namespace velmo

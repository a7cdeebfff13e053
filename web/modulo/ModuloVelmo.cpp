// The page module: the core's assembler, engine, microprogram file and highlighter bound for JavaScript
// (embind). Every rule comes from the core; this file only converts values and keeps one simulation with
// its run in slices. The JavaScript face (optional arguments, the run object) is in velmo-post.js and its
// types in velmo.d.ts.

#include "AnfitrionWeb.h"
#include "CodificacionTexto.h"
#include "DibujoDatos.h"
#include "Ejercicio.h"
#include "Evaluacion.h"
#include "FicheroMicroprograma.h"
#include "FrameUP.h"
#include "InformesEvaluacion.h"
#include "LecturaAcotada.h"
#include "PlantillasFuente.h"
#include "SesionSimulacion.h"
#include "TextosMicroprograma.h"
#include "TrazaCiclos.h"
#include "ValoresJs.h"
#include "VelmoHighlighter.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

namespace velmo {

using emscripten::val;

namespace {

/// Runs `f`; what it throws reaches the page as a JavaScript Error, raised once the C++ frames are gone.
template <class F> auto Protege(F&& f) -> decltype(f()) {
    std::string error;
    try {
        return f();
    } catch (const std::exception& e) {
        error = e.what();
    }
    val::global("Error").new_(error).throw_();
}

/// The assembler's boxes, kept for the result.
class AnfitrionMontaje : public Anfitrion {
public:
    val cajas = val::array();

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override {
        cajas.call<void>("push", CajaJs(texto, titulo, icono));
    }
    bool PreguntaSiNo(const std::string&, const std::string&) override { return true; }
    Respuesta PreguntaSiNoCancelar(const std::string&, const std::string&) override { return Respuesta::Si; }
    bool TrazaActiva() const override { return false; }
    void AnadeLineaTraza(const std::string&) override {}
};

TTipoControl ControlDeJs(const val& v) {
    if (v.isUndefined()) {
        return tnormal;
    }
    const std::string nombre = v.isString() ? v.as<std::string>() : std::string();
    for (TTipoControl t : {tnormal, toptimizado, tMicroprogramado}) {
        if (nombre == NombreTipoControl(t)) {
            return t;
        }
    }
    LanzaErrorJs("Tipo de control desconocido: " + nombre);
}

std::array<int, 4> OpcionesAluDeJs(const val& v) {
    if (!val::global("Array").call<bool>("isArray", v) || v["length"].as<int>() != 4) {
        LanzaErrorJs("Las opciones de la ALU son cuatro números");
    }
    std::array<int, 4> r{};
    for (int i = 0; i < 4; ++i) {
        const std::int64_t x = EnteroDeJs(v[i], -2);
        if (x < -1 || x > 3) {
            LanzaErrorJs("Opción de la ALU fuera de rango");
        }
        r[static_cast<std::size_t>(i)] = static_cast<int>(x);
    }
    return r;
}

std::string Texto(const val& v) {
    if (!v.isString()) {
        LanzaErrorJs("Se esperaba un texto");
    }
    return v.as<std::string>();
}

// ------------------------------------------------------------------------------------------------------

/// One simulation opened by the page, with its history and at most one run in slices.
class SimulacionWeb {
public:
    SimulacionWeb(const val& opciones, val anfitrion) : anfitrion_(std::move(anfitrion)) {
        if (opciones.isUndefined() || opciones.isNull()) {
            LanzaErrorJs("Faltan las opciones de apertura");
        }
        anfitrion_.control = ControlDeJs(opciones["control"]);
        if (!opciones["microprograma"].isUndefined()) {
            anfitrion_.microprograma = MicroprogramaDeJs(opciones["microprograma"]);
        }
        if (!opciones["alu"].isUndefined()) {
            anfitrion_.opcionesAlu = OpcionesAluDeJs(opciones["alu"]);
        }
        OrigenSimulacion origen;
        origen.nombre =
            opciones["nombre"].isUndefined() ? std::string("programa.vlx") : Texto(opciones["nombre"]);
        origen.bytes = BytesDeJs(opciones["ejecutable"]);
        sesion_ = std::make_unique<SesionSimulacion>(anfitrion_, std::move(origen));
    }

    std::string Apertura() const {
        switch (sesion_->Apertura()) {
        case EstadoApertura::Correcto:
            return "correcto";
        case EstadoApertura::CabeceraIncorrecta:
            return "cabeceraIncorrecta";
        case EstadoApertura::Corrupto:
            return "corrupto";
        }
        return "correcto";
    }

    val Ciclo() {
        return Orden([&] { return sesion_->Ciclo(); });
    }
    val Instruccion() {
        return Orden([&] { return sesion_->Instruccion(); });
    }
    val Instrucciones(val n, val maxCiclos) {
        return Orden([&] { return sesion_->Instrucciones(EnteroDeJs(n, 1), Limite(maxCiclos)); });
    }
    val HastaBreakpoint(val maxCiclos) {
        return Orden([&] { return sesion_->HastaBreakpoint(Limite(maxCiclos)); });
    }
    val CicloAnterior() {
        return Orden([&] { return sesion_->CicloAnterior(); });
    }
    val InstruccionAnterior() {
        return Orden([&] { return sesion_->InstruccionAnterior(); });
    }

    /// Starts a run in slices (ending the one under way, if any); its number for Avanza.
    int PorTramos(const std::string& tipo, val n, val maxCiclos) {
        const Ocupada ocupada(*this);
        const TipoEjecucion t = TipoEjecucionDeJs(tipo);
        const std::int64_t cuantos = EnteroDeJs(n, 1);
        tramos_ = std::make_unique<EjecucionPorTramos>(sesion_->PorTramos(t, cuantos, Limite(maxCiclos)));
        return ++numeroTramos_;
    }
    /// Null while the run goes on. A run ended by another command or by a reset reports that it was
    /// stopped, with nothing run.
    val Avanza(int numero, val maxCiclos) {
        if (numero != numeroTramos_ || !tramos_) {
            ResultadoEjecucion r;
            r.fin = FinEjecucion::DetenidaPorUsuario;
            return ResultadoAJs(r);
        }
        const Ocupada ocupada(*this);
        const std::int64_t tramo = EnteroDeJs(maxCiclos, 1);
        if (tramo < 1) {
            LanzaErrorJs("Cada tramo ejecuta al menos un ciclo");
        }
        const std::optional<ResultadoEjecucion> r = tramos_->Avanza(tramo);
        return r ? ResultadoAJs(*r) : val::null();
    }
    void DetenerTramos(int numero) {
        if (numero == numeroTramos_ && tramos_) {
            tramos_->Detener();
        }
    }

    void Reinicia() {
        const Ocupada ocupada(*this);
        tramos_.reset();
        sesion_->Reinicia();
    }
    void ConmutaBreakpoint(int fila) { sesion_->Motor().FrameMemoria().TablaMemoriaSelectCell(0, fila); }
    val Foto() const { return FotoAJs(sesion_->Foto()); }

    std::string Traza(bool vcd) const {
        std::ostringstream salida;
        std::unique_ptr<EscritorTraza> escritor;
        if (vcd) {
            escritor = std::make_unique<TrazaVcd>(salida);
        } else {
            escritor = std::make_unique<TrazaCsv>(salida);
        }
        const Historia* historia = sesion_->Historial();
        if (historia == nullptr ||
            !historia->Recorre([&](const TSimuladorVelmo& s) { escritor->Escribe(TomaMuestra(s)); })) {
            LanzaErrorJs("No se ha podido reconstruir la historia de la simulación");
        }
        return salida.str();
    }

    void SetOpcionesAlu(val alu) { anfitrion_.opcionesAlu = OpcionesAluDeJs(alu); }
    void SetMicroprograma(val m) { anfitrion_.microprograma = MicroprogramaDeJs(m); }

    /// A command is under way: the page is answering one of its boxes or questions.
    bool EnCurso() const { return ocupada_; }

private:
    /// While a command runs, the page's answers may look (foto), stop (detener) or choose (breakpoints,
    /// options), but not start another command: that would pull the run out from under itself.
    class Ocupada {
    public:
        explicit Ocupada(SimulacionWeb& s) : s_(s) {
            if (s_.ocupada_) {
                LanzaErrorJs("La simulación está ejecutando otra orden");
            }
            s_.ocupada_ = true;
        }
        ~Ocupada() { s_.ocupada_ = false; }
        Ocupada(const Ocupada&) = delete;
        Ocupada& operator=(const Ocupada&) = delete;

    private:
        SimulacionWeb& s_;
    };

    template <class F> val Orden(F&& f) {
        const Ocupada ocupada(*this);
        tramos_.reset(); // any other command ends a run in slices
        return ResultadoAJs(f());
    }
    static OpcionesEjecucion Limite(const val& maxCiclos) {
        OpcionesEjecucion o;
        o.maxCiclos = EnteroDeJs(maxCiclos, -1);
        if (o.maxCiclos < -1) {
            LanzaErrorJs("Límite de ciclos fuera de rango");
        }
        return o;
    }

    AnfitrionWeb anfitrion_;
    std::unique_ptr<SesionSimulacion> sesion_;
    std::unique_ptr<EjecucionPorTramos> tramos_;
    int numeroTramos_ = 0;
    bool ocupada_ = false;
};

// ------------------------------------------------------------------------------------------------------

val Montar(const val& texto, const val& nombre) {
    AnfitrionMontaje anfitrion;
    const MontajeEnMemoria m = MontarEnMemoria(Texto(texto), Texto(nombre), anfitrion);
    return MontajeAJs(m, anfitrion.cajas);
}

/// The student's self-check: the source (and, for an exercise whose students bring it, the microprogram)
/// graded by the same library as the teacher's tool. A hidden case tells only whether it passed.
val ComprobarEjercicio(const val& ejercicioJson, const val& fuente, const val& microprograma) {
    val r = val::object();
    std::string error;
    const std::optional<Ejercicio> ejercicio = LeeEjercicio(Texto(ejercicioJson), error);
    if (!ejercicio) {
        r.set("error", error);
        return r;
    }
    Entrega entrega;
    entrega.nombre = "fuente.asm";
    entrega.fuente = Texto(fuente);
    if (!microprograma.isUndefined() && !microprograma.isNull()) {
        entrega.microprograma = BytesDeJs(microprograma);
    }
    const ResultadoEntrega e = EvaluaEntrega(*ejercicio, entrega);
    r.set("titulo", ejercicio->titulo);
    r.set("estado", std::string(e.estado == EstadoEntrega::Evaluada  ? "evaluada"
                                : e.estado == EstadoEntrega::NoMonta ? "noMonta"
                                                                     : "noAbre"));
    r.set("error", e.error);
    val mensajes = val::array();
    for (const std::string& m : e.mensajesMontaje) {
        mensajes.call<void>("push", m);
    }
    r.set("mensajesMontaje", mensajes);
    val casos = val::array();
    for (const ResultadoCaso& c : e.casos) {
        val caso = val::object();
        caso.set("nombre", c.nombre);
        caso.set("puntos", c.puntos);
        caso.set("maximo", c.maximo);
        caso.set("superado", c.superado);
        caso.set("oculto", c.oculto);
        caso.set("resultado",
                 c.oculto ? std::string(c.superado ? "correcto" : "fallo") : TextoResultado(e, c));
        val diferencias = val::array();
        if (!c.oculto) {
            for (const std::string& d : c.diferencias) {
                diferencias.call<void>("push", d);
            }
        }
        caso.set("diferencias", diferencias);
        casos.call<void>("push", caso);
    }
    r.set("casos", casos);
    r.set("puntos", e.puntos);
    r.set("maximo", e.maximo);
    return r;
}

std::unique_ptr<SimulacionWeb> Abrir(const val& opciones, const val& anfitrion) {
    return std::make_unique<SimulacionWeb>(opciones, anfitrion);
}

val LeeMicroprogramaJs(const val& bytes, const val& nombre) {
    const LecturaMicroprograma l = LeeMicroprograma(BytesDeJs(bytes));
    const std::string fichero = nombre.isUndefined() ? std::string() : Texto(nombre);
    val v = val::object();
    std::string estado;
    std::string mensaje;
    int filas = 0;
    switch (l.estado) {
    case EstadoLecturaMpr::Correcto:
        estado = "correcto";
        filas = kMicroinstrucciones;
        break;
    case EstadoLecturaMpr::NoSePuedeAbrir:
        estado = "noSePuedeAbrir";
        mensaje = "No se puede leer el fichero " + fichero;
        break;
    case EstadoLecturaMpr::CabeceraIlegible:
        estado = "cabeceraIlegible";
        mensaje = "No se puede leer el fichero " + fichero;
        break;
    case EstadoLecturaMpr::CabeceraIncorrecta:
        estado = "cabeceraIncorrecta";
        mensaje = kMensajeMprNoValido;
        break;
    case EstadoLecturaMpr::Incompleto:
        // The editor keeps the rows read over its own and starts the simulation.
        estado = "incompleto";
        mensaje = kMensajeMprNoValido;
        filas = l.leidas;
        break;
    case EstadoLecturaMpr::FueraDeRango:
        estado = "fueraDeRango";
        mensaje = kMensajeMprNoValido;
        break;
    }
    v.set("estado", estado);
    v.set("mensaje", mensaje);
    v.set("microprograma", MicroprogramaAJs(l.microprograma, filas));
    return v;
}

val EscribeMicroprograma(const val& m) {
    return BytesAJs(BytesMicroprograma(MicroprogramaDeJs(m)));
}

/// The microprogram view's table: its column names and its rows of cell texts (the row number first).
val CeldasMicroprograma(bool configurable, const val& microprograma) {
    const Microprograma micro =
        microprograma.isUndefined() ? MicroprogramaInicial() : MicroprogramaDeJs(microprograma);
    const int filas = configurable ? kMicroinstrucciones : kFilasMicroprogramaFijo;
    const int columnas = configurable ? kColumnasMicroprogramaConfigurable : kColumnasMicroprogramaFijo;
    val tabla = val::array();
    for (int f = 0; f < filas; ++f) {
        val fila = val::array();
        for (int c = 0; c < columnas; ++c) {
            fila.call<void>("push", CeldaMicroprograma(configurable, micro, f, c));
        }
        tabla.call<void>("push", fila);
    }
    val cabecera = val::array();
    for (const std::string& nombre : CabecerasMicroprograma(configurable)) {
        cabecera.call<void>("push", nombre);
    }
    val v = val::object();
    v.set("cabecera", cabecera);
    v.set("filas", tabla);
    return v;
}

bool MicroinstruccionValidaJs(const val& m) {
    try {
        return MicroinstruccionValida(MicroinstruccionDeJs(m));
    } catch (const ErrorModulo&) {
        return false;
    }
}

std::string Plantilla(int version) {
    std::string texto;
    const std::vector<std::string> lineas = PlantillaFuente(version);
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        texto += (i == 0 ? "" : "\n") + lineas[i];
    }
    return texto;
}

// ---- the highlighter

const char* ClaseToken(TtkTokenKind tipo) {
    switch (tipo) {
    case tkComment:
        return "comentario";
    case tkDirectiva:
        return "directiva";
    case tkIdentifier:
        return "identificador";
    case tkKey:
        return "palabraClave";
    case tkNumber:
        return "numero";
    case tkSpace:
        return "espacio";
    case tkString:
        return "cadena";
    case tkUnknown:
    case tkNull:
        return "desconocido";
    }
    return "desconocido";
}

/// The JavaScript string index (UTF-16 units) of every byte offset of the UTF-8 text, and of its end.
std::vector<int> IndicesUtf16(const std::string& texto) {
    std::vector<int> indices(texto.size() + 1, 0);
    int unidades = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        indices[i] = unidades;
        const auto c = static_cast<unsigned char>(texto[i]);
        if ((c & 0xC0) != 0x80) {
            unidades += c >= 0xF0 ? 2 : 1; // a character beyond the BMP is a surrogate pair
        }
    }
    // A continuation byte belongs to the character that started before it.
    for (std::size_t i = 1; i < texto.size(); ++i) {
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80) {
            indices[i] = indices[i - 1];
        }
    }
    indices[texto.size()] = unidades;
    return indices;
}

val Tokens(const val& linea) {
    const std::string texto = Texto(linea);
    const std::vector<int> indices = IndicesUtf16(texto);
    TSynVelmo resaltador;
    resaltador.SetLine(texto, 0);
    val tokens = val::array();
    while (!resaltador.GetEol()) {
        const auto inicio = static_cast<std::size_t>(resaltador.GetTokenPos());
        const std::size_t fin = std::min(texto.size(), inicio + resaltador.GetToken().size());
        val t = val::object();
        t.set("inicio", indices[inicio]);
        t.set("longitud", indices[fin] - indices[inicio]);
        t.set("clase", std::string(ClaseToken(resaltador.GetTokenID())));
        tokens.call<void>("push", t);
        resaltador.Next();
    }
    return tokens;
}

val ColorJs(TColorRGB color) {
    if (color == clNone) {
        return val::null();
    }
    char texto[8];
    std::snprintf(texto, sizeof texto, "#%06x", static_cast<unsigned>(color) & 0xFFFFFFU);
    return val(std::string(texto));
}

val Estilos() {
    const TSynVelmo resaltador;
    val estilos = val::array();
    const auto anade = [&](TtkTokenKind tipo, const TAtributoResaltado& a) {
        val e = val::object();
        e.set("clase", std::string(ClaseToken(tipo)));
        e.set("color", ColorJs(a.Foreground()));
        e.set("fondo", ColorJs(a.Background()));
        e.set("negrita", a.Negrita());
        e.set("cursiva", a.Cursiva());
        estilos.call<void>("push", e);
    };
    anade(tkComment, resaltador.fCommentAttri);
    anade(tkDirectiva, resaltador.fDirectivaAttri);
    anade(tkIdentifier, resaltador.fIdentifierAttri);
    anade(tkKey, resaltador.fKeyAttri);
    anade(tkNumber, resaltador.fNumberAttri);
    anade(tkSpace, resaltador.fSpaceAttri);
    anade(tkString, resaltador.fStringAttri);
    anade(tkUnknown, resaltador.fIdentifierAttri); // drawn as an identifier
    return estilos;
}

val TextoFuente(const val& bytes) {
    const std::string datos = BytesDeJs(bytes);
    val v = val::object();
    // The desktop loads no more than this and shows the refusal in the editor.
    if (datos.size() > kLimiteFuente) {
        v.set("texto", std::string("Fichero demasiado grande"));
        v.set("esTexto", false);
        v.set("demasiadoGrande", true);
        return v;
    }
    const std::string texto = TextoFuenteAUtf8(datos);
    const bool esTexto = EsTextoFuente(texto);
    v.set("texto", esTexto ? texto : std::string());
    v.set("esTexto", esTexto);
    v.set("demasiadoGrande", false);
    return v;
}

// ---- the diagrams' drawing data

val PuntoJs(PuntoDibujo p) {
    val v = val::array();
    v.call<void>("push", p.x);
    v.call<void>("push", p.y);
    return v;
}

val PolilineaJs(const std::vector<PuntoDibujo>& puntos) {
    val v = val::array();
    for (const PuntoDibujo& p : puntos) {
        v.call<void>("push", PuntoJs(p));
    }
    return v;
}

val MapaEstadosJs(TTipoControl tipo) {
    const MapaEstados* mapa = MapaEstadosDe(tipo);
    if (mapa == nullptr) {
        return val::null();
    }
    val m = val::object();
    m.set("titulo", std::string(mapa->titulo));
    m.set("imagen", std::string(mapa->imagen));
    val salidas = val::array();
    for (const FilaSalidas& f : mapa->salidas) {
        val fila = val::object();
        fila.set("nombre", std::string(f.nombre));
        fila.set("valores", std::string(f.valores));
        salidas.call<void>("push", fila);
    }
    m.set("salidas", salidas);
    return m;
}

val DibujoJs() {
    val dibujo = val::object();
    val cablesUP = val::array();
    val sondas = val::array();
    const std::array<CableDibujo, kNumCablesOrg> org = DatosCablesOrg();
    for (int i = 0; i < kNumCablesOrg; ++i) {
        const CableDibujo& c = org[static_cast<std::size_t>(i)];
        val cable = val::object();
        cable.set("nombre", std::string(TOrganizacion::Cable(i).Nombre));
        cable.set("bits", TOrganizacion::Cable(i).NumBits);
        cable.set("puntos", PolilineaJs(c.puntos));
        cablesUP.call<void>("push", cable);
        if (c.monitorizable) {
            val sonda = val::object();
            sonda.set("senal", i);
            sonda.set("origen", PuntoJs(c.probeOrigen));
            sonda.set("destino", PuntoJs(c.probeDestino));
            sonda.set("caja", PuntoJs(c.probeCaja));
            sondas.call<void>("push", sonda);
        }
    }
    dibujo.set("imagenUP", std::string(kImagenUnidadProceso));
    dibujo.set("anchoUP", kAnchoUnidadProceso);
    dibujo.set("altoUP", kAltoUnidadProceso);
    dibujo.set("cablesUP", cablesUP);
    dibujo.set("sondas", sondas);
    val unidades = val::array();
    for (TTipoControl t : {tnormal, toptimizado, tMicroprogramado, TVL1Modif, TMicroprogramable}) {
        val u = val::object();
        u.set("control", NombreTipoControl(t));
        u.set("imagen", std::string(ImagenUnidadControl(t)));
        u.set("ancho", kAnchoUnidadControl);
        u.set("alto", kAltoUnidadControl);
        val cables = val::array();
        for (const CableDibujo& c : DatosCablesControl(t)) {
            cables.call<void>("push", PolilineaJs(c.puntos));
        }
        u.set("cables", cables);
        u.set("mapaEstados", MapaEstadosJs(t));
        unidades.call<void>("push", u);
    }
    dibujo.set("unidadesControl", unidades);
    val ayudas = val::object();
    for (VentanaAyuda v : kVentanasAyuda) {
        ayudas.set(std::string(NombreVentanaAyuda(v)), std::string(TextoAyuda(v)));
    }
    dibujo.set("ayudas", ayudas);
    val colores = val::object();
    for (const ColorDibujo& c : kColoresDibujo) {
        colores.set(std::string(c.nombre), ColorJs(static_cast<TColorRGB>(c.rgb)));
    }
    dibujo.set("colores", colores);
    return dibujo;
}

} // namespace

} // namespace velmo

EMSCRIPTEN_BINDINGS(velmo) {
    using namespace velmo;
    using emscripten::class_;
    using emscripten::function;

    class_<SimulacionWeb>("Simulacion")
        .function("apertura", &SimulacionWeb::Apertura)
        .function(
            "ciclo", +[](SimulacionWeb& s) { return Protege([&] { return s.Ciclo(); }); })
        .function(
            "instruccion", +[](SimulacionWeb& s) { return Protege([&] { return s.Instruccion(); }); })
        .function(
            "_instrucciones", +[](SimulacionWeb& s, val n,
                                  val max) { return Protege([&] { return s.Instrucciones(n, max); }); })
        .function(
            "_hastaBreakpoint",
            +[](SimulacionWeb& s, val max) { return Protege([&] { return s.HastaBreakpoint(max); }); })
        .function(
            "_porTramos", +[](SimulacionWeb& s, std::string tipo, val n,
                              val max) { return Protege([&] { return s.PorTramos(tipo, n, max); }); })
        .function(
            "_avanza", +[](SimulacionWeb& s, int numero,
                           val max) { return Protege([&] { return s.Avanza(numero, max); }); })
        .function("_detenerTramos", &SimulacionWeb::DetenerTramos)
        .function("_enCurso", &SimulacionWeb::EnCurso)
        .function(
            "cicloAnterior", +[](SimulacionWeb& s) { return Protege([&] { return s.CicloAnterior(); }); })
        .function(
            "instruccionAnterior",
            +[](SimulacionWeb& s) { return Protege([&] { return s.InstruccionAnterior(); }); })
        .function(
            "reinicia", +[](SimulacionWeb& s) { Protege([&] { s.Reinicia(); }); })
        .function("conmutaBreakpoint", &SimulacionWeb::ConmutaBreakpoint)
        .function("foto", &SimulacionWeb::Foto)
        .function(
            "trazaCsv", +[](const SimulacionWeb& s) { return Protege([&] { return s.Traza(false); }); })
        .function(
            "trazaVcd", +[](const SimulacionWeb& s) { return Protege([&] { return s.Traza(true); }); })
        .function(
            "setOpcionesAlu", +[](SimulacionWeb& s, val alu) { Protege([&] { s.SetOpcionesAlu(alu); }); })
        .function(
            "setMicroprograma", +[](SimulacionWeb& s, val m) { Protege([&] { s.SetMicroprograma(m); }); });

    function(
        "_montar", +[](val texto, val nombre) { return Protege([&] { return Montar(texto, nombre); }); });
    function(
        "conLineaFinal", +[](val texto) { return Protege([&] { return ConLineaFinal(Texto(texto)); }); });
    function(
        "_abrir",
        +[](val opciones, val anfitrion) { return Protege([&] { return Abrir(opciones, anfitrion); }); });
    function(
        "_leeMicroprograma",
        +[](val bytes, val nombre) { return Protege([&] { return LeeMicroprogramaJs(bytes, nombre); }); });
    function(
        "escribeMicroprograma", +[](val m) { return Protege([&] { return EscribeMicroprograma(m); }); });
    function(
        "microprogramaInicial", +[] { return MicroprogramaAJs(MicroprogramaInicial()); });
    function("microinstruccionValida", &MicroinstruccionValidaJs);
    function(
        "_celdasMicroprograma", +[](bool configurable, val microprograma) {
            return Protege([&] { return CeldasMicroprograma(configurable, microprograma); });
        });
    function("plantilla", &Plantilla);
    function(
        "tokens", +[](val linea) { return Protege([&] { return Tokens(linea); }); });
    function("estilos", &Estilos);
    function(
        "textoFuente", +[](val bytes) { return Protege([&] { return TextoFuente(bytes); }); });
    function("dibujo", &DibujoJs);
    function(
        "_comprobarEjercicio", +[](val ejercicio, val fuente, val microprograma) {
            return Protege([&] { return ComprobarEjercicio(ejercicio, fuente, microprograma); });
        });
}

#include "EjecutaSim.h"

#include "AnfitrionSinVentanas.h"
#include "ArgumentosSim.h"
#include "CodificacionTexto.h"
#include "EscrituraSegura.h"
#include "EstadoEsperado.h"
#include "FicheroMicroprograma.h"
#include "InformeSim.h"
#include "LecturaAcotada.h"
#include "Montaje.h"
#include "TrazaCiclos.h"
#include "objSimuladorVelmo.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>

#include <signal.h>
#include <unistd.h>

namespace velmo {
namespace {

const std::string kFicheroIncorrecto =
    "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";
const std::string kFicheroCorrupto =
    "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";
// Instructions each control unit runs in --comparar when no --instrucciones is given.
constexpr int kInstruccionesComparacion = 1000;
const std::string kPreguntaCincuenta = "Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?";

// The main window's N run: stops when an instruction does not complete, asks after every 50.
void EjecutaNInstrucciones(TSimuladorVelmo& sim, AnfitrionMaquina& anfitrion, int n) {
    for (int cuenta = 0; cuenta < n;) {
        if (!sim.EjecutaInstruccion()) {
            return;
        }
        ++cuenta;
        if (cuenta % 50 == 0 && cuenta < n && !anfitrion.PreguntaSiNo(kPreguntaCincuenta, "Velmo")) {
            return;
        }
    }
}

// Each address gets its breakpoint as a click on its row would set it. A row already marked (the constant
// after a MOVD or ACUM given before it, or an address given twice) is not clicked again: that would clear it.
void PonBreakpoints(TMemoriaVLM& memoria, const std::vector<int>& direcciones) {
    for (const int dir : direcciones) {
        if (!memoria.Haybreakpointbyindex(dir)) {
            memoria.TablaMemoriaSelectCell(1, dir);
        }
    }
}

InformeSim TomaInforme(const TSimuladorVelmo& sim, const AnfitrionSinVentanas& anfitrion) {
    InformeSim i;
    const auto& memoria = sim.FrameMemoria();
    i.version = memoria.GetVersionVL() + 1;
    i.control = sim.FrameUnidadDeControl().prtipocontrol();
    i.ciclos = sim.NumCiclos();
    i.instrucciones = sim.NumInst();
    i.estado = sim.EstadoActual();
    i.filaActual = memoria.prFilaActual();
    i.pc = sim.RegPC().ValorOUT;
    i.ir = sim.RegIR().ValorOUT;
    i.a = sim.RegA().ValorOUT;
    i.b = sim.RegB().ValorOUT;
    i.fz = sim.RegFZ().ValorOUT;
    i.regAux = sim.RegAux();
    for (int dir = 0; dir < kPalabrasMemoria; ++dir) {
        TregInst reg;
        memoria.LeerInstruccion(dir, reg);
        i.memoria[static_cast<std::size_t>(dir)] = reg.Valor;
    }
    i.mensajes = anfitrion.Mensajes();
    return i;
}

// The observer stops the run here when the cycle bound is reached.
struct LimiteAlcanzado {};

struct Ejecucion {
    int codigo = 0;      // 0 ran, 1 wrong or corrupt file or a failed cycle, 2 could not open
    bool limite = false; // --max-ciclos stopped the run
    std::optional<InformeSim> informe;
};

// Called once the simulation has opened, before anything runs: it may add trace writers, and a false
// stops here with exit 2 (what could not be done is already written to the error stream).
using TrasAbrir = std::function<bool(std::vector<EscritorTraza*>& escritores)>;

// Opens `ejecutable` as the simulator does, then `trasAbrir`, and runs what `a` asks.
Ejecucion EjecutaUno(const ArgumentosSim& a, const std::string& ejecutable, TTipoControl control,
                     const std::optional<Microprograma>& microprograma, std::ostream& errores,
                     const TrasAbrir& trasAbrir = {}) {
    Ejecucion r;
    AnfitrionSinVentanas anfitrion(a.traza ? &errores : nullptr);
    anfitrion.control = control;
    anfitrion.opcionesAlu = a.opcionesAlu;
    if (microprograma) {
        anfitrion.microprograma = *microprograma;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(ejecutable, ec)) {
        errores << "No se puede abrir el fichero " << ejecutable << '\n';
        r.codigo = 2;
        return r;
    }
    std::unique_ptr<TSimuladorVelmo> sim;
    try {
        sim = std::make_unique<TSimuladorVelmo>(anfitrion, ejecutable);
    } catch (const ErrorAperturaEjecutable& e) {
        errores << e.what() << '\n';
        r.codigo = 2;
        return r;
    } catch (const std::exception& e) {
        // The opening cycle failed: there is no machine to report on.
        errores << "Error al abrir la simulación: " << e.what() << '\n';
        r.codigo = 1;
        return r;
    }

    std::vector<EscritorTraza*> escritores;
    if (trasAbrir && !trasAbrir(escritores)) {
        r.codigo = 2;
        return r;
    }

    const auto& abiertos = anfitrion.Mensajes();
    r.codigo =
        std::any_of(abiertos.begin(), abiertos.end(),
                    [](const std::string& m) { return m == kFicheroIncorrecto || m == kFicheroCorrupto; })
            ? 1
            : 0;

    for (EscritorTraza* e : escritores) {
        e->Escribe(TomaMuestra(*sim));
    }
    std::int64_t ciclos = 0;
    const std::int64_t maximo = a.maxCiclos ? *a.maxCiclos : -1;
    // A cycle count stops on its own; any other run is cut by the observer once the bound is reached.
    const bool corta =
        maximo >= 0 && (a.modo == ModoEjecucion::Instrucciones || a.modo == ModoEjecucion::HastaBreakpoint);
    if (!escritores.empty() || corta) {
        sim->SetObservadorCiclo([&] {
            for (EscritorTraza* e : escritores) {
                e->Escribe(TomaMuestra(*sim));
            }
            if (++ciclos == maximo && corta) {
                throw LimiteAlcanzado{};
            }
        });
    }

    try {
        if (maximo == 0 && corta) {
            throw LimiteAlcanzado{};
        }
        switch (a.modo) {
        case ModoEjecucion::SoloApertura:
            break;
        case ModoEjecucion::Ciclos:
            for (int i = 0; i < a.cantidad; ++i) {
                if (i == maximo) {
                    throw LimiteAlcanzado{};
                }
                sim->EjecutaCiclo();
            }
            break;
        case ModoEjecucion::Instrucciones:
            EjecutaNInstrucciones(*sim, anfitrion, a.cantidad);
            break;
        case ModoEjecucion::HastaBreakpoint:
            PonBreakpoints(sim->FrameMemoria(), a.breakpoints);
            sim->EjecutaHastaBreakpoint();
            break;
        }
    } catch (const LimiteAlcanzado&) {
        r.limite = true;
        errores << "Se ha alcanzado el límite de " << maximo << " ciclos\n";
    } catch (const std::exception& e) {
        // The engine has shown its box already; the state reached is still worth printing.
        errores << "Error durante la ejecución: " << e.what() << '\n';
        r.codigo = 1;
    }
    sim->SetObservadorCiclo({});
    r.informe = TomaInforme(*sim, anfitrion);
    return r;
}

// Whether `x` and `y` name the same file: the same file on disk when both exist, otherwise the same path
// once made absolute and normalised.
bool MismoFichero(const std::filesystem::path& x, const std::filesystem::path& y) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(x, ec) && fs::exists(y, ec)) {
        return fs::equivalent(x, y, ec);
    }
    return fs::weakly_canonical(fs::absolute(x, ec), ec).lexically_normal() ==
           fs::weakly_canonical(fs::absolute(y, ec), ec).lexically_normal();
}

// A trace file must never land on a file the run reads, nor on the other trace.
bool SalidasSeparadas(const ArgumentosSim& a, std::ostream& errores) {
    const std::vector<std::string> entradas = {a.ejecutable, a.microprograma, a.esperado};
    std::vector<std::string> salidas;
    for (const auto& ruta : {a.trazaCsv, a.vcd}) {
        if (ruta.empty()) {
            continue;
        }
        // The file a symbolic link leads to is the one a save replaces.
        const auto destino = EscrituraSegura(ruta).Destino();
        for (const auto& entrada : entradas) {
            if (!entrada.empty() && MismoFichero(destino, entrada)) {
                errores << "El fichero de traza " << ruta << " es el fichero de entrada " << entrada << '\n';
                return false;
            }
        }
        for (const auto& otra : salidas) {
            if (MismoFichero(destino, otra)) {
                errores << "--traza-csv y --vcd no pueden escribir el mismo fichero " << ruta << '\n';
                return false;
            }
        }
        salidas.push_back(destino.string());
    }
    return true;
}

// A box text on one line of its own per piece: boxes break lines with CR LF.
std::string SinRetornos(std::string texto) {
    texto.erase(std::remove(texto.begin(), texto.end(), '\r'), texto.end());
    return texto;
}

// Reads a .mpr file into `mp`; false, with the reason written to `errores`, when it is not usable.
bool CargaMicroprograma(const std::string& ruta, std::optional<Microprograma>& mp, std::ostream& errores) {
    // A microprogram that the editor would refuse or load only in part is a wrong argument here: a
    // script must not get a run of some other microprogram reported as success.
    const auto lectura = LeeFicheroMicroprograma(ruta);
    switch (lectura.estado) {
    case EstadoLecturaMpr::Correcto:
        mp = lectura.microprograma;
        return true;
    case EstadoLecturaMpr::NoSePuedeAbrir:
        errores << "No se puede abrir el microprograma " << ruta << '\n';
        return false;
    case EstadoLecturaMpr::CabeceraIlegible:
    case EstadoLecturaMpr::CabeceraIncorrecta:
    case EstadoLecturaMpr::Incompleto:
    case EstadoLecturaMpr::FueraDeRango:
        errores << ruta << ": " << kMensajeMprNoValido << '\n';
        return false;
    }
    return false;
}

// Boxes of the assembler of a batch are part of its message list.
class AnfitrionMontajeLote : public Anfitrion {
public:
    std::vector<std::string> mensajes;
    void MuestraMensaje(const std::string& texto, const std::string&, IconoMensaje) override {
        mensajes.push_back(texto);
    }
    bool PreguntaSiNo(const std::string&, const std::string&) override { return false; }
    Respuesta PreguntaSiNoCancelar(const std::string&, const std::string&) override { return Respuesta::No; }
    bool TrazaActiva() const override { return false; }
    void AnadeLineaTraza(const std::string&) override {}
};

std::string Minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The batch's own temporary folder, where its sources are assembled. It goes away when the batch ends, and
// also when SIGINT or SIGTERM ends the process. A handler may only make async-signal-safe calls, so it
// can remove just an empty folder: the folder is kept empty while a program runs (a source is assembled
// with those signals held back, and its files removed as soon as the simulation has read them).
class CarpetaLote {
public:
    CarpetaLote() = default;
    CarpetaLote(const CarpetaLote&) = delete;
    CarpetaLote& operator=(const CarpetaLote&) = delete;
    ~CarpetaLote() {
        if (ruta_.empty()) {
            return;
        }
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
        sigaction(SIGINT, &antesInt_, nullptr);
        sigaction(SIGTERM, &antesTerm_, nullptr);
        rutaSenal_[0] = '\0';
    }

    /// A new folder only this process can enter, under the system's temporary folder.
    bool Crea() {
        std::error_code ec;
        const auto base = std::filesystem::temp_directory_path(ec);
        std::string ruta = (base / "velmo-lote-XXXXXX").string();
        if (ec || ruta.size() >= sizeof rutaSenal_ || mkdtemp(ruta.data()) == nullptr) {
            return false;
        }
        ruta_ = ruta;
        ruta.copy(rutaSenal_, ruta.size());
        rutaSenal_[ruta.size()] = '\0';
        struct sigaction accion {};
        accion.sa_handler = &CarpetaLote::AlTerminar;
        sigemptyset(&accion.sa_mask);
        accion.sa_flags = SA_RESETHAND;
        sigaction(SIGINT, &accion, &antesInt_);
        sigaction(SIGTERM, &accion, &antesTerm_);
        return true;
    }

    const std::filesystem::path& Ruta() const { return ruta_; }

    /// While held, an interruption waits until the folder is empty again.
    static void RetieneSenales(bool retener) {
        sigset_t senales;
        sigemptyset(&senales);
        sigaddset(&senales, SIGINT);
        sigaddset(&senales, SIGTERM);
        sigprocmask(retener ? SIG_BLOCK : SIG_UNBLOCK, &senales, nullptr);
    }

private:
    static void AlTerminar(int senal) {
        rmdir(rutaSenal_);
        // The default action, restored on entry, ends the process once the handler returns.
        raise(senal);
    }

    static inline char rutaSenal_[4096] = {};
    struct sigaction antesInt_ {};
    struct sigaction antesTerm_ {};
    std::filesystem::path ruta_;
};

// Every text of `j` with `de` replaced by `por`.
void SustituyeEnTextos(nlohmann::ordered_json& j, const std::string& de, const std::string& por) {
    if (j.is_string()) {
        auto texto = j.get<std::string>();
        for (auto pos = texto.find(de); pos != std::string::npos; pos = texto.find(de, pos + por.size())) {
            texto.replace(pos, de.size(), por);
        }
        j = texto;
    } else if (j.is_structured()) {
        for (auto& hijo : j) {
            SustituyeEnTextos(hijo, de, por);
        }
    }
}

// The sources and executables of the batch folder, by name.
std::optional<std::vector<std::filesystem::path>> ProgramasDeCarpeta(const std::string& carpeta) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> ficheros;
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const auto ext = Minusculas(it->path().extension().string());
        if (it->is_regular_file(ec) && (ext == ".asm" || ext == ".s" || ext == ".vlx")) {
            ficheros.push_back(it->path());
        }
    }
    if (ec) {
        return std::nullopt;
    }
    std::sort(ficheros.begin(), ficheros.end());
    return ficheros;
}

int EjecutaLote(const ArgumentosSim& a, const std::optional<Microprograma>& mpComun,
                const std::optional<EstadoEsperado>& esperadoComun, std::ostream& salida,
                std::ostream& errores) {
    namespace fs = std::filesystem;
    const auto ficheros = ProgramasDeCarpeta(a.lote);
    if (!ficheros) {
        errores << "No se puede leer la carpeta " << a.lote << '\n';
        return 2;
    }
    if (ficheros->empty()) {
        errores << "La carpeta " << a.lote << " no tiene ningún fichero .asm, .s ni .vlx\n";
        return 2;
    }
    // Sources are assembled into a fresh folder of their own, never into the batch folder.
    CarpetaLote temporal;
    if (!temporal.Crea()) {
        errores << "No se puede crear una carpeta temporal\n";
        return 2;
    }

    int peor = 0;
    for (const auto& fichero : *ficheros) {
        nlohmann::ordered_json linea;
        linea["fichero"] = fichero.filename().string();
        std::string ejecutable = fichero.string();
        const bool fuente = Minusculas(fichero.extension().string()) != ".vlx";
        std::ostringstream textoErrores;
        int codigo = 0;
        bool montado = false; // `ejecutable` was assembled into the temporary folder
        // A version-3 program runs under the microprogram beside it, when there is one.
        std::optional<Microprograma> mp = mpComun;
        std::error_code ec;
        const auto mprPropio = fichero.parent_path() / (fichero.stem().string() + ".mpr");
        if (fs::exists(mprPropio, ec) && !CargaMicroprograma(mprPropio.string(), mp, textoErrores)) {
            codigo = 2;
        }
        if (fuente && codigo == 0) {
            const auto lectura = LeeFicheroAcotado(fichero, kLimiteFuente);
            linea["montaje"] = "error";
            linea["mensajes_montaje"] = nlohmann::ordered_json::array();
            if (lectura.estado != EstadoLecturaAcotada::Correcto) {
                textoErrores << TextoFalloLectura(lectura.estado, fichero.string(), kLimiteFuente) << '\n';
                codigo = 2;
            } else {
                ejecutable = (temporal.Ruta() / (fichero.stem().string() + ".vlx")).string();
                AnfitrionMontajeLote anfitrionMontaje;
                temporal.RetieneSenales(true);
                montado = true;
                const auto montaje =
                    Montar(ConLineaFinal(TextoFuenteAUtf8(lectura.bytes)), ejecutable, anfitrionMontaje);
                auto mensajes = anfitrionMontaje.mensajes;
                mensajes.insert(mensajes.end(), montaje.mensajes.begin(), montaje.mensajes.end());
                linea["montaje"] = montaje.correcto ? "correcto" : "error";
                linea["mensajes_montaje"] = mensajes;
                if (!montaje.correcto) {
                    codigo = 1;
                }
            }
        }
        // The assembled files are read whole by the opening; once it is done they go, and the folder is
        // empty again while the program runs.
        const auto borraMontados = [&] {
            if (montado) {
                std::error_code e;
                fs::remove(ejecutable, e);
                fs::remove(ejecutable + ".txt", e);
                temporal.RetieneSenales(false);
            }
        };
        if (codigo == 0) {
            const auto r = EjecutaUno(a, ejecutable, a.control, mp, textoErrores, [&](auto&) {
                borraMontados();
                return true;
            });
            codigo = r.codigo;
            if (r.informe) {
                linea["informe"] = nlohmann::ordered_json::parse(InformeJson(*r.informe));
                // A per-program expected state beside it wins over the common one.
                std::optional<EstadoEsperado> esperado = esperadoComun;
                const auto propio = fichero.parent_path() / (fichero.stem().string() + ".esperado.json");
                if (fs::exists(propio, ec)) {
                    std::string error;
                    esperado = LeeEstadoEsperado(propio.string(), error);
                    if (!esperado) {
                        textoErrores << error << '\n';
                        codigo = std::max(codigo, 2);
                    }
                }
                if (esperado) {
                    const auto d = DiferenciasEstado(*esperado, *r.informe);
                    linea["diferencias"] = d;
                    if (!d.empty() && codigo == 0) {
                        codigo = 3;
                    }
                }
            }
            if (r.limite && codigo == 0) {
                codigo = 4;
            }
            linea["limite"] = r.limite;
        }
        borraMontados();
        std::string lineasError = textoErrores.str();
        if (!lineasError.empty() && lineasError.back() == '\n') {
            lineasError.pop_back();
        }
        linea["errores"] = lineasError;
        linea["codigo"] = codigo;
        // The temporary folder is gone once the batch ends: messages name the source instead.
        if (montado) {
            SustituyeEnTextos(linea, ejecutable, fichero.string());
            SustituyeEnTextos(linea, temporal.Ruta().string(), a.lote);
        }
        salida << linea.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        peor = std::max(peor, codigo);
    }
    return peor;
}

std::string Cpi(std::int32_t ciclos, std::int32_t instrucciones) {
    if (instrucciones <= 0) {
        return "-";
    }
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.3f", static_cast<double>(ciclos) / instrucciones);
    return texto;
}

int EjecutaComparacion(const ArgumentosSim& a, std::ostream& salida, std::ostream& errores) {
    ArgumentosSim base = a;
    if (base.modo == ModoEjecucion::SoloApertura) {
        base.modo = ModoEjecucion::Instrucciones;
        base.cantidad = kInstruccionesComparacion;
    }
    const TTipoControl unidades[] = {tnormal, toptimizado, tMicroprogramado};
    std::vector<InformeSim> informes;
    bool limite = false;
    for (const TTipoControl control : unidades) {
        const auto r = EjecutaUno(base, a.ejecutable, control, std::nullopt, errores);
        if (!r.informe) {
            return r.codigo;
        }
        if (r.codigo != 0) {
            // The boxes the opening showed say what is wrong with the file.
            for (const auto& m : r.informe->mensajes) {
                errores << SinRetornos(m) << '\n';
            }
            return r.codigo;
        }
        if (r.informe->version != 1) {
            errores << "--comparar necesita un ejecutable de versión 1\n";
            return 2;
        }
        limite = limite || r.limite;
        informes.push_back(*r.informe);
    }
    // What a program can observe (where it goes on, the zero flag, the memory) decides; IR, A and B may hold
    // different leftovers of the same instructions, so their differences are listed for information only.
    std::vector<std::string> registros, informativos;
    const auto compara = [&](std::vector<std::string>& lista, const char* nombre, auto campo) {
        if (campo(informes[0]) != campo(informes[1]) || campo(informes[0]) != campo(informes[2])) {
            lista.push_back(nombre);
        }
    };
    compara(registros, "PC", [](const InformeSim& i) { return i.pc; });
    compara(informativos, "IR", [](const InformeSim& i) { return i.ir; });
    compara(informativos, "A", [](const InformeSim& i) { return i.a; });
    compara(informativos, "B", [](const InformeSim& i) { return i.b; });
    compara(registros, "FZ", [](const InformeSim& i) { return i.fz; });
    std::vector<int> direcciones;
    for (std::size_t d = 0; d < kPalabrasMemoria; ++d) {
        if (informes[0].memoria[d] != informes[1].memoria[d] ||
            informes[0].memoria[d] != informes[2].memoria[d]) {
            direcciones.push_back(static_cast<int>(d));
        }
    }
    const bool coinciden = registros.empty() && direcciones.empty();
    if (a.json) {
        nlohmann::ordered_json j;
        j["instrucciones_pedidas"] = base.cantidad;
        j["unidades"] = nlohmann::ordered_json::array();
        for (const auto& i : informes) {
            nlohmann::ordered_json u;
            u["control"] = NombreControl(i.control);
            u["ciclos"] = i.ciclos;
            u["instrucciones"] = i.instrucciones;
            u["cpi"] = i.instrucciones > 0 ? static_cast<double>(i.ciclos) / i.instrucciones : 0.0;
            j["unidades"].push_back(u);
        }
        j["coinciden"] = coinciden;
        j["registros_distintos"] = registros;
        j["otros_registros_distintos"] = informativos;
        j["direcciones_distintas"] = direcciones;
        j["limite"] = limite;
        salida << j.dump() << '\n';
    } else {
        salida << "Fichero: " << a.ejecutable << "\n";
        salida << "Unidad de control   Ciclos  Instrucciones  Ciclos/instrucción\n";
        for (const auto& i : informes) {
            char fila[128];
            std::snprintf(fila, sizeof fila, "%-18s %7d %14d  %s\n", NombreControl(i.control).c_str(),
                          i.ciclos, i.instrucciones, Cpi(i.ciclos, i.instrucciones).c_str());
            salida << fila;
        }
        salida << (coinciden ? "El PC, FZ y la memoria finales coinciden en las tres.\n"
                             : "El PC, FZ y la memoria finales no coinciden.\n");
        const auto lista = [&](const char* titulo, const auto& elementos) {
            if (!elementos.empty()) {
                salida << titulo;
                for (const auto& e : elementos) {
                    salida << ' ' << e;
                }
                salida << '\n';
            }
        };
        lista("Registros distintos:", registros);
        lista("Direcciones distintas:", direcciones);
        lista("Otros registros distintos (no cuentan para la comparación):", informativos);
    }
    if (!coinciden) {
        return 3;
    }
    return limite ? 4 : 0;
}

} // namespace

int EjecutaVelmoSim(const std::vector<std::string>& args, std::ostream& salida, std::ostream& errores) {
    const auto analisis = AnalizaArgumentosSim(args);
    if (!analisis.argumentos) {
        (analisis.codigoSalida == 0 ? salida : errores) << analisis.texto << '\n';
        return analisis.codigoSalida;
    }
    const ArgumentosSim& a = *analisis.argumentos;

    std::optional<Microprograma> microprograma;
    if (!a.microprograma.empty() && !CargaMicroprograma(a.microprograma, microprograma, errores)) {
        return 2;
    }
    std::optional<EstadoEsperado> esperado;
    if (!a.esperado.empty()) {
        std::string error;
        esperado = LeeEstadoEsperado(a.esperado, error);
        if (!esperado) {
            errores << error << '\n';
            return 2;
        }
    }
    if (!a.lote.empty()) {
        return EjecutaLote(a, microprograma, esperado, salida, errores);
    }
    if (a.comparar) {
        return EjecutaComparacion(a, salida, errores);
    }

    // Trace files are written as the run goes, so a long run never holds them in memory. They are created
    // only once the simulation has opened and replace what was there only once the run is over.
    const std::vector<std::pair<std::string, bool>> rutasTraza = {{a.trazaCsv, false}, {a.vcd, true}};
    if (!SalidasSeparadas(a, errores)) {
        return 2;
    }
    std::vector<std::unique_ptr<EscrituraSegura>> ficheros;
    std::vector<std::unique_ptr<EscritorTraza>> escritores;
    const auto abreTrazas = [&](std::vector<EscritorTraza*>& punteros) {
        for (const auto& [ruta, esVcd] : rutasTraza) {
            if (ruta.empty()) {
                continue;
            }
            ficheros.push_back(std::make_unique<EscrituraSegura>(ruta));
            if (!ficheros.back()->Abrir()) {
                errores << TextoFalloEscritura(ficheros.back()->Fallo(), ruta) << '\n';
                return false;
            }
            std::ostream& flujo = ficheros.back()->Flujo();
            escritores.push_back(esVcd ? std::unique_ptr<EscritorTraza>(std::make_unique<TrazaVcd>(flujo))
                                       : std::make_unique<TrazaCsv>(flujo));
            punteros.push_back(escritores.back().get());
        }
        return true;
    };

    const auto r = EjecutaUno(a, a.ejecutable, a.control, microprograma, errores, abreTrazas);
    if (!r.informe) {
        return r.codigo;
    }
    escritores.clear();
    for (const auto& f : ficheros) {
        if (!f->Confirmar()) {
            errores << "Error al escribir la traza: "
                    << TextoFalloEscritura(f->Fallo(), f->Destino().string()) << '\n';
            return 2;
        }
    }
    (a.json ? salida << InformeJson(*r.informe) << '\n' : salida << InformeLegible(*r.informe, a.ejecutable));
    int codigo = r.codigo;
    if (esperado) {
        const auto d = DiferenciasEstado(*esperado, *r.informe);
        (a.json ? errores : salida) << TextoDiferencias(d);
        if (!d.empty() && codigo == 0) {
            codigo = 3;
        }
    }
    if (r.limite && codigo == 0) {
        codigo = 4;
    }
    return codigo;
}

} // namespace velmo

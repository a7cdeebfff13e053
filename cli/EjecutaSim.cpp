#include "EjecutaSim.h"

#include "AnfitrionSinVentanas.h"
#include "ArgumentosSim.h"
#include "CodificacionTexto.h"
#include "EstadoEsperado.h"
#include "FicheroMicroprograma.h"
#include "InformeSim.h"
#include "Montaje.h"
#include "TrazaCiclos.h"
#include "objSimuladorVelmo.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <random>
#include <sstream>

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

// Opens `ejecutable` as the simulator does and runs what `a` asks; samples go to `escritores`.
Ejecucion EjecutaUno(const ArgumentosSim& a, const std::string& ejecutable, TTipoControl control,
                     const std::optional<Microprograma>& microprograma, std::ostream& errores,
                     const std::vector<EscritorTraza*>& escritores) {
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

// Reads the --microprograma file; nullopt with the exit text when it is not usable.
bool CargaMicroprograma(const ArgumentosSim& a, std::optional<Microprograma>& mp, std::ostream& errores) {
    if (a.microprograma.empty()) {
        return true;
    }
    // A microprogram that the editor would refuse or load only in part is a wrong argument here: a
    // script must not get a run of some other microprogram reported as success.
    const auto lectura = LeeFicheroMicroprograma(a.microprograma);
    switch (lectura.estado) {
    case EstadoLecturaMpr::Correcto:
        mp = lectura.microprograma;
        return true;
    case EstadoLecturaMpr::NoSePuedeAbrir:
        errores << "No se puede abrir el microprograma " << a.microprograma << '\n';
        return false;
    case EstadoLecturaMpr::CabeceraIlegible:
    case EstadoLecturaMpr::CabeceraIncorrecta:
    case EstadoLecturaMpr::Incompleto:
    case EstadoLecturaMpr::FueraDeRango:
        errores << a.microprograma << ": " << kMensajeMprNoValido << '\n';
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

int EjecutaLote(const ArgumentosSim& a, const std::optional<Microprograma>& mp,
                const std::optional<EstadoEsperado>& esperadoComun, std::ostream& salida,
                std::ostream& errores) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> ficheros;
    for (fs::directory_iterator it(a.lote, ec), fin; !ec && it != fin; it.increment(ec)) {
        const auto ext = Minusculas(it->path().extension().string());
        if (it->is_regular_file(ec) && (ext == ".asm" || ext == ".s" || ext == ".vlx")) {
            ficheros.push_back(it->path());
        }
    }
    if (ec) {
        errores << "No se puede leer la carpeta " << a.lote << '\n';
        return 2;
    }
    std::sort(ficheros.begin(), ficheros.end());
    // Sources are assembled into a fresh folder of their own, never into the batch folder.
    fs::path temporal;
    std::random_device azar;
    do {
        temporal = fs::temp_directory_path(ec) / ("velmo-lote-" + std::to_string(azar()));
    } while (!fs::create_directory(temporal, ec) && !ec);
    if (ec) {
        errores << "No se puede crear una carpeta temporal\n";
        return 2;
    }

    int peor = 0;
    for (const auto& fichero : ficheros) {
        nlohmann::ordered_json linea;
        linea["fichero"] = fichero.filename().string();
        std::string ejecutable = fichero.string();
        const bool fuente = Minusculas(fichero.extension().string()) != ".vlx";
        int codigo = 0;
        if (fuente) {
            std::ifstream f(fichero, std::ios::binary);
            std::ostringstream bytes;
            bytes << f.rdbuf();
            ejecutable = (temporal / (fichero.stem().string() + ".vlx")).string();
            AnfitrionMontajeLote anfitrionMontaje;
            const auto montaje =
                f ? Montar(ConLineaFinal(TextoFuenteAUtf8(bytes.str())), ejecutable, anfitrionMontaje)
                  : ResultadoMontaje{};
            auto mensajes = anfitrionMontaje.mensajes;
            mensajes.insert(mensajes.end(), montaje.mensajes.begin(), montaje.mensajes.end());
            linea["montaje"] = montaje.correcto ? "correcto" : "error";
            linea["mensajes_montaje"] = mensajes;
            if (!montaje.correcto) {
                codigo = 1;
            }
        }
        if (codigo == 0) {
            std::ostringstream textoErrores;
            const auto r = EjecutaUno(a, ejecutable, a.control, mp, textoErrores, {});
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
            std::string lineasError = textoErrores.str();
            if (!lineasError.empty() && lineasError.back() == '\n') {
                lineasError.pop_back();
            }
            linea["errores"] = lineasError;
        }
        linea["codigo"] = codigo;
        salida << linea.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        peor = std::max(peor, codigo);
    }
    fs::remove_all(temporal, ec);
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
        const auto r = EjecutaUno(base, a.ejecutable, control, std::nullopt, errores, {});
        if (!r.informe) {
            return r.codigo;
        }
        if (r.codigo != 0) {
            return r.codigo;
        }
        if (r.informe->version != 1) {
            errores << "--comparar necesita un ejecutable de versión 1\n";
            return 2;
        }
        limite = limite || r.limite;
        informes.push_back(*r.informe);
    }
    std::vector<std::string> registros;
    const auto compara = [&](const char* nombre, auto campo) {
        if (campo(informes[0]) != campo(informes[1]) || campo(informes[0]) != campo(informes[2])) {
            registros.push_back(nombre);
        }
    };
    compara("PC", [](const InformeSim& i) { return i.pc; });
    compara("IR", [](const InformeSim& i) { return i.ir; });
    compara("A", [](const InformeSim& i) { return i.a; });
    compara("B", [](const InformeSim& i) { return i.b; });
    compara("FZ", [](const InformeSim& i) { return i.fz; });
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
        if (coinciden) {
            salida << "Los registros y la memoria finales coinciden en las tres.\n";
        } else {
            salida << "Los registros y la memoria finales no coinciden.\n";
            if (!registros.empty()) {
                salida << "Registros distintos:";
                for (const auto& r : registros) {
                    salida << ' ' << r;
                }
                salida << '\n';
            }
            if (!direcciones.empty()) {
                salida << "Direcciones distintas:";
                for (const int d : direcciones) {
                    salida << ' ' << d;
                }
                salida << '\n';
            }
        }
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
    if (!CargaMicroprograma(a, microprograma, errores)) {
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

    // Trace files are written as the run goes, so a long run never holds them in memory.
    std::ofstream csv, vcd;
    std::vector<std::unique_ptr<EscritorTraza>> escritores;
    std::vector<EscritorTraza*> punteros;
    for (const auto& [ruta, flujo, esVcd] :
         {std::tuple{a.trazaCsv, &csv, false}, std::tuple{a.vcd, &vcd, true}}) {
        if (ruta.empty()) {
            continue;
        }
        flujo->open(ruta, std::ios::binary | std::ios::trunc);
        if (!*flujo) {
            errores << "No se puede escribir el fichero " << ruta << '\n';
            return 2;
        }
        escritores.push_back(esVcd ? std::unique_ptr<EscritorTraza>(std::make_unique<TrazaVcd>(*flujo))
                                   : std::make_unique<TrazaCsv>(*flujo));
        punteros.push_back(escritores.back().get());
    }

    const auto r = EjecutaUno(a, a.ejecutable, a.control, microprograma, errores, punteros);
    if (!r.informe) {
        return r.codigo;
    }
    for (std::ofstream* f : {&csv, &vcd}) {
        if (f->is_open()) {
            f->flush();
            if (!*f) {
                errores << "Error al escribir la traza\n";
                return 2;
            }
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

#include "EjecutaSim.h"

#include "AnfitrionSinVentanas.h"
#include "ArgumentosSim.h"
#include "FicheroMicroprograma.h"
#include "InformeSim.h"
#include "objSimuladorVelmo.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>
#include <ostream>

namespace velmo {
namespace {

const std::string kFicheroIncorrecto =
    "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";
const std::string kFicheroCorrupto =
    "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto";
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

} // namespace

int EjecutaVelmoSim(const std::vector<std::string>& args, std::ostream& salida, std::ostream& errores) {
    const auto analisis = AnalizaArgumentosSim(args);
    if (!analisis.argumentos) {
        (analisis.codigoSalida == 0 ? salida : errores) << analisis.texto << '\n';
        return analisis.codigoSalida;
    }
    const ArgumentosSim& a = *analisis.argumentos;

    AnfitrionSinVentanas anfitrion(a.traza ? &errores : nullptr);
    anfitrion.control = a.control;
    anfitrion.opcionesAlu = a.opcionesAlu;
    if (!a.microprograma.empty()) {
        // A microprogram that the editor would refuse or load only in part is a wrong argument here: a
        // script must not get a run of some other microprogram reported as success.
        const auto lectura = LeeFicheroMicroprograma(a.microprograma);
        switch (lectura.estado) {
        case EstadoLecturaMpr::Correcto:
            anfitrion.microprograma = lectura.microprograma;
            break;
        case EstadoLecturaMpr::NoSePuedeAbrir:
            errores << "No se puede abrir el microprograma " << a.microprograma << '\n';
            return 2;
        case EstadoLecturaMpr::CabeceraIlegible:
        case EstadoLecturaMpr::CabeceraIncorrecta:
        case EstadoLecturaMpr::Incompleto:
        case EstadoLecturaMpr::FueraDeRango:
            errores << a.microprograma << ": " << kMensajeMprNoValido << '\n';
            return 2;
        }
    }

    std::error_code ec;
    if (std::filesystem::is_directory(a.ejecutable, ec)) {
        errores << "No se puede abrir el fichero " << a.ejecutable << '\n';
        return 2;
    }

    std::unique_ptr<TSimuladorVelmo> sim;
    try {
        sim = std::make_unique<TSimuladorVelmo>(anfitrion, a.ejecutable);
    } catch (const ErrorAperturaEjecutable& e) {
        errores << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        // The opening cycle failed: there is no machine to report on.
        errores << "Error al abrir la simulación: " << e.what() << '\n';
        return 1;
    }

    const auto& abiertos = anfitrion.Mensajes();
    int codigo =
        std::any_of(abiertos.begin(), abiertos.end(),
                    [](const std::string& m) { return m == kFicheroIncorrecto || m == kFicheroCorrupto; })
            ? 1
            : 0;

    try {
        switch (a.modo) {
        case ModoEjecucion::SoloApertura:
            break;
        case ModoEjecucion::Ciclos:
            for (int i = 0; i < a.cantidad; ++i) {
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
    } catch (const std::exception& e) {
        // The engine has shown its box already; the state reached is still worth printing.
        errores << "Error durante la ejecución: " << e.what() << '\n';
        codigo = 1;
    }

    const InformeSim informe = TomaInforme(*sim, anfitrion);
    if (a.json) {
        salida << InformeJson(informe) << '\n';
    } else {
        salida << InformeLegible(informe, a.ejecutable);
    }
    return codigo;
}

} // namespace velmo

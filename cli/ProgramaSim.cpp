#include "ProgramaSim.h"

#include "AnfitrionSinVentanas.h"
#include "SesionSimulacion.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <ostream>

namespace velmo {

int CodigoSalida(const Desenlace& d) {
    if (d.entradaNoValida) {
        return 2;
    }
    if (d.ficheroIncorrecto) {
        return 1;
    }
    if (d.difiere) {
        return 3;
    }
    return d.limite ? 4 : 0;
}

namespace {

// Each address gets its breakpoint as a click on its row would set it. A row already marked (the constant
// after a MOVD or ACUM given before it, or an address given twice) is not clicked again: that would clear it.
void PonBreakpoints(TMemoriaVLM& memoria, const std::vector<int>& direcciones) {
    for (const int dir : direcciones) {
        if (!memoria.Haybreakpointbyindex(dir)) {
            memoria.TablaMemoriaSelectCell(1, dir);
        }
    }
}

ResultadoEjecucion Corre(SesionSimulacion& sesion, const ArgumentosSim& a,
                         const OpcionesEjecucion& opciones) {
    switch (a.modo) {
    case ModoEjecucion::SoloApertura:
        break;
    case ModoEjecucion::Ciclos:
        return sesion.Ciclos(a.cantidad, opciones);
    case ModoEjecucion::Instrucciones:
        return sesion.Instrucciones(a.cantidad, opciones);
    case ModoEjecucion::HastaBreakpoint:
        PonBreakpoints(sesion.Motor().FrameMemoria(), a.breakpoints);
        return sesion.HastaBreakpoint(opciones);
    }
    return {};
}

// The session, or none with the reason written and noted in `d`.
std::unique_ptr<SesionSimulacion> Abre(AnfitrionSinVentanas& anfitrion, const ProgramaSim& programa,
                                       std::ostream& errores, Desenlace& d) {
    std::error_code ec;
    if (!programa.bytes && std::filesystem::is_directory(programa.nombre, ec)) {
        errores << "No se puede abrir el fichero " << programa.nombre << '\n';
        d.entradaNoValida = true;
        return nullptr;
    }
    try {
        // velmo-sim never steps back: no history to keep.
        return std::make_unique<SesionSimulacion>(
            anfitrion, OrigenSimulacion{programa.nombre, programa.bytes, programa.microprograma}, false);
    } catch (const ErrorAperturaEjecutable& e) {
        errores << e.what() << '\n';
        d.entradaNoValida = true;
    } catch (const std::exception& e) {
        // The opening cycle failed: there is no machine to report on.
        errores << "Error al abrir la simulación: " << e.what() << '\n';
        d.ficheroIncorrecto = true;
    }
    return nullptr;
}

} // namespace

EjecucionSim EjecutaPrograma(const ArgumentosSim& a, const ProgramaSim& programa, std::ostream& errores,
                             const TrasAbrir& trasAbrir) {
    EjecucionSim r;
    AnfitrionSinVentanas anfitrion(a.traza ? &errores : nullptr);
    anfitrion.control = programa.control;
    anfitrion.opcionesAlu = a.opcionesAlu;
    const auto sesion = Abre(anfitrion, programa, errores, r.desenlace);
    std::vector<EscritorTraza*> escritores;
    if (!sesion) {
        return r;
    }
    if (trasAbrir && !trasAbrir(escritores)) {
        r.desenlace.entradaNoValida = true;
        return r;
    }
    r.desenlace.ficheroIncorrecto = sesion->Apertura() != EstadoApertura::Correcto;

    // The traces get the opening, then every cycle the run takes.
    const auto muestrea = [&] {
        for (EscritorTraza* e : escritores) {
            e->Escribe(TomaMuestra(sesion->Motor()));
        }
    };
    muestrea();
    OpcionesEjecucion opciones;
    opciones.maxCiclos = a.maxCiclos.value_or(-1);
    if (!escritores.empty()) {
        opciones.progreso = [&](const ResultadoEjecucion&) { muestrea(); };
    }
    const ResultadoEjecucion fin = Corre(*sesion, a, opciones);
    if (fin.fin == FinEjecucion::LimiteCiclos) {
        r.desenlace.limite = true;
        errores << "Se ha alcanzado el límite de " << opciones.maxCiclos << " ciclos\n";
    } else if (fin.fin == FinEjecucion::Error) {
        // The engine has shown its box already; the state reached is still worth printing.
        errores << "Error durante la ejecución: " << fin.error << '\n';
        r.desenlace.ficheroIncorrecto = true;
    }
    r.foto = sesion->Foto();
    // The report lists every box since the opening, not only those of the last command.
    r.foto->mensajes = anfitrion.Mensajes();
    return r;
}

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

} // namespace velmo

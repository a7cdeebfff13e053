#include "FotoEstado.h"

#include "objSimuladorVelmo.h"

namespace velmo {
namespace {

std::vector<EntradaTablaFoto> Tabla(const TablaNombreValor& t) {
    std::vector<EntradaTablaFoto> filas;
    filas.reserve(static_cast<std::size_t>(t.NumCables()));
    for (int i = 0; i < t.NumCables(); ++i) {
        filas.push_back({t.NombreCable(i), t.ValorCable(i)});
    }
    return filas;
}

} // namespace

FotoEstado TomaFoto(const TSimuladorVelmo& sim) {
    FotoEstado f;
    const TMemoriaVLM& memoria = sim.FrameMemoria();
    const TFrameControl& uc = sim.FrameUnidadDeControl();
    const TOrganizacion& up = sim.FrameUP();
    f.version = memoria.GetVersionVL() + 1;
    f.control = uc.prtipocontrol();
    f.ciclos = sim.NumCiclos();
    f.instrucciones = sim.NumInst();
    f.estado = sim.EstadoActual();
    f.filaActual = memoria.prFilaActual();
    f.filaMicroprograma = uc.FilaActual();
    f.finInstruccion = sim.findeinstruccion();
    f.pc = sim.RegPC().ValorOUT;
    f.ir = sim.RegIR().ValorOUT;
    f.a = sim.RegA().ValorOUT;
    f.b = sim.RegB().ValorOUT;
    f.fz = sim.RegFZ().ValorOUT;
    f.regAux = sim.RegAux();
    f.regAuxActivo = up.prRegAuxActivo();
    f.regAuxLeido = up.prRegAuxLeido();

    f.memoria.resize(kPalabrasMemoria);
    for (int fila = 0; fila < kPalabrasMemoria; ++fila) {
        FilaMemoriaFoto& m = f.memoria[static_cast<std::size_t>(fila)];
        TregInst reg;
        memoria.LeerInstruccion(fila, reg);
        m.valor = reg.Valor;
        for (int columna = 1; columna <= 4; ++columna) {
            m.textos[static_cast<std::size_t>(columna - 1)] = memoria.TextoCelda(columna, fila);
        }
        m.breakpoint = memoria.Haybreakpointbyindex(fila);
        m.imagen = memoria.ImagenDeFila(fila);
    }
    f.registros = Tabla(sim.FrameRegistros());
    f.senalesMemoria = Tabla(sim.FrameCablesMEm());
    f.senalesControl = Tabla(sim.FrameCablesCtrl());
    f.senales.reserve(TOrganizacion::kNumCables);
    for (int i = 0; i < TOrganizacion::kNumCables; ++i) {
        f.senales.push_back({std::string(TOrganizacion::Cable(i).Nombre), up.Valor(i), up.Activado(i)});
    }
    for (int i = 0; i < TFrameControl::kNumCables; ++i) {
        f.cablesControl[static_cast<std::size_t>(i)] = uc.Activado(i);
    }
    f.captions = {up.Ventana().Caption, uc.Ventana().Caption};
    return f;
}

} // namespace velmo

#include "objSimuladorVelmo.h"

#include "CablesMaquina.h"
#include "ObjUCCableada.h"
#include "ObjUCMicroprogramada.h"
#include "UtilidadesStr.h"
#include "Utils.h"

#include <initializer_list>

namespace velmo {

namespace {

constexpr const char* kTitulo = "Velmo";
constexpr int kCiclosSinProgreso = 20;
// No instruction of the fixed control units takes more than 6 cycles. A word whose mnemonic and value
// disagree (only a hand-made file holds one) can leave the modified machine's control in a state it
// never leaves; the run must end instead of hanging the program.
constexpr int kCiclosSinProgresoFijo = 100;
constexpr int kMaxInstruccionesBreakpoint = 10000;
constexpr int kPreguntaCada = 50;
constexpr const char* kPreguntaSeguir = "Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?";

// The active signals of one state as a bit per datapath map index.
using Senales = std::uint32_t;

constexpr Senales S(std::initializer_list<int> indices) {
    Senales m = 0;
    for (int i : indices) {
        m |= Senales{1} << i;
    }
    return m;
}

constexpr Senales kFetch = S({2, 22, 4, 5, 1, 6, 3, 12});

constexpr std::array<Senales, 12> kAnimaNormal = {
    kFetch,
    S({11}),
    S({22, 5, 14, 7, 10}),
    S({22, 5, 14, 7, 10}),
    S({22, 5, 14, 7, 10}),
    S({17}),
    S({22, 5, 13, 8}),
    S({15, 16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({22, 5, 13, 8}),
    S({15, 16, 19, 18}),
    S({16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({9, 4, 1, 3, 22}),
};

// The optimized control uses states 0 to 6; the modified machine's control all twelve.
constexpr std::array<Senales, 12> kAnimaOptimizado = {
    kFetch,
    S({17, 11, 10, 22, 5, 14, 7}),
    S({9, 22, 4, 1, 3, 12}),
    S({11, 9, 22, 5, 13, 8}),
    S({15, 16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({15, 16, 19, 18}),
    S({16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({0, 22, 20, 21, 9, 5}),
    S({2, 22, 4, 1, 14, 7, 5}),
    S({0, 22, 20, 21, 9, 5, 18, 16}),
    S({22, 9, 5, 13, 8}),
    S({22, 20, 21, 9, 5, 18, 15, 16}),
};

constexpr std::array<Senales, 14> kAnimaMicroFijo = {
    kFetch,
    S({11}),
    S({11}),
    S({22, 5, 14, 7}),
    S({22, 5, 13, 8}),
    S({15, 16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({22, 5, 14, 7}),
    S({16, 19, 18, 20, 21, 9, 22, 5, 0}),
    S({11}),
    S({22, 5, 14, 7}),
    S({22, 5, 13, 8}),
    S({15, 16, 19, 18}),
    S({17}),
    S({9, 22, 4, 1, 3}),
};

template <std::size_t N> Senales DeTabla(const std::array<Senales, N>& tabla, int estado) {
    return estado >= 0 && static_cast<std::size_t>(estado) < N ? tabla[static_cast<std::size_t>(estado)] : 0;
}

Senales DeMicroinstruccion(const TMicroInstProgramable& m) {
    Senales s = S({22, 11, 17});
    switch (m.MX10) {
    case 0:
        s |= S({2});
        break;
    case 2:
        s |= S({10});
        break;
    case 3:
        s |= S({9});
        break;
    default:
        break;
    }
    if (m.pA == 1 || m.pB == 1 || m.pAux == 1 || m.pIr == 1) {
        s |= S({5});
    }
    if (m.pFz == 1) {
        s |= S({20, 18, 19, 15, 16});
    }
    if (m.LorWmem == 1) {
        s |= S({0, 21});
    }
    if (m.pPc == 1) {
        s |= S({1, 3, 4});
    }
    if (m.pIr == 1) {
        s |= S({12, 6});
    }
    if (m.pA == 1) {
        s |= S({13, 8});
    }
    if (m.pB == 1) {
        s |= S({14, 7});
    }
    return s;
}

} // namespace

TSimuladorVelmo::TSimuladorVelmo(AnfitrionMaquina& anfitrion, const std::string& fichero)
    : TSimulador(anfitrion, fichero) {
    Arranca();
}

TSimuladorVelmo::TSimuladorVelmo(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes)
    : TSimulador(anfitrion, nombre, std::move(bytes)) {
    Arranca();
}

void TSimuladorVelmo::Arranca() {
    findeinstruccion_ = false;
    CreaElemOrg();
    currentPc_ = 0;
    EjecutaCiclo();
}

void TSimuladorVelmo::Traza(const std::string& linea) const {
    anfitrion_.AnadeLineaTraza(linea);
}

void TSimuladorVelmo::CreaElemOrg() {
    auto registro = [this](const char* nombre, std::uint16_t puertos, int bits, auto tabla, int in, int out) {
        auto r = std::make_unique<TRegistro>(anfitrion_, nombre, puertos, bits);
        r->CreaCables(tabla);
        r->SetIndiceCableIn(static_cast<std::uint16_t>(in));
        if (out >= 0) {
            r->SetIndiceCableOut(static_cast<std::uint16_t>(out));
        }
        return r;
    };
    auto pc = registro("PC", 3, 7, std::span<const TRegConfCable>(kPuertosPC), mapa::wSumPc, mapa::wPcMux);
    auto ir = registro("IR", 5, 16, std::span<const TRegConfCable>(kPuertosIR), mapa::wMemOutIr, -1);
    auto a = registro("ALU-> A", 3, 16, std::span<const TRegConfCable>(kPuertosA), mapa::wMoutA, mapa::wAAlU);
    auto b = registro("ALU-> B", 3, 16, std::span<const TRegConfCable>(kPuertosB), mapa::wMoutB, mapa::wBAlu);
    auto fz = registro("FZ", 3, 1, std::span<const TRegConfCable>(kPuertosFZ), mapa::wAluZFZ, mapa::wFZOut);

    auto memoria = std::make_unique<TMemoria>(anfitrion_, 6);
    memoria->SetVersionVL(frameMemoria_->GetVersionVL());
    memoria->SetIndiceCableOutIR(mapa::wMemOutIr);
    memoria->SetIndiceCableOutA(mapa::wMoutA);
    memoria->SetIndiceCableOutB(mapa::wMoutB);
    memoria->CreaCables(kPuertosMemoria);

    const TTipoControl tipo = frameUnidadDeControl_->prtipocontrol();
    auto alu = std::make_unique<TAlu>(anfitrion_, 5);
    alu->tipocontrol = tipo;
    alu->SetIndiceCableOut(mapa::wAluOutMem);
    alu->CreaCables(kPuertosAlu);
    auto incrementador = std::make_unique<TIncrementador>(anfitrion_, 2);
    incrementador->CreaCables(kPuertosIncrementador);
    auto mux = std::make_unique<TMux>(anfitrion_, 6);
    mux->SetIndiceCableOutSum(mapa::wMuxoutSum);
    mux->SetIndiceCableOutMem(mapa::wMuxoutMem);
    mux->CreaCables(kPuertosMux);

    std::unique_ptr<TUnidadControl> uc;
    if (EsCableado(tipoControl_)) {
        auto cableada = std::make_unique<TUCCableada>(anfitrion_, kPuertosUCCableada);
        cableada->Tipocontrol = tipo;
        cableada->CreaCables(kPuertosUC);
        uc = std::move(cableada);
    } else {
        auto micro = std::make_unique<TUCMicroProgramada>(anfitrion_, kPuertosUCMicro);
        if (tipoControl_ == TMicroprogramable) {
            micro->microeditable = true;
            const Microprograma& m = frameUnidadDeControl_->VectorMicroInst();
            for (int i = 0; i < kMicroinstrucciones; ++i) {
                micro->SetMicroinst(i, m[static_cast<std::size_t>(i)]);
            }
        }
        micro->CreaCables(std::span<const TRegConfCable>(kPuertosUC).first(kPuertosUCMicro));
        uc = std::move(micro);
    }

    for (int i = 0; i < kPalabrasMemoria; ++i) {
        TregInst reg;
        frameMemoria_->LeerInstruccion(i, reg);
        memoria->EscribirInstruccion(reg, i);
    }

    uc_ = uc.get();
    pc_ = pc.get();
    a_ = a.get();
    b_ = b.get();
    ir_ = ir.get();
    fz_ = fz.get();
    mux_ = mux.get();
    alu_ = alu.get();
    memoria_ = memoria.get();
    incrementador_ = incrementador.get();
    registros_ = {pc_, a_, b_, ir_, fz_};

    listaElementosOrg_.clear();
    listaElementosOrg_.push_back(std::move(uc));
    listaElementosOrg_.push_back(std::move(pc));
    listaElementosOrg_.push_back(std::move(a));
    listaElementosOrg_.push_back(std::move(b));
    listaElementosOrg_.push_back(std::move(ir));
    listaElementosOrg_.push_back(std::move(fz));
    listaElementosOrg_.push_back(std::move(mux));
    listaElementosOrg_.push_back(std::move(alu));
    listaElementosOrg_.push_back(std::move(memoria));
    listaElementosOrg_.push_back(std::move(incrementador));

    // Table entries are found by name once; every cycle then writes numbers by index.
    for (std::size_t i = 0; i < registros_.size(); ++i) {
        filaRegistro_[i] = frameRegistros_->IndiceDe(registros_[i]->NombreReg);
    }
    for (std::size_t p = 0; p < filaPuertoUC_.size(); ++p) {
        const std::string& nombre = uc_->LosCables[p].Nombre;
        // The FZ load enable is listed as "pFZ"; the zero flag coming in is not listed.
        filaPuertoUC_[p] = p == puertoUC::wPFZ     ? frameCablesCtrl_->IndiceDe("pFZ")
                           : p == puertoUC::wFZOut ? -1
                                                   : frameCablesCtrl_->IndiceDe(nombre);
    }
    filaRegAux_ = frameRegistros_->IndiceDe(TRegRdD::kNombreRegAux);
    filaUProg_ = frameCablesCtrl_->IndiceDe("@uProg");
    filaEnt_ = frameCablesMEm_->IndiceDe("Ent");
    filaMem_ = frameCablesMEm_->IndiceDe("@Mem");
    filaSal_ = frameCablesMEm_->IndiceDe("Sal");
}

void TSimuladorVelmo::Ciclo(bool traza) {
    auto& map = frameUP_->Loscables();
    const auto mapa16 = [&map](int i) {
        return static_cast<std::uint16_t>(map[static_cast<std::size_t>(i)]);
    };

    // 1. Clock edge: the loads and the memory write decided in the previous cycle take effect.
    for (std::size_t i = 0; i < registros_.size(); ++i) {
        TRegistro& r = *registros_[i];
        if (r.PermisoCarga == 1) {
            r.ValorIN = mapa16(r.IndiceCableIN);
            if (traza) {
                Traza("El Reg tiene permiso carga (nombre, valor) " + r.NombreReg + "  ,  " +
                      Int2Bin(r.ValorIN, r.Numbits));
            }
            frameRegistros_->SetValorBinario(filaRegistro_[i], r.ValorIN, r.Numbits);
        }
    }
    const std::int16_t entrada = map[mapa::wAluOutMem];
    frameCablesMEm_->SetValorBinario(filaEnt_, entrada, 16);
    if (memoria_->PermisoCarga == 1) {
        const int direccion = memoria_->LosCables[1].Valor;
        if (traza) {
            Traza("Escribiendo en Memoria: " + std::to_string(entrada) +
                  " en la @: " + std::to_string(direccion));
        }
        const auto valor = static_cast<std::uint16_t>(entrada);
        memoria_->EscribirValor(valor, direccion);
        if (TMemoria::DireccionValida(direccion)) {
            frameMemoria_->EscribirValor(valor, static_cast<std::uint16_t>(direccion));
        }
    }

    // 2. Set-up: registers present their new values, the control unit drives its current word.
    for (const auto& e : listaElementosOrg_) {
        e->IniciaCiclo();
        e->SetUp();
    }
    for (std::size_t p = 0; p < filaPuertoUC_.size(); ++p) {
        const TCable& puerto = uc_->LosCables[p];
        if (puerto.FrameMapa == TUpVl0) {
            map[static_cast<std::size_t>(puerto.IndiceMapa)] = puerto.Valor;
            if (filaPuertoUC_[p] >= 0) {
                frameCablesCtrl_->SetValorBinario(filaPuertoUC_[p], puerto.Valor, puerto.NumBits);
            }
        }
    }
    memoria_->PermisoCarga = mapa16(mapa::wPmem);
    for (TRegistro* r : registros_) {
        r->LosCables[0].Valor = map[static_cast<std::size_t>(r->LosCables[0].IndiceMapa)];
    }

    // 3. Registers.
    bool irCarga = false;
    for (TRegistro* r : registros_) {
        if (r != ir_) {
            r->Comportamiento();
            map[r->IndiceCableOut] = static_cast<std::int16_t>(r->ValorOUT);
            continue;
        }
        if (isCopModif_) {
            r->IsCopModif = true;
        }
        r->Comportamiento();
        if (isCopModif_) {
            if (traza) {
                Traza("////////COP ESPECIAL DE 4 BITS////////");
            }
            isCopModif_ = false;
        }
        irCarga = r->PermisoCarga == 1;
        map[mapa::wIrDMux3] = r->LosCables[2].Valor;
        if (tipoControl_ == TMicroprogramable) {
            const auto fila = frameUnidadDeControl_->FilaActual();
            if (fila < kMicroinstrucciones && frameUnidadDeControl_->VectorMicroInst()[fila].pAux == 1) {
                regAux_ = mapa16(mapa::wMoutB) & 0x7F;
                frameRegistros_->SetValorBinario(filaRegAux_, regAux_, TRegRdD::kBitsRegAux);
                frameUP_->SetValorRegAux(static_cast<std::uint16_t>(regAux_));
            }
        }
        map[mapa::wIRFMux2] = r->LosCables[3].Valor;
        map[mapa::wIrCO] = r->LosCables[4].Valor;
        if (traza) {
            Traza("IR Cop: " + std::to_string(map[mapa::wIrCO]));
            Traza("IR fnt: " + std::to_string(map[mapa::wIRFMux2]));
            Traza("IR dst: " + std::to_string(map[mapa::wIrDMux3]));
        }
    }

    // 4. Combinational elements, once each, in this order.
    for (TCable& puerto : mux_->LosCables) {
        puerto.Valor = map[static_cast<std::size_t>(puerto.IndiceMapa)];
    }
    mux_->Regauxin = static_cast<std::uint16_t>(regAux_);
    mux_->Comportamiento();
    map[mux_->IndiceCableOutSum] = static_cast<std::int16_t>(mux_->ValorOUT);
    map[mux_->IndiceCableOutMem] = static_cast<std::int16_t>(mux_->ValorOUT);

    for (TCable& puerto : alu_->LosCables) {
        puerto.Valor = map[static_cast<std::size_t>(puerto.IndiceMapa)];
    }
    alu_->Comportamiento();
    map[mapa::wAluOutMem] = static_cast<std::int16_t>(alu_->ValorOUT);
    map[mapa::wAluZFZ] = alu_->LosCables[4].Valor;

    memoria_->LosCables[1].Valor = map[mapa::wMuxoutMem];
    const int direccion = memoria_->LosCables[1].Valor;
    if (traza) {
        Traza(" @Mem= " + std::to_string(direccion));
    }
    if (irCarga) {
        currentPc_ = direccion;
    }
    frameCablesMEm_->SetValorDecimal(filaMem_, direccion);
    memoria_->Comportamiento();
    if (memoria_->IsCopModif) {
        // Only an instruction fetch decides how the next cycle decodes: a CLEAR, MOVD or ACUM word read
        // as an operand is data.
        if (irCarga) {
            isCopModif_ = true;
        }
        memoria_->IsCopModif = false;
    }
    frameCablesMEm_->SetValorBinario(filaSal_, memoria_->ValorOUT, 16);
    const auto leido = static_cast<std::int16_t>(memoria_->ValorOUT);
    map[mapa::wMemOutIr] = leido;
    map[mapa::wMoutA] = leido;
    map[mapa::wMoutB] = leido;

    incrementador_->ValorIN = mux_->ValorOUT;
    incrementador_->Comportamiento();
    map[incrementador_->IndiceCableOut] = static_cast<std::int16_t>(incrementador_->ValorOUT);

    if (traza) {
        Traza("La unidad de control calcula estado siguiente");
    }
    uc_->LosCables[puertoUC::Co10].Valor = map[mapa::wIrCO];
    uc_->LosCables[puertoUC::wFZOut].Valor = map[mapa::wFZOut];
    uc_->Comportamiento();

    for (const auto& e : listaElementosOrg_) {
        if (!e->Comportado) {
            e->Comportamiento();
        }
    }
}

void TSimuladorVelmo::EjecutaCiclo() {
    try {
        Ciclo(anfitrion_.TrazaActiva());
    } catch (...) {
        anfitrion_.MuestraMensaje("Excepción: Reinicializando", kTitulo, IconoMensaje::Error);
        throw;
    }

    const int estado = uc_->EstadoActual;
    if (EsCableado(tipoControl_)) {
        AnimaUnidadProceso(estado, 0);
        findeinstruccion_ = uc_->IsFinInstruccion();
    } else {
        frameUnidadDeControl_->SetFilaActual(static_cast<std::uint16_t>(estado));
        frameCablesCtrl_->SetValorDecimal(filaUProg_, estado);
        AnimaUnidadProceso(0, estado);
        findeinstruccion_ = uc_->IsFinInstruccion();
    }
    estadoActual_ = estado;
    uc_->SetEstadoActual(uc_->EstadoSiguiente);

    if (findeinstruccion_) {
        ++numInst_;
        frameMemoria_->SetFilaActual(static_cast<std::uint16_t>(currentPc_));
    }
    TSimulador::EjecutaCiclo();
    if (observadorCiclo_) {
        observadorCiclo_();
    }
}

void TSimuladorVelmo::AnimaUnidadProceso(int estado, int microdireccion) {
    TOrganizacion& up = *frameUP_;
    const TFrameControl& uc = *frameUnidadDeControl_;
    Senales s = 0;
    switch (uc.prtipocontrol()) {
    case tnormal:
        s = DeTabla(kAnimaNormal, estado);
        break;
    case toptimizado:
    case TVL1Modif:
        s = DeTabla(kAnimaOptimizado, estado);
        break;
    case tMicroprogramado:
        s = DeTabla(kAnimaMicroFijo, microdireccion);
        break;
    case TMicroprogramable: {
        const auto fila = uc.FilaActual();
        const TMicroInstProgramable m =
            fila < kMicroinstrucciones ? uc.VectorMicroInst()[fila] : TMicroInstProgramable{};
        s = DeMicroinstruccion(m);
        up.SetRegauxLeido(m.MX10 == 1);
        up.SetRegAuxActivo(m.pAux == 1);
        break;
    }
    }
    for (int i = 0; i < TOrganizacion::kNumCables; ++i) {
        up.SetActivado(i, ((s >> i) & 1U) != 0);
    }
}

FinEjecucion TSimuladorVelmo::CicloDeCorrida() {
    EjecutaCiclo();
    ResultadoEjecucion& r = corrida_.resultado;
    ++r.ciclos;
    if (findeinstruccion_) {
        ++r.instrucciones;
    }
    if (corrida_.opciones == nullptr) {
        return FinEjecucion::Completada;
    }
    if (corrida_.opciones->progreso) {
        corrida_.opciones->progreso(r);
    }
    if (corrida_.limiteTrasCiclo && r.ciclos == corrida_.opciones->maxCiclos) {
        return FinEjecucion::LimiteCiclos;
    }
    if (detener_) {
        return FinEjecucion::DetenidaPorUsuario;
    }
    return FinEjecucion::Completada;
}

FinEjecucion TSimuladorVelmo::InstruccionDeCorrida() {
    findeinstruccion_ = false;
    const bool configurable = tipoControl_ == TMicroprogramable;
    const int limite = configurable ? kCiclosSinProgreso : kCiclosSinProgresoFijo;
    for (int ciclos = 0; ciclos < limite; ++ciclos) {
        const FinEjecucion fin = CicloDeCorrida();
        if (findeinstruccion_) {
            return fin;
        }
        if (fin != FinEjecucion::Completada) {
            return fin;
        }
    }
    anfitrion_.MuestraMensaje(configurable ? "Se han ejecutado 20 ciclos y no se ha completado ninguna "
                                             "instrucción. Revise el Microprograma"
                                           : "Se han ejecutado 100 ciclos y no se ha completado ninguna "
                                             "instrucción. Revise el programa",
                              kTitulo, IconoMensaje::Aviso);
    return FinEjecucion::InstruccionIncompleta;
}

FinEjecucion TSimuladorVelmo::HastaBreakpointDeCorrida() {
    TMemoriaVLM& memoria = *frameMemoria_;
    if (!memoria.prHayBreakpoints()) {
        anfitrion_.MuestraMensaje(
            "No hay breakpoints definidos. Haga clic en la instruccion en la que quiere parar", kTitulo,
            IconoMensaje::Informacion);
        return FinEjecucion::SinBreakpoints;
    }
    for (int ejecutadas = 1; ejecutadas <= kMaxInstruccionesBreakpoint; ++ejecutadas) {
        const FinEjecucion fin = InstruccionDeCorrida();
        if (fin != FinEjecucion::Completada) {
            return fin;
        }
        if (memoria.Haybreakpointbyindex(memoria.prFilaActual())) {
            return FinEjecucion::Breakpoint;
        }
        if (ejecutadas % kPreguntaCada == 0 && !anfitrion_.PreguntaSiNo(kPreguntaSeguir, kTitulo)) {
            return FinEjecucion::DetenidaPorUsuario;
        }
    }
    return FinEjecucion::Completada;
}

bool TSimuladorVelmo::EjecutaInstruccion() {
    return InstruccionDeCorrida() == FinEjecucion::Completada;
}

void TSimuladorVelmo::EjecutaHastaBreakpoint() {
    HastaBreakpointDeCorrida();
}

template <class F>
ResultadoEjecucion TSimuladorVelmo::Corre(const OpcionesEjecucion& opciones, bool limiteTrasCiclo, F&& f) {
    corrida_ = Corrida{&opciones, {}, limiteTrasCiclo};
    detener_ = false;
    try {
        corrida_.resultado.fin = f();
    } catch (const std::exception& e) {
        corrida_.resultado.fin = FinEjecucion::Error;
        corrida_.resultado.error = e.what();
    } catch (...) {
        corrida_.resultado.fin = FinEjecucion::Error;
        corrida_.resultado.error = "Excepción";
    }
    ResultadoEjecucion r = std::move(corrida_.resultado);
    corrida_ = Corrida{};
    return r;
}

ResultadoEjecucion TSimuladorVelmo::EjecutaCiclos(std::int64_t n, const OpcionesEjecucion& opciones) {
    return Corre(opciones, false, [&] {
        for (std::int64_t i = 0; i < n; ++i) {
            if (i == opciones.maxCiclos) {
                return FinEjecucion::LimiteCiclos;
            }
            const FinEjecucion fin = CicloDeCorrida();
            if (fin != FinEjecucion::Completada && i + 1 < n) {
                return fin;
            }
        }
        return FinEjecucion::Completada;
    });
}

ResultadoEjecucion TSimuladorVelmo::EjecutaInstrucciones(std::int64_t n, const OpcionesEjecucion& opciones) {
    return Corre(opciones, true, [&] {
        if (opciones.maxCiclos == 0) {
            return FinEjecucion::LimiteCiclos;
        }
        for (std::int64_t hechas = 0; hechas < n;) {
            const FinEjecucion fin = InstruccionDeCorrida();
            if (fin != FinEjecucion::Completada) {
                return fin;
            }
            ++hechas;
            if (hechas % kPreguntaCada == 0 && hechas < n &&
                !anfitrion_.PreguntaSiNo(kPreguntaSeguir, kTitulo)) {
                return FinEjecucion::DetenidaPorUsuario;
            }
        }
        return FinEjecucion::Completada;
    });
}

ResultadoEjecucion TSimuladorVelmo::EjecutaHastaBreakpoint(const OpcionesEjecucion& opciones) {
    return Corre(opciones, true, [&] {
        if (opciones.maxCiclos == 0) {
            return FinEjecucion::LimiteCiclos;
        }
        return HastaBreakpointDeCorrida();
    });
}

TSimuladorVelmo::Instantanea TSimuladorVelmo::TomaInstantanea() const {
    std::variant<TUCCableada, TUCMicroProgramada> uc =
        EsCableado(tipoControl_) ? decltype(uc)(static_cast<const TUCCableada&>(*uc_))
                                 : decltype(uc)(static_cast<const TUCMicroProgramada&>(*uc_));
    return {std::move(uc),
            *pc_,
            *a_,
            *b_,
            *ir_,
            *fz_,
            *mux_,
            *alu_,
            *memoria_,
            *incrementador_,
            numCiclos_,
            numInst_,
            findeinstruccion_,
            isCopModif_,
            regAux_,
            estadoActual_,
            currentPc_,
            frameMemoria_->GetDatos(),
            frameRegistros_->GetDatos(),
            frameCablesMEm_->GetDatos(),
            frameCablesCtrl_->GetDatos(),
            frameEstado_->GetDatos(),
            frameUP_->GetDatos(),
            frameUnidadDeControl_->GetDatos()};
}

void TSimuladorVelmo::RestauraInstantanea(const Instantanea& i) {
    if (EsCableado(tipoControl_)) {
        static_cast<TUCCableada&>(*uc_) = std::get<TUCCableada>(i.uc);
    } else {
        static_cast<TUCMicroProgramada&>(*uc_) = std::get<TUCMicroProgramada>(i.uc);
    }
    *pc_ = i.pc;
    *a_ = i.a;
    *b_ = i.b;
    *ir_ = i.ir;
    *fz_ = i.fz;
    *mux_ = i.mux;
    *alu_ = i.alu;
    *memoria_ = i.memoria;
    *incrementador_ = i.incrementador;
    numCiclos_ = i.numCiclos;
    numInst_ = i.numInst;
    findeinstruccion_ = i.findeinstruccion;
    isCopModif_ = i.isCopModif;
    regAux_ = i.regAux;
    estadoActual_ = i.estadoActual;
    currentPc_ = i.currentPc;
    // Breakpoints and scrolling are the user's, not the machine's: they stay as they are now.
    TMemoriaVLM::Datos vista = i.vistaMemoria;
    const TMemoriaVLM::Datos& ahora = frameMemoria_->GetDatos();
    vista.VectorBreakpoints = ahora.VectorBreakpoints;
    vista.HayBreakpoint = ahora.HayBreakpoint;
    vista.PrimeraFilaVisible = ahora.PrimeraFilaVisible;
    vista.FilasVisibles = ahora.FilasVisibles;
    frameMemoria_->RestauraContenido(vista);
    frameRegistros_->RestauraDatos(i.registros);
    frameCablesMEm_->RestauraDatos(i.cablesMem);
    frameCablesCtrl_->RestauraDatos(i.cablesCtrl);
    frameEstado_->RestauraDatos(i.estado);
    frameUP_->RestauraDatos(i.up);
    frameUnidadDeControl_->RestauraDatos(i.unidadControl);
}

void TSimuladorVelmo::Monitoriza() {
    anfitrion_.Monitoriza(*frameUP_);
}

void TSimuladorVelmo::MostrarMicroprograma() {
    if (tipoControl_ != tMicroprogramado && tipoControl_ != TMicroprogramable) {
        anfitrion_.MuestraMensaje("La unidad de control no es microprogramada", kTitulo,
                                  IconoMensaje::Informacion);
        return;
    }
    anfitrion_.MostrarMicroprograma(*frameUnidadDeControl_);
}

void TSimuladorVelmo::MostrarMaquinaEstados() {
    if (!EsCableado(tipoControl_)) {
        anfitrion_.MuestraMensaje("La unidad de control no es cableada", kTitulo, IconoMensaje::Informacion);
    }
    const TTipoControl tipo = frameUnidadDeControl_->prtipocontrol();
    if (tipo == tnormal || tipo == toptimizado || tipo == TVL1Modif) {
        anfitrion_.MostrarMaquinaEstados(tipo);
    }
}

} // namespace velmo

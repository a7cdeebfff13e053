#include "objSimuladorVelmo.h"

#include "CablesMaquina.h"
#include "Historia.h"
#include "LineaTraza.h"
#include "ObjUCCableada.h"
#include "ObjUCMicroprogramada.h"
#include "UtilidadesStr.h"
#include "Utils.h"

#include <initializer_list>

namespace velmo {

namespace {

constexpr const char* kTitulo = "Velmo";

template <class Mapa> std::uint16_t Valor16(const Mapa& map, int i) {
    return static_cast<std::uint16_t>(map[static_cast<std::size_t>(i)]);
}

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

void TSimuladorVelmo::Traza(const char* linea) const {
    anfitrion_.AnadeLineaTraza((LineaTraza::Nueva() << linea).Texto());
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

    std::unique_ptr<TUnidadControl> uc = CreaUnidadControl(tipo);

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
    ResuelveFilas();
}

std::unique_ptr<TUnidadControl> TSimuladorVelmo::CreaUnidadControl(TTipoControl tipo) {
    if (EsCableado(tipoControl_)) {
        auto cableada = std::make_unique<TUCCableada>(anfitrion_, kPuertosUCCableada);
        cableada->Tipocontrol = tipo;
        cableada->CreaCables(kPuertosUC);
        return cableada;
    }
    auto micro = std::make_unique<TUCMicroProgramada>(anfitrion_, kPuertosUCMicro);
    if (tipoControl_ == TMicroprogramable) {
        micro->microeditable = true;
        const Microprograma& m = frameUnidadDeControl_->VectorMicroInst();
        for (int i = 0; i < kMicroinstrucciones; ++i) {
            micro->SetMicroinst(i, m[static_cast<std::size_t>(i)]);
        }
    }
    micro->CreaCables(std::span<const TRegConfCable>(kPuertosUC).first(kPuertosUCMicro));
    return micro;
}

void TSimuladorVelmo::ResuelveFilas() {
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

// The phases are inline and used here only, so that the engine's hot path pays no calls for the split.
void TSimuladorVelmo::Ciclo(bool traza) {
    auto& map = frameUP_->Loscables();
    FlancoReloj(map, traza);
    PresentaValores(map);
    const bool irCarga = ComportamientoRegistros(map, traza);
    ComportamientoCombinacional(map, traza, irCarga);
}

inline void TSimuladorVelmo::FlancoReloj(MapaCables& map, bool traza) {
    // 1. Clock edge: the loads and the memory write decided in the previous cycle take effect.
    for (std::size_t i = 0; i < registros_.size(); ++i) {
        TRegistro& r = *registros_[i];
        if (r.PermisoCarga == 1) {
            r.ValorIN = Valor16(map, r.IndiceCableIN);
            if (traza) {
                Traza((LineaTraza::Nueva()
                       << "El Reg tiene permiso carga (nombre, valor) " << r.NombreReg << "  ,  ")
                          .Binario(r.ValorIN, r.Numbits)
                          .Texto());
            }
            frameRegistros_->PonBinario(filaRegistro_[i], r.ValorIN, r.Numbits);
        }
    }
    const std::int16_t entrada = map[mapa::wAluOutMem];
    frameCablesMEm_->PonBinario(filaEnt_, entrada, 16);
    if (memoria_->PermisoCarga == 1) {
        const int direccion = memoria_->LosCables[1].Valor;
        if (traza) {
            Traza((LineaTraza::Nueva() << "Escribiendo en Memoria: " << entrada << " en la @: " << direccion)
                      .Texto());
        }
        const auto valor = static_cast<std::uint16_t>(entrada);
        memoria_->EscribirValor(valor, direccion);
        if (TMemoria::DireccionValida(direccion)) {
            frameMemoria_->EscribirValor(valor, static_cast<std::uint16_t>(direccion));
        }
    }
}

inline void TSimuladorVelmo::PresentaValores(MapaCables& map) {
    // 2. Set-up: registers present their new values, the control unit drives its current word. The
    // elements are known by kind here, so each is called directly rather than through the list.
    uc_->IniciaCiclo();
    uc_->SetUp();
    for (TRegistro* r : registros_) {
        r->IniciaCiclo();
        r->TRegistro::SetUp();
    }
    mux_->IniciaCiclo();
    alu_->IniciaCiclo();
    memoria_->IniciaCiclo();
    incrementador_->IniciaCiclo();
    // The wiring is fixed: ports are read and written by the constant indices of their tables.
    for (std::size_t p = 0; p < filaPuertoUC_.size(); ++p) {
        const std::int16_t valor = uc_->LosCables[p].Valor;
        map[kPuertosUC[p].IndiceMapa] = valor;
        frameCablesCtrl_->PonBinario(filaPuertoUC_[p], valor, kPuertosUC[p].NumBits);
    }
    memoria_->PermisoCarga = Valor16(map, mapa::wPmem);
    pc_->LosCables[0].Valor = map[kPuertosPC[0].IndiceMapa];
    a_->LosCables[0].Valor = map[kPuertosA[0].IndiceMapa];
    b_->LosCables[0].Valor = map[kPuertosB[0].IndiceMapa];
    ir_->LosCables[0].Valor = map[kPuertosIR[0].IndiceMapa];
    fz_->LosCables[0].Valor = map[kPuertosFZ[0].IndiceMapa];
}

inline bool TSimuladorVelmo::ComportamientoRegistros(MapaCables& map, bool traza) {
    // 3. Registers.
    bool irCarga = false;
    for (TRegistro* r : registros_) {
        if (r != ir_) {
            r->Comportamiento(traza);
            map[r->IndiceCableOut] = static_cast<std::int16_t>(r->ValorOUT);
            continue;
        }
        irCarga = ComportamientoIR(map, traza);
    }
    return irCarga;
}

inline bool TSimuladorVelmo::ComportamientoIR(MapaCables& map, bool traza) {
    TRegistro* r = ir_;
    if (isCopModif_) {
        r->IsCopModif = true;
    }
    r->Comportamiento(traza);
    if (isCopModif_) {
        if (traza) {
            Traza("////////COP ESPECIAL DE 4 BITS////////");
        }
        isCopModif_ = false;
    }
    const bool irCarga = r->PermisoCarga == 1;
    map[mapa::wIrDMux3] = r->LosCables[2].Valor;
    if (tipoControl_ == TMicroprogramable) {
        const auto fila = frameUnidadDeControl_->FilaActual();
        if (fila < kMicroinstrucciones && frameUnidadDeControl_->VectorMicroInst()[fila].pAux == 1) {
            regAux_ = Valor16(map, mapa::wMoutB) & 0x7F;
            frameRegistros_->SetValorBinario(filaRegAux_, regAux_, TRegRdD::kBitsRegAux);
            frameUP_->SetValorRegAux(static_cast<std::uint16_t>(regAux_));
        }
    }
    map[mapa::wIRFMux2] = r->LosCables[3].Valor;
    map[mapa::wIrCO] = r->LosCables[4].Valor;
    if (traza) {
        Traza((LineaTraza::Nueva() << "IR Cop: " << map[mapa::wIrCO]).Texto());
        Traza((LineaTraza::Nueva() << "IR fnt: " << map[mapa::wIRFMux2]).Texto());
        Traza((LineaTraza::Nueva() << "IR dst: " << map[mapa::wIrDMux3]).Texto());
    }
    return irCarga;
}

inline void TSimuladorVelmo::ComportamientoCombinacional(MapaCables& map, bool traza, bool irCarga) {
    // 4. Combinational elements, once each, in this order.
    for (std::size_t p = 0; p < kPuertosMux.size(); ++p) {
        mux_->LosCables[p].Valor = map[kPuertosMux[p].IndiceMapa];
    }
    mux_->Regauxin = static_cast<std::uint16_t>(regAux_);
    mux_->TMux::Comportamiento();
    map[mux_->IndiceCableOutSum] = static_cast<std::int16_t>(mux_->ValorOUT);
    map[mux_->IndiceCableOutMem] = static_cast<std::int16_t>(mux_->ValorOUT);

    for (std::size_t p = 0; p < kPuertosAlu.size(); ++p) {
        alu_->LosCables[p].Valor = map[kPuertosAlu[p].IndiceMapa];
    }
    alu_->TAlu::Comportamiento();
    map[mapa::wAluOutMem] = static_cast<std::int16_t>(alu_->ValorOUT);
    map[mapa::wAluZFZ] = alu_->LosCables[4].Valor;

    AccesoMemoria(map, traza, irCarga);

    incrementador_->ValorIN = mux_->ValorOUT;
    incrementador_->TIncrementador::Comportamiento();
    map[incrementador_->IndiceCableOut] = static_cast<std::int16_t>(incrementador_->ValorOUT);

    if (traza) {
        Traza("La unidad de control calcula estado siguiente");
    }
    uc_->LosCables[puertoUC::Co10].Valor = map[mapa::wIrCO];
    uc_->LosCables[puertoUC::wFZOut].Valor = map[mapa::wFZOut];
    uc_->Comportamiento();
}

inline void TSimuladorVelmo::AccesoMemoria(MapaCables& map, bool traza, bool irCarga) {
    memoria_->LosCables[1].Valor = map[mapa::wMuxoutMem];
    const int direccion = memoria_->LosCables[1].Valor;
    if (traza) {
        Traza((LineaTraza::Nueva() << " @Mem= " << direccion).Texto());
    }
    if (irCarga) {
        currentPc_ = direccion;
    }
    frameCablesMEm_->PonDecimal(filaMem_, direccion);
    memoria_->TMemoria::Comportamiento();
    if (memoria_->IsCopModif) {
        // Only an instruction fetch decides how the next cycle decodes: a CLEAR, MOVD or ACUM word read
        // as an operand is data.
        if (irCarga) {
            isCopModif_ = true;
        }
        memoria_->IsCopModif = false;
    }
    frameCablesMEm_->PonBinario(filaSal_, memoria_->ValorOUT, 16);
    const auto leido = static_cast<std::int16_t>(memoria_->ValorOUT);
    map[mapa::wMemOutIr] = leido;
    map[mapa::wMoutA] = leido;
    map[mapa::wMoutB] = leido;
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
        frameCablesCtrl_->PonDecimal(filaUProg_, estado);
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
    if (historia_) {
        historia_->Registra();
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
    up.SetActivados(s);
}

bool TSimuladorVelmo::EjecutaInstruccion() {
    return EjecucionPorTramos::SinVigilancia(*this, TipoEjecucion::Instrucciones, 1).Avanza()->fin ==
           FinEjecucion::Completada;
}

void TSimuladorVelmo::EjecutaHastaBreakpoint() {
    EjecucionPorTramos::SinVigilancia(*this, TipoEjecucion::HastaBreakpoint, 0).Avanza();
}

ResultadoEjecucion TSimuladorVelmo::EjecutaCiclos(std::int64_t n, const OpcionesEjecucion& opciones) {
    return *EjecucionPorTramos(*this, TipoEjecucion::Ciclos, n, opciones).Avanza();
}

ResultadoEjecucion TSimuladorVelmo::EjecutaInstrucciones(std::int64_t n, const OpcionesEjecucion& opciones) {
    return *EjecucionPorTramos(*this, TipoEjecucion::Instrucciones, n, opciones).Avanza();
}

ResultadoEjecucion TSimuladorVelmo::EjecutaHastaBreakpoint(const OpcionesEjecucion& opciones) {
    return *EjecucionPorTramos(*this, TipoEjecucion::HastaBreakpoint, 0, opciones).Avanza();
}

// Both kinds of snapshot name the engine's own fields alike.
template <class I> void TSimuladorVelmo::RestauraContadores(const I& i) {
    numCiclos_ = i.numCiclos;
    numInst_ = i.numInst;
    findeinstruccion_ = i.findeinstruccion;
    isCopModif_ = i.isCopModif;
    regAux_ = i.regAux;
    estadoActual_ = i.estadoActual;
    currentPc_ = i.currentPc;
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
    RestauraContadores(i);
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

namespace {

TSimuladorVelmo::PuertosCompactos Compacta(const TElemOrg& e) {
    TSimuladorVelmo::PuertosCompactos p;
    for (std::size_t k = 0; k < e.LosCables.size() && k < p.valor.size(); ++k) {
        p.valor[k] = e.LosCables[k].Valor;
        p.activado = static_cast<std::uint16_t>(p.activado | (e.LosCables[k].Activado ? 1U << k : 0U));
    }
    p.comportado = e.Comportado;
    return p;
}

void Restaura(TElemOrg& e, const TSimuladorVelmo::PuertosCompactos& p) {
    for (std::size_t k = 0; k < e.LosCables.size() && k < p.valor.size(); ++k) {
        e.LosCables[k].Valor = p.valor[k];
        e.LosCables[k].Activado = ((p.activado >> k) & 1U) != 0;
    }
    e.Comportado = p.comportado;
}

TSimuladorVelmo::TablaCompacta Compacta(const TablaNombreValor& tabla) {
    const TablaNombreValor::Datos& d = tabla.GetDatos();
    TSimuladorVelmo::TablaCompacta t;
    t.celdas.reserve(d.ValorCables.size());
    for (std::size_t k = 0; k < d.ValorCables.size(); ++k) {
        const ValorCelda& c = d.ValorCables[k];
        t.celdas.push_back({c.forma, c.digitos, c.numero});
        if (c.texto != tabla.TextoInicial(static_cast<int>(k))) {
            t.textos.emplace_back(static_cast<std::uint8_t>(k), c.texto);
        }
    }
    return t;
}

TablaNombreValor::Datos Restaura(const TablaNombreValor& tabla, const TSimuladorVelmo::TablaCompacta& t) {
    TablaNombreValor::Datos d = tabla.GetDatos();
    for (std::size_t k = 0; k < d.ValorCables.size() && k < t.celdas.size(); ++k) {
        ValorCelda& c = d.ValorCables[k];
        c.forma = t.celdas[k].forma;
        c.digitos = t.celdas[k].digitos;
        c.numero = t.celdas[k].numero;
        c.texto = tabla.TextoInicial(static_cast<int>(k));
    }
    for (const auto& [k, texto] : t.textos) {
        if (k < d.ValorCables.size()) {
            d.ValorCables[k].texto = texto;
        }
    }
    return d;
}

// A memory word written since the opening is its file word rewritten by its current value: writing
// decodes the value again and keeps only the file's "CTE" and "---" mnemonics and the description, so
// the last value written gives the same word however many writes came before.
TregInst Palabra(const TregInst& original, std::uint16_t valor, bool escrita, int version) {
    TregInst p = original;
    if (escrita) {
        p.Valor = valor;
        UpdateRegInst(valor, version, p);
    }
    return p;
}

} // namespace

TSimuladorVelmo::InstantaneaCompacta TSimuladorVelmo::TomaCompacta() const {
    InstantaneaCompacta i;
    i.uc = Compacta(*uc_);
    i.ucActual = uc_->EstadoActual;
    i.ucSiguiente = uc_->EstadoSiguiente;
    i.ucAnterior = uc_->EstadoAnterior;
    if (EsCableado(tipoControl_)) {
        i.copaux = static_cast<const TUCCableada&>(*uc_).copaux;
    }
    for (std::size_t k = 0; k < registros_.size(); ++k) {
        const TRegistro& r = *registros_[k];
        i.registros[k] = {Compacta(r), r.ValorIN, r.ValorOUT, r.PermisoCarga, r.IsCopModif};
    }
    i.mux = Compacta(*mux_);
    i.muxOut = mux_->ValorOUT;
    i.regauxin = mux_->Regauxin;
    i.alu = Compacta(*alu_);
    i.aluOut = alu_->ValorOUT;
    i.memoria = Compacta(*memoria_);
    i.memOut = memoria_->ValorOUT;
    i.memPermiso = memoria_->PermisoCarga;
    i.memCopModif = memoria_->IsCopModif;
    for (std::size_t k = 0; k < kPalabrasMemoria; ++k) {
        i.palabras[k] = memoria_->VectorReginst[k].Valor;
    }
    i.escritas = memoria_->PalabrasEscritas();
    i.incrementador = Compacta(*incrementador_);
    i.incIn = incrementador_->ValorIN;
    i.incOut = incrementador_->ValorOUT;
    i.numCiclos = numCiclos_;
    i.numInst = numInst_;
    i.findeinstruccion = findeinstruccion_;
    i.isCopModif = isCopModif_;
    i.regAux = regAux_;
    i.estadoActual = estadoActual_;
    i.currentPc = currentPc_;
    i.filaMemoria = frameMemoria_->prFilaActual();
    i.tablaRegistros = Compacta(*frameRegistros_);
    i.tablaCablesMem = Compacta(*frameCablesMEm_);
    i.tablaCablesCtrl = Compacta(*frameCablesCtrl_);
    i.estado = frameEstado_->GetDatos();
    i.up = frameUP_->GetDatos();
    i.filaMicro = frameUnidadDeControl_->GetDatos().FilaMicroprograma;
    i.activadoControl = frameUnidadDeControl_->GetDatos().activado;
    return i;
}

void TSimuladorVelmo::RestauraCompacta(const InstantaneaCompacta& i) {
    Restaura(*uc_, i.uc);
    uc_->EstadoActual = i.ucActual;
    uc_->EstadoSiguiente = i.ucSiguiente;
    uc_->EstadoAnterior = i.ucAnterior;
    if (EsCableado(tipoControl_)) {
        static_cast<TUCCableada&>(*uc_).copaux = i.copaux;
    }
    for (std::size_t k = 0; k < registros_.size(); ++k) {
        TRegistro& r = *registros_[k];
        const RegistroCompacto& c = i.registros[k];
        Restaura(r, c.puertos);
        r.ValorIN = c.valorIn;
        r.ValorOUT = c.valorOut;
        r.PermisoCarga = c.permisoCarga;
        r.IsCopModif = c.isCopModif;
    }
    Restaura(*mux_, i.mux);
    mux_->ValorOUT = i.muxOut;
    mux_->Regauxin = i.regauxin;
    Restaura(*alu_, i.alu);
    alu_->ValorOUT = i.aluOut;
    Restaura(*memoria_, i.memoria);
    memoria_->ValorOUT = i.memOut;
    memoria_->PermisoCarga = i.memPermiso;
    memoria_->IsCopModif = i.memCopModif;
    TMemoriaVLM::Datos vista = frameMemoria_->GetDatos();
    for (std::size_t k = 0; k < kPalabrasMemoria; ++k) {
        const bool escrita = ((i.escritas[k / 64] >> (k % 64)) & 1U) != 0;
        const TregInst palabra = Palabra(vectorReginst_[k], i.palabras[k], escrita, memoria_->ver);
        memoria_->EscribirInstruccion(palabra, static_cast<int>(k));
        vista.VectorReginst[k] = palabra;
    }
    memoria_->SetPalabrasEscritas(i.escritas);
    Restaura(*incrementador_, i.incrementador);
    incrementador_->ValorIN = i.incIn;
    incrementador_->ValorOUT = i.incOut;
    RestauraContadores(i);
    // Breakpoints and scrolling are the user's: they stay as they are now.
    vista.FilaActual = i.filaMemoria;
    frameMemoria_->RestauraContenido(vista);
    frameRegistros_->RestauraDatos(Restaura(*frameRegistros_, i.tablaRegistros));
    frameCablesMEm_->RestauraDatos(Restaura(*frameCablesMEm_, i.tablaCablesMem));
    frameCablesCtrl_->RestauraDatos(Restaura(*frameCablesCtrl_, i.tablaCablesCtrl));
    frameEstado_->RestauraDatos(i.estado);
    frameUP_->RestauraDatos(i.up);
    TFrameControl::Datos control = frameUnidadDeControl_->GetDatos();
    control.FilaMicroprograma = i.filaMicro;
    control.activado = i.activadoControl;
    frameUnidadDeControl_->RestauraDatos(control);
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

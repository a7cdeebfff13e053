#include "objSimulador.h"

#include "FicheroEjecutable.h"
#include "Utils.h"

namespace velmo {

namespace {

constexpr const char* kTitulo = "Velmo";

} // namespace

TSimulador::TSimulador(AnfitrionMaquina& anfitrion, const std::string& fichero)
    : TSimulador(anfitrion, fichero, {}, true) {}

TSimulador::TSimulador(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes)
    : TSimulador(anfitrion, nombre, std::move(bytes), false) {}

TSimulador::TSimulador(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes,
                       bool leeFichero)
    : anfitrion_(anfitrion), nomFichVelmo_(nombre), bytesEjecutable_(std::move(bytes)),
      frameEstado_(std::make_unique<TEstadoDeEjecucion>()), frameUP_(std::make_unique<TOrganizacion>()),
      frameUnidadDeControl_(std::make_unique<TFrameControl>()), frameRegistros_(std::make_unique<TRegRdD>()),
      frameMemoria_(std::make_unique<TMemoriaVLM>(&anfitrion)),
      frameCablesMEm_(std::make_unique<TCablesMem>()), frameCablesCtrl_(std::make_unique<TCablesCtrl>()) {
    for (int i = 0; i < kPalabrasMemoria; ++i) {
        vectorReginst_[static_cast<std::size_t>(i)] = PalabraLibre(i);
    }
    Abre(leeFichero);
}

void TSimulador::Abre(bool leeFichero) {
    if (anfitrion_.TrazaActiva()) {
        anfitrion_.AnadeLineaTraza("ejecución del fichero: " + nomFichVelmo_);
    }
    numCiclos_ = -1;
    numInst_ = -1;
    anfitrion_.ReiniciaTraza();

    CargaEjecutable(leeFichero);
    TMemoriaVLM& memoria = *frameMemoria_;
    memoria.SetBounds(605, 0, 205, 380);
    memoria.Inicializa();
    memoria.Show();
    memoria.Repinta();

    const Microprograma microprograma = PideControl();
    InicializaMarcos();
    PreparaUnidades(microprograma);
}

void TSimulador::CargaEjecutable(bool leeFichero) {
    if (leeFichero && !LeeBytesFichero(nomFichVelmo_, bytesEjecutable_, kRegistrosEjecutable * kTamRegInst)) {
        throw ErrorAperturaEjecutable(nomFichVelmo_);
    }
    const LecturaEjecutable lectura = LeeEjecutable(bytesEjecutable_);
    TMemoriaVLM& memoria = *frameMemoria_;
    if (lectura.estado == EstadoLectura::CabeceraIncorrecta) {
        apertura_ = EstadoApertura::CabeceraIncorrecta;
        anfitrion_.MuestraMensaje(
            "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto", kTitulo,
            IconoMensaje::Error);
        memoria.SetVersionVL(2);
        tipoControl_ = tnormal;
    } else {
        switch (lectura.version) {
        case 0:
            memoria.SetVersionVL(0);
            tipoControl_ = tnormal;
            break;
        case 1:
            memoria.SetVersionVL(1);
            tipoControl_ = TVL1Modif;
            break;
        default:
            memoria.SetVersionVL(2);
            tipoControl_ = TMicroprogramable;
            break;
        }
        for (int i = 0; i < lectura.palabrasLeidas && i < kPalabrasMemoria; ++i) {
            const auto& reg = lectura.palabras[static_cast<std::size_t>(i)];
            vectorReginst_[static_cast<std::size_t>(i)] = reg;
            memoria.EscribirInstruccion(reg, i);
        }
        if (lectura.estado == EstadoLectura::Corrupto) {
            apertura_ = EstadoApertura::Corrupto;
            anfitrion_.MuestraMensaje(
                "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto",
                kTitulo, IconoMensaje::Error);
        }
    }
}

Microprograma TSimulador::PideControl() {
    Microprograma microprograma{};
    // A version-0 or unreadable executable leaves the control unit to the user, a configurable one asks for
    // its microprogram.
    if (tipoControl_ == tnormal) {
        tipoControl_ = anfitrion_.EligeControl();
    } else if (tipoControl_ == TMicroprogramable) {
        microprograma = anfitrion_.EditaMicroprograma();
    }

    return microprograma;
}

void TSimulador::InicializaMarcos() {
    frameEstado_->SetNumCiclos(-1);
    frameEstado_->SetNumInstrucciones(-1);
    if (tipoControl_ == TMicroprogramable) {
        frameRegistros_->AnadeRegAux();
    }
    frameRegistros_->Inicializa();
    frameCablesMEm_->Inicializa();
    frameCablesCtrl_->Inicializa();
    ColocaVentanas();
}

void TSimulador::PreparaUnidades(const Microprograma& microprograma) {
    TFrameControl& uc = *frameUnidadDeControl_;
    uc.Settipocontrol(tipoControl_);
    if (tipoControl_ == TVL1Modif) {
        anfitrion_.SetTipoControlMapaAlu(TVL1Modif);
    }
    uc.CreaCablesControl();
    uc.Show();
    uc.SetCaption(EsCableado(tipoControl_) ? "Unidad de Control Cableada Vl1"
                                           : "Unidad de Control microprogramada Vl1");

    TOrganizacion& up = *frameUP_;
    up.CreaCablesOrg();
    up.SetCaption("Unidad de proceso Vl1");
    if (tipoControl_ == TVL1Modif) {
        up.Settipocontrol(TVL1Modif);
        up.SetCaption("Unidad de proceso VL1Modif");
    }
    if (tipoControl_ == TMicroprogramable) {
        uc.SetCaption("Unidad de Control Microprogramable");
        anfitrion_.SetTipoControlMapaAlu(TMicroprogramable);
        up.Settipocontrol(TMicroprogramable);
        up.SetCaption("Unidad de proceso VL Configurable");
        uc.SetVectorMicroInst(microprograma);
    }
    up.Show();
}

void TSimulador::ColocaVentanas() {
    frameEstado_->SetClientWidth(170);
    frameEstado_->SetClientHeight(42);
    frameEstado_->SetPosicion(600, 465);
    frameEstado_->Show();

    frameRegistros_->SetBounds(590, 533, 114, 200);
    // One more row of 16 pixels and its line when the auxiliary register is listed.
    frameRegistros_->SetClientHeight(frameRegistros_->NumCables() > 5 ? 107 : 90);
    frameRegistros_->SetClientWidth(195);
    frameRegistros_->Show();

    frameCablesMEm_->SetBounds(810, 563, 83, 200);
    frameCablesMEm_->SetClientWidth(195);
    frameCablesMEm_->SetClientHeight(60);
    frameCablesMEm_->Show();

    frameCablesCtrl_->SetPosicion(810, 458);
    frameCablesCtrl_->SetClientWidth(190);
    frameCablesCtrl_->SetClientHeight(75);
    frameCablesCtrl_->Show();

    frameUnidadDeControl_->SetPosicion(625, 208);
    frameUnidadDeControl_->SetClientWidth(325);
    frameUnidadDeControl_->SetClientHeight(228);

    frameUP_->SetBounds(0, 0, 630, 585);
}

void TSimulador::VentanasIniciales() {
    ColocaVentanas();
    frameMemoria_->SetBounds(605, 0, 205, 380);
    EstadoVentana* ventanas[] = {frameEstado_.get(),     frameRegistros_.get(), frameCablesMEm_.get(),
                                 frameCablesCtrl_.get(), frameMemoria_.get(),   frameUnidadDeControl_.get(),
                                 frameUP_.get()};
    for (EstadoVentana* v : ventanas) {
        v->SetEstadoNormal(true);
        v->Show();
    }
}

void TSimulador::EjecutaCiclo() {
    TFrameControl& uc = *frameUnidadDeControl_;
    frameUP_->ActualizaBitmap();
    if (EsCableado(uc.prtipocontrol())) {
        anfitrion_.DestelloReloj(uc);
    }
    uc.ActualizaBitmap();
    uc.ActivaTodos();
    uc.ActualizaBitmap();
    ++numCiclos_;
    frameEstado_->SetNumCiclos(numCiclos_);
    frameEstado_->SetNumInstrucciones(numInst_);
    frameEstado_->Repinta();
    frameRegistros_->Repinta();
    frameCablesMEm_->Repinta();
    frameCablesCtrl_->Repinta();
    frameMemoria_->Repinta();
    anfitrion_.FinDeCiclo();
}

} // namespace velmo

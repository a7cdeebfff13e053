#include "VentanaPrincipal.h"

#include "AboutBox.h"
#include "AjustesUsuario.h"
#include "AnfitrionGUI.h"
#include "ConfiguraAlu.h"
#include "Debug.h"
#include "DialogoModal.h"
#include "FormAvisoBreakpoint.h"
#include "FormBienvenida.h"
#include "FormEjecutaNInst.h"
#include "FormEligeSim.h"
#include "FormMicroprogramable.h"
#include "LecturaAcotada.h"
#include "MapasComponentes.h"
#include "Plataforma.h"
#include "SimulacionVelmo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include <exception>

namespace velmo {

namespace {

const QString kTitulo = QStringLiteral("Velmo");

/// Marks a command as running for as long as it lasts.
class Ocupacion {
public:
    explicit Ocupacion(bool& ocupado) : ocupado_(ocupado) { ocupado_ = true; }
    ~Ocupacion() { ocupado_ = false; }
    Ocupacion(const Ocupacion&) = delete;
    Ocupacion& operator=(const Ocupacion&) = delete;

private:
    bool& ocupado_;
};

/// The trace file and its format: the type chosen in the dialog decides, and gives its extension to a
/// name without one; a name that ends in either extension keeps that format.
QPair<QString, bool> DestinoTraza(const QString& ruta, const QString& filtro) {
    const QString sufijo = QFileInfo(ruta).suffix().toLower();
    if (sufijo == QStringLiteral("csv") || sufijo == QStringLiteral("vcd")) {
        return {ruta, sufijo == QStringLiteral("vcd")};
    }
    const bool vcd = filtro == TVentanaPrincipal::kFiltroVcd;
    if (!sufijo.isEmpty()) {
        return {ruta, vcd};
    }
    return {ruta + (vcd ? QStringLiteral(".vcd") : QStringLiteral(".csv")), vcd};
}

} // namespace

const QString TVentanaPrincipal::kFiltroCsv = QStringLiteral("Traza CSV (*.csv)");
const QString TVentanaPrincipal::kFiltroVcd = QStringLiteral("Value Change Dump (*.vcd)");

TVentanaPrincipal::TVentanaPrincipal(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(kTitulo);
    setWindowIcon(QIcon(QStringLiteral(":/velmo/icons/velmo.svg")));

    Mdi = new QMdiArea(this);
    Mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(Mdi);
    statusBar()->setSizeGripEnabled(true);

    CreaAcciones();
    CreaMenus();
    CreaBarraHerramientas();

    // Windows that live for the whole run, in the order the program creates them.
    AboutBox = new TAboutBox(this);
    FormElige = new TFormElige(this);
    FormBienvenida = new TFormBienvenida(this);
    Debug = new TDebug(this);
    Debug->PonEstado(Qt::WindowMinimized);
    Debug->anade_linea(QStringLiteral("Debug Activado"));
    anfitrion_ = std::make_unique<AnfitrionGUI>(this, *Debug, *FormElige);
    // The configurable machine's ALU options and microprogram editor, the component maps and the
    // breakpoint notice: each simulation's host reaches them here.
    ConfiguraAlu = new TConfiguraAlu(this);
    Form_Microprogramable = new TForm_Microprogramable(*ConfiguraAlu, this);
    SetMapa(Mapa::Alu, new TMapaAlu(this));
    SetMapa(Mapa::Memoria, new TMapaMemoria(this));
    SetMapa(Mapa::Incrementador, new TMapaIncrementador(this));
    SetMapa(Mapa::Registros, new TMapaReg(this));
    SetMapa(Mapa::Multiplexor, new TMapaMux(this));
    FormAvisoBreakpoint = new TFormAvisoBreakpoint(
        this, [] { return LeeAjuste(QStringLiteral("noInfoBreakpoint"), false); },
        [](bool noMostrar) { EscribeAjuste(QStringLiteral("noInfoBreakpoint"), noMostrar); });
    fabrica_ = [](TVentanaPrincipal& owner, const QString& ruta) -> std::unique_ptr<Simulacion> {
        return std::make_unique<SimulacionVelmo>(owner, ruta);
    };

    HabilitaSimulacion(false, true);
    HabilitaFuente(true);

    temporizadorAjuste_ = new QTimer(this);
    temporizadorAjuste_->setSingleShot(true);
    temporizadorAjuste_->setInterval(300);
    connect(temporizadorAjuste_, &QTimer::timeout, this, &TVentanaPrincipal::OfreceAjuste);
}

TVentanaPrincipal::~TVentanaPrincipal() {
    // The simulation's windows are children of this frame: the engine goes first.
    SimuladorVelmo.reset();
}

void TVentanaPrincipal::Orden(QAction* accion, std::function<void()> orden) {
    connect(accion, &QAction::triggered, this, [this, orden = std::move(orden)] {
        if (ocupado_) {
            return;
        }
        RetiraAviso();
        Ocupacion marca(ocupado_);
        Protegido(orden);
    });
}

template <class F> void TVentanaPrincipal::Protegido(F&& orden) {
    try {
        orden();
    } catch (const std::exception&) {
        Modal().mensaje(this, QStringLiteral("No se ha podido completar la orden."), kTitulo,
                        IconoMensaje::Error);
    } catch (...) {
        Modal().mensaje(this, QStringLiteral("No se ha podido completar la orden."), kTitulo,
                        IconoMensaje::Error);
    }
}

void TVentanaPrincipal::Ejecuta(
    const std::function<ResultadoEjecucion(Simulacion&, const OpcionesEjecucion&)>& orden) {
    if (!SimuladorVelmo) {
        return;
    }
    detenida_ = false;
    progresoMostrado_ = false;
    anfitrion_->EmpiezaEjecucion(BarraHerramientas->widgetForAction(BotonDetener),
                                 [this] { DetenerClick(); });
    const ResultadoEjecucion r =
        orden(*SimuladorVelmo,
              anfitrion_->OpcionesRefresco([this](const ResultadoEjecucion& r) { MuestraProgreso(r); }));
    anfitrion_->TerminaEjecucion();
    Detener->setEnabled(false);
    BotonDetener->setEnabled(false);
    if (detenida_) {
        BarraEstado(QStringLiteral("Ejecución detenida tras %1 ciclos").arg(r.ciclos));
    } else if (progresoMostrado_) {
        statusBar()->clearMessage();
    }
    if (r.fin == FinEjecucion::Error) {
        // The engine has already said "Excepción: Reinicializando": start the simulation again.
        BotonResetClick();
    }
}

void TVentanaPrincipal::MuestraProgreso(const ResultadoEjecucion& hecho) {
    // Enabled from the first refresh on, so that a single step does not flash the button.
    if (!progresoMostrado_) {
        Detener->setEnabled(true);
        BotonDetener->setEnabled(true);
    }
    progresoMostrado_ = true;
    BarraEstado(QStringLiteral("Ejecutando: %1 ciclos, %2 instrucciones (Esc detiene)")
                    .arg(hecho.ciclos)
                    .arg(hecho.instrucciones));
}

void TVentanaPrincipal::DetenerClick() {
    if (anfitrion_->EnEjecucion() && SimuladorVelmo) {
        detenida_ = true;
        SimuladorVelmo->Detener();
    }
}

void TVentanaPrincipal::SetMapa(Mapa mapa, QDialog* ventana) {
    mapas_[static_cast<int>(mapa)] = ventana;
}

QDialog* TVentanaPrincipal::VentanaMapa(Mapa mapa) const {
    return mapas_[static_cast<int>(mapa)];
}

// ---------------------------------------------------------------- status bar and start-up

void TVentanaPrincipal::BarraEstado(const QString& texto) {
    statusBar()->showMessage(texto);
}

void TVentanaPrincipal::AvisoPasajero(const QString& texto) {
    if (aviso_.isEmpty()) {
        textoBajoAviso_ = statusBar()->currentMessage();
    }
    aviso_ = texto;
    BarraEstado(texto);
}

void TVentanaPrincipal::RetiraAviso() {
    if (aviso_.isEmpty()) {
        return;
    }
    // Only if nothing replaced it meanwhile: the standing text comes back.
    if (statusBar()->currentMessage() == aviso_) {
        BarraEstado(textoBajoAviso_);
    }
    aviso_.clear();
}

QString TVentanaPrincipal::TextoBarraEstado() const {
    return statusBar()->currentMessage();
}

bool TVentanaPrincipal::AbrirFichero(const QString& ruta) {
    BarraEstado(QStringLiteral("Inicializando. Espere un momento, por favor ..."));
    FicheroAbierto = ruta;
    return AbrirFicheroVelmo(ruta);
}

bool TVentanaPrincipal::AbrirFicheroVelmo(const QString& ruta) {
    const bool abierta = AbreSimulacion(ruta, [this, &ruta] {
        if (fabrica_) {
            SimuladorVelmo = fabrica_(*this, ruta);
        }
    });
    if (!abierta) {
        SimuladorVelmo.reset();
    }
    return abierta;
}

bool TVentanaPrincipal::AbreSimulacion(const QString& ruta, const std::function<void()>& abre) {
    BarraEstado(QStringLiteral("Seleccione las características de Velmo a simular"));
    // A pipe would freeze the program waiting for a writer; a device or a folder is no executable.
    if (NoEsFicheroNormal(QFile::encodeName(ruta).toStdString())) {
        Modal().mensaje(this,
                        QString::fromStdString(TextoFalloLectura(EstadoLecturaAcotada::NoEsFicheroNormal,
                                                                 ruta.toStdString(), 0)),
                        kTitulo, IconoMensaje::Error);
        return false;
    }
    try {
        abre();
    } catch (const ErrorAperturaEjecutable& error) {
        Modal().mensaje(this, QString::fromStdString(error.what()), kTitulo, IconoMensaje::Error);
        return false;
    } catch (...) {
        // Not retried: a simulation that fails while it opens would fail again on every reset.
        Modal().mensaje(this, QStringLiteral("No se ha podido abrir la simulación de %1").arg(ruta), kTitulo,
                        IconoMensaje::Error);
        return false;
    }
    Debug->anade_linea(QStringLiteral("******INICIO DEL CICLO*******"));
    return true;
}

void TVentanaPrincipal::AbrirFicheroVLXByMessage(const QString& ruta) {
    FicheroAbierto = ruta;
    AbrirFicheroVelmo(ruta);
}

void TVentanaPrincipal::ArrancaConFichero(const QString& ruta) {
    Ocupacion marca(ocupado_);
    bool abierta = false;
    Protegido([&] {
        AbrirFicheroVLXByMessage(ruta);
        abierta = true;
    });
    RegistrarTipoenWindows();
    if (!abierta || (fabrica_ && !SimuladorVelmo)) {
        return;
    }
    HabilitaFuente(false);
    BotonAbrirEjecutable->setEnabled(false);
    CargarEjecutableVelmo1->setEnabled(true);
    HabilitaSimulacion(true, false);
    temporizadorAjuste_->start();
}

void TVentanaPrincipal::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (evento->spontaneous()) {
        return; // a restore from the task bar is not a new showing
    }
    if (LeeAjuste(QStringLiteral("showWelcome"), true)) {
        QMetaObject::invokeMethod(this, &TVentanaPrincipal::MostrarBienvenidaMsg, Qt::QueuedConnection);
    }
}

void TVentanaPrincipal::MostrarBienvenidaMsg() {
    if (ocupado_) {
        // Delivered during a clock pause of the opening cycle: wait until that command is over.
        QTimer::singleShot(100, this, &TVentanaPrincipal::MostrarBienvenidaMsg);
        return;
    }
    Ocupacion marca(ocupado_);
    Protegido([this] { MostrarBienvenida(); });
}

void TVentanaPrincipal::MostrarBienvenida() {
    FormBienvenida->FormShow();
    Modal().ejecuta(*FormBienvenida);
    switch (FormBienvenida->accion) {
    case acProgramaNuevo:
        AbreMontador(InicioMontador::ProgramaNuevo);
        break;
    case acFuenteExistente:
        AbreMontador(InicioMontador::FuenteExistente);
        break;
    case acSimularPrograma:
        CargarEjecutableVelmo1Click();
        break;
    case acAyuda:
        AyudaClick();
        break;
    case acNone:
        break;
    }
}

// ---------------------------------------------------------------- commands

void TVentanaPrincipal::AbreMontador(InicioMontador accion) {
    if (abreMontador_) {
        abreMontador_(*this, accion);
    }
}

void TVentanaPrincipal::CargarEjecutableVelmo1Click() {
    BarraEstado(QStringLiteral("Seleccione el programa a simular"));
    const QString ruta =
        Modal().abreFichero(this, QStringLiteral("Seleccione el programa a simular"),
                            QStringLiteral("Ejecutables de Velmo (*.vlx);;Todos los archivos (*)"),
                            QStringLiteral("vlx"), FicheroAbierto);
    if (ruta.isEmpty()) {
        return;
    }
    if (SimuladorVelmo) {
        CerrarClick();
    }
    if (!AbrirFichero(ruta)) {
        CerrarClick();
        return;
    }
    HabilitaFuente(false);
    CargarEjecutableVelmo1->setEnabled(true);
    HabilitaSimulacion(true, true);
    temporizadorAjuste_->start();
}

void TVentanaPrincipal::CerrarClick() {
    HabilitaFuente(true);
    CargarEjecutableVelmo1->setEnabled(true);
    BotonAbrirEjecutable->setEnabled(true);
    HabilitaSimulacion(false, true);
    SimuladorVelmo.reset();
}

void TVentanaPrincipal::BotonResetClick() {
    if (!SimuladorVelmo) {
        return;
    }
    BarraEstado(QStringLiteral("Inicializando. Espere un momento, por favor ..."));
    if (!AbreSimulacion(FicheroAbierto, [this] { SimuladorVelmo->Reinicia(); })) {
        CerrarClick();
        return;
    }
    HabilitaSimulacion(true, true);
    BotonAbrirEjecutable->setEnabled(true);
    HabilitaFuente(false);
}

void TVentanaPrincipal::CicloClick() {
    Ejecuta([](Simulacion& s, const OpcionesEjecucion& o) { return s.Ciclos(1, o); });
}

void TVentanaPrincipal::BotonCicloClick() {
    Ejecuta([this](Simulacion& s, const OpcionesEjecucion& o) {
        const ResultadoEjecucion r = s.Ciclos(1, o);
        Debug->anade_linea(QStringLiteral("*****Ciclo Completado******"));
        Debug->anade_linea(QStringLiteral("  "));
        return r;
    });
}

void TVentanaPrincipal::InstruccionClick() {
    Ejecuta([](Simulacion& s, const OpcionesEjecucion& o) { return s.Instrucciones(1, o); });
}

void TVentanaPrincipal::EjecutaNClick() {
    FormEjecutaN = std::make_unique<TFormEjecutaN>(this);
    if (Modal().ejecuta(*FormEjecutaN) != QDialog::Accepted) {
        return;
    }
    const std::int32_t total = FormEjecutaN->NInstAEjecutar;
    Ejecuta([total](Simulacion& s, const OpcionesEjecucion& o) { return s.Instrucciones(total, o); });
}

// ---------------------------------------------------------------- stepping back and the recorded trace

void TVentanaPrincipal::CicloAnteriorClick() {
    if (SimuladorVelmo && SimuladorVelmo->CicloAnterior().fin == FinEjecucion::NadaQueDeshacer) {
        AvisoPasajero(QStringLiteral("No hay ciclos anteriores que deshacer"));
    }
}

void TVentanaPrincipal::InstruccionAnteriorClick() {
    if (SimuladorVelmo && SimuladorVelmo->InstruccionAnterior().fin == FinEjecucion::NadaQueDeshacer) {
        AvisoPasajero(QStringLiteral("No hay instrucciones anteriores que deshacer"));
    }
}

void TVentanaPrincipal::GuardarTrazaClick() {
    if (!SimuladorVelmo) {
        return;
    }
    // Beside the executable, under its name.
    const QFileInfo ejecutable(FicheroAbierto);
    const QString propuesta = FicheroAbierto.isEmpty()
                                  ? QString()
                                  : ejecutable.absoluteDir().filePath(ejecutable.completeBaseName() + ".csv");
    QString tipo;
    const QString elegido =
        Modal().guardaFichero(this, QStringLiteral("Guardar traza"),
                              kFiltroCsv + QStringLiteral(";;") + kFiltroVcd, QString(), propuesta, &tipo);
    if (elegido.isEmpty()) {
        return;
    }
    const auto [ruta, vcd] = DestinoTraza(elegido, tipo);
    if (!SimuladorVelmo->GuardaTraza(ruta, vcd)) {
        Modal().mensaje(this, QStringLiteral("No se ha podido guardar la traza en ") + ruta, kTitulo,
                        IconoMensaje::Error);
    }
}

void TVentanaPrincipal::HastaBreakpointClick() {
    Ejecuta([](Simulacion& s, const OpcionesEjecucion& o) { return s.HastaBreakpoint(o); });
}

void TVentanaPrincipal::MonitorizarClick() {
    if (SimuladorVelmo) {
        SimuladorVelmo->Monitoriza();
    }
}

void TVentanaPrincipal::PosicionInicialClick() {
    if (SimuladorVelmo) {
        SimuladorVelmo->VentanasIniciales();
    }
}

void TVentanaPrincipal::MostrarMicroprogramaClick() {
    if (SimuladorVelmo) {
        SimuladorVelmo->MostrarMicroprograma();
    }
}

void TVentanaPrincipal::MostrarMaquinaEstadosClick() {
    if (SimuladorVelmo) {
        SimuladorVelmo->MostrarMaquinaEstados();
    }
}

void TVentanaPrincipal::MuestraMapa(Mapa mapa) {
    if (QDialog* ventana = mapas_[static_cast<int>(mapa)]) {
        Modal().ejecuta(*ventana);
    }
}

void TVentanaPrincipal::FileExit1Execute() {
    if (Modal().pregunta(this, QStringLiteral("Esto finalizará la sesion de Velmo. ¿Desea continuar?"),
                         kTitulo, false) != Respuesta::Si) {
        return;
    }
    BarraEstado(QStringLiteral("Saliendo de la aplicación"));
    TerminarVelmo();
}

void TVentanaPrincipal::TerminarVelmo() {
    SimuladorVelmo.reset();
    terminando_ = true;
    close();
}

void TVentanaPrincipal::closeEvent(QCloseEvent* evento) {
    if (terminando_) {
        evento->accept();
        return;
    }
    if (ocupado_) {
        // A close asked for by the desktop in the middle of a run would pull the engine from under it.
        evento->ignore();
        return;
    }
    BarraEstado(QStringLiteral("Saliendo de la aplicación"));
    SimuladorVelmo.reset();
    terminando_ = true;
    evento->accept();
}

void TVentanaPrincipal::AyudaClick() {
    AbreManualSimulador();
}

void TVentanaPrincipal::AcercaDeClick() {
    Modal().ejecuta(*AboutBox);
}

void TVentanaPrincipal::QueEsEstoClick() {
    QWhatsThis::enterWhatsThisMode();
}

void TVentanaPrincipal::CambiaResolucion(int ancho, int alto) {
    const QString texto =
        QStringLiteral("La configuración de pantalla (si su monitor lo permite, y tiene permiso) "
                       "cambiará a %1x%2. ¿Desea continuar?")
            .arg(ancho)
            .arg(alto);
    if (Modal().pregunta(this, texto, kTitulo, false) == Respuesta::Si) {
        NuevaRes(ancho, alto);
    }
}

// ---------------------------------------------------------------- windows that fit the screen

void TVentanaPrincipal::OfreceAjuste() {
    if (ajusteOfrecido_ || !SimuladorVelmo) {
        return;
    }
    if (ocupado_ || QApplication::activeModalWidget() != nullptr) {
        // A command or a box is up: ask once it is over.
        temporizadorAjuste_->start();
        return;
    }
    const QList<QPair<QMdiSubWindow*, QRect>> colocacion = ColocacionAjustada();
    QRect necesario;
    for (const auto& par : colocacion) {
        necesario |= par.second;
    }
    if (colocacion.isEmpty() || !Mdi->viewport()->rect().contains(necesario)) {
        return;
    }
    ajusteOfrecido_ = true;
    Ocupacion marca(ocupado_);
    if (Modal().pregunta(
            this,
            QStringLiteral("La ventana principal tiene sitio para ver enteras todas las ventanas de "
                           "la simulación, sin que se tapen. ¿Desea colocarlas así? (Menú "
                           "Ventanas, Ajustar a la pantalla)"),
            kTitulo, false) == Respuesta::Si) {
        AjustarPantallaClick();
    }
}

void TVentanaPrincipal::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    if (SimuladorVelmo && !ajusteOfrecido_) {
        // Once the size has settled (a maximised start arrives in steps).
        temporizadorAjuste_->start();
    }
}

} // namespace velmo

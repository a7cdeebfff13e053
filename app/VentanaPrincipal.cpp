#include "VentanaPrincipal.h"

#include "AboutBox.h"
#include "AjustePantalla.h"
#include "AjustesUsuario.h"
#include "AnfitrionGUI.h"
#include "AsociacionFicheros.h"
#include "ConfiguraAlu.h"
#include "Debug.h"
#include "DialogoModal.h"
#include "FormAvisoBreakpoint.h"
#include "FormBienvenida.h"
#include "FormEjecutaNInst.h"
#include "FormEligeSim.h"
#include "FormMicroprogramable.h"
#include "Framemicroprograma.h"
#include "LecturaAcotada.h"
#include "MapasComponentes.h"
#include "Plataforma.h"
#include "RegistroGlobal.h"
#include "SimulacionVelmo.h"
#include "VentanaMemoria.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include <algorithm>
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

QAction* TVentanaPrincipal::Accion(const QString& texto, const QString& icono, const QString& pista,
                                   const QKeySequence& atajo) {
    auto* accion = new QAction(texto, this);
    if (!icono.isEmpty()) {
        accion->setIcon(QIcon(QStringLiteral(":/velmo/icons/%1.svg").arg(icono)));
    }
    if (!pista.isEmpty()) {
        // "Short|Long": the tool tip shows the short part, the status bar the long one.
        const qsizetype barra = pista.indexOf(QLatin1Char('|'));
        accion->setToolTip(barra < 0 ? pista : pista.left(barra));
        accion->setStatusTip(barra < 0 ? pista : pista.mid(barra + 1));
    } else {
        accion->setStatusTip(QString());
        accion->setToolTip(QString());
    }
    if (!atajo.isEmpty()) {
        accion->setShortcut(atajo);
    }
    return accion;
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

void TVentanaPrincipal::CreaAcciones() {
    CargarFuente = Accion(QStringLiteral("&Cargar Fuente Ensamblador..."), QStringLiteral("abrir_fuente"),
                          QStringLiteral("Cargar|Cargar Fuente Ensamblador de Velmo"),
                          QKeySequence(Qt::CTRL | Qt::Key_E));
    CargarEjecutableVelmo1 =
        Accion(QStringLiteral("Cargar Ejecutable Velmo..."), QStringLiteral("abrir_ejecutable"),
               QStringLiteral("Cargar Ejecutable de Velmo"), QKeySequence(Qt::CTRL | Qt::Key_O));
    Cerrar = Accion(QStringLiteral("Cerrar"), QStringLiteral("cerrar"), QString());
    Salir = Accion(QStringLiteral("&Salir"), QString(), QStringLiteral("Exit|Exit application"));
    EjecutarN = Accion(QStringLiteral("Ejecutar N Instrucciones..."), QStringLiteral("ejecutar_n"),
                       QStringLiteral("Ejecuta N Instrucciones"), QKeySequence(Qt::CTRL | Qt::Key_F5));
    Ciclo = Accion(QStringLiteral("Ciclo"), QStringLiteral("ciclo"), QStringLiteral("Ejecuta 1 Ciclo"),
                   QKeySequence(Qt::Key_F6));
    Instruccion = Accion(QStringLiteral("Instrucción"), QStringLiteral("instruccion"),
                         QStringLiteral("Ejecuta 1 Instrucción"), QKeySequence(Qt::Key_F7));
    Monitorizar = Accion(QStringLiteral("Monitorizar"), QStringLiteral("monitorizar"),
                         QStringLiteral("Monitoriza señales"), QKeySequence(Qt::Key_F8));
    Reset = Accion(QStringLiteral("Reset"), QStringLiteral("reset"), QStringLiteral("Reset"),
                   QKeySequence(Qt::CTRL | Qt::Key_F2));
    HastaBreakpoint = Accion(QStringLiteral("Hasta Breakpoint"), QStringLiteral("breakpoint"),
                             QStringLiteral("Ejecutar Hasta Breakpoint"), QKeySequence(Qt::Key_F5));
    CascadaMenu = Accion(QStringLiteral("Cascada"), QStringLiteral("cascada"), QStringLiteral("Cascada"));
    CascadaMenu->setVisible(false);
    PosicionInicial = Accion(QStringLiteral("Posición inicial"), QStringLiteral("posicion"),
                             QStringLiteral("Colocación Inicial"));
    MinimizarTodasMenu = Accion(QStringLiteral("&Minimizar todas las Ventanas"), QStringLiteral("minimizar"),
                                QStringLiteral("Minimizar todas las Ventanas"));
    MinimizarTodasMenu->setVisible(false);
    DetallesMemoria = Accion(QStringLiteral("Detalles de la M&emoria..."), QString(), QString());
    DetallesMultiplexor = Accion(QStringLiteral("Detalles del &Multiplexor..."), QString(), QString());
    DetallesIncrementador = Accion(QStringLiteral("Detalles del &Incrementador..."), QString(), QString());
    DetallesRegistros = Accion(QStringLiteral("Detalles de los &Registros..."), QString(), QString());
    DetallesAlu = Accion(QStringLiteral("&Detalles de la &Alu..."), QStringLiteral("alu"),
                         QStringLiteral("Detalles de la Alu"));
    DetallesMicroprograma =
        Accion(QStringLiteral("Detalles del Microprograma..."), QStringLiteral("microprograma"),
               QStringLiteral("&Detalles del Microprograma"));
    DetallesMaquinaEstados =
        Accion(QStringLiteral("Detalles de la Máquina de Estados..."), QString(), QString());
    AyudaVelmo = Accion(QStringLiteral("A&yuda de Velmo..."), QString(), QStringLiteral("Manual de Velmo"),
                        QKeySequence(Qt::Key_F1));
    DialogoBienvenida = Accion(QStringLiteral("&Diálogo de bienvenida..."), QString(), QString());
    AcercaDe = Accion(QStringLiteral("&Acerca de..."), QString(), QStringLiteral("Acerca De..."));
    Resolucion1024 = Accion(QStringLiteral("Cambiar a 1024 x 768"), QString(), QString());
    Resolucion800 = Accion(QStringLiteral("Cambiar a 800 x 600"), QString(), QString());

    BotonAbrirFuente = Accion(QStringLiteral("Abrir fuente ensamblador"), QStringLiteral("abrir_fuente"),
                              QStringLiteral("Abrir fuente ensamblador"));
    BotonAbrirEjecutable =
        Accion(QStringLiteral("Abrir ejecutable de Velmo"), QStringLiteral("abrir_ejecutable"),
               QStringLiteral("Abrir ejecutable de Velmo"));
    BotonCerrar = Accion(QStringLiteral("Cerrar la Simulación"), QStringLiteral("cerrar"),
                         QStringLiteral("Cerrar la Simulación"));
    BotonCiclo =
        Accion(QStringLiteral("Ejecutar ciclo"), QStringLiteral("ciclo"), QStringLiteral("Ejecutar ciclo"));
    BotonInstruccion = Accion(QStringLiteral("Ejecutar instrucción"), QStringLiteral("instruccion"),
                              QStringLiteral("Ejecutar instrucción"));
    BotonEjecutaN = Accion(QStringLiteral("Ejecutar N instrucciones"), QStringLiteral("ejecutar_n"),
                           QStringLiteral("Ejecutar N instrucciones"));
    BotonHastaBreakpoint = Accion(QStringLiteral("Ejecutar hasta breakpoint"), QStringLiteral("breakpoint"),
                                  QStringLiteral("Ejecutar hasta breakpoint"));
    BotonMonitorizar = Accion(QStringLiteral("Monitorizar señales"), QStringLiteral("monitorizar"),
                              QStringLiteral("Monitorizar señales"));
    BotonReset = Accion(QStringLiteral("Reset"), QStringLiteral("reset"), QStringLiteral("Reset"));
    BotonApilarVertical = Accion(QStringLiteral("Apilar Vertical"), QStringLiteral("apilar"),
                                 QStringLiteral("Apilar Vertical"));
    BotonApilarVertical->setVisible(false);
    BotonCascada = Accion(QStringLiteral("Cascada"), QStringLiteral("cascada"), QStringLiteral("Cascada"));
    BotonCascada->setVisible(false);
    BotonPosicionInicial = Accion(QStringLiteral("Posición de ventanas inicial"), QStringLiteral("posicion"),
                                  QStringLiteral("Posición de ventanas inicial"));
    BotonMinimizarTodas = Accion(QStringLiteral("Minimizar todas las ventanas"), QStringLiteral("minimizar"),
                                 QStringLiteral("Minimizar todas las ventanas"));
    BotonMinimizarTodas->setVisible(false);
    BotonAlu = Accion(QStringLiteral("Mostrar detalles de la Alu"), QStringLiteral("alu"),
                      QStringLiteral("Mostrar detalles de la Alu"));
    BotonMicroprograma = Accion(QStringLiteral("Mostrar Microprograma"), QStringLiteral("microprograma"),
                                QStringLiteral("Mostrar Microprograma"));
    BotonQueEsEsto = Accion(QStringLiteral("¿Qué es esto?"), QStringLiteral("que_es_esto"),
                            QStringLiteral("¿Qué es esto?"));

    // ---- stepping back and the recorded trace
    CicloAnterior = Accion(QStringLiteral("Ciclo anterior"), QStringLiteral("ciclo_anterior"),
                           QStringLiteral("Deshace el último ciclo"), QKeySequence(Qt::SHIFT | Qt::Key_F6));
    InstruccionAnterior =
        Accion(QStringLiteral("Instrucción anterior"), QStringLiteral("instruccion_anterior"),
               QStringLiteral("Deshace la última instrucción"), QKeySequence(Qt::SHIFT | Qt::Key_F7));
    GuardarTraza = Accion(QStringLiteral("Guardar traza..."), QStringLiteral("guardar_traza"),
                          QStringLiteral("Guarda los ciclos ejecutados en CSV o VCD"));
    BotonCicloAnterior = Accion(QStringLiteral("Ciclo anterior"), QStringLiteral("ciclo_anterior"),
                                QStringLiteral("Ciclo anterior"));
    BotonInstruccionAnterior =
        Accion(QStringLiteral("Instrucción anterior"), QStringLiteral("instruccion_anterior"),
               QStringLiteral("Instrucción anterior"));
    // ---- stopping a run, running without animation, windows that fit the screen
    Detener = Accion(QStringLiteral("Detener"), QStringLiteral("detener"),
                     QStringLiteral("Detiene la ejecución al terminar el ciclo en curso"),
                     QKeySequence(Qt::Key_Escape));
    BotonDetener = Accion(QStringLiteral("Detener"), QStringLiteral("detener"), QStringLiteral("Detener"));
    // Reached while a run holds the window: no command guard, only the request.
    for (QAction* accion : {Detener, BotonDetener}) {
        accion->setEnabled(false);
        connect(accion, &QAction::triggered, this, &TVentanaPrincipal::DetenerClick);
    }
    SinAnimacion = Accion(QStringLiteral("Sin animación"), QString(),
                          QStringLiteral("Ejecuta sin la pausa de cada ciclo y repinta cada 50 ms"));
    SinAnimacion->setCheckable(true);
    connect(SinAnimacion, &QAction::toggled, this, [this](bool sin) { anfitrion_->SetSinAnimacion(sin); });
    AjustarPantalla = Accion(QStringLiteral("Ajustar a la pantalla"), QString(),
                             QStringLiteral("Coloca las ventanas de la simulación enteras y sin taparse"));
    Orden(AjustarPantalla, [this] { AjustarPantallaClick(); });
    Orden(CicloAnterior, [this] { CicloAnteriorClick(); });
    Orden(InstruccionAnterior, [this] { InstruccionAnteriorClick(); });
    Orden(GuardarTraza, [this] { GuardarTrazaClick(); });
    Orden(BotonCicloAnterior, [this] { CicloAnteriorClick(); });
    Orden(BotonInstruccionAnterior, [this] { InstruccionAnteriorClick(); });
    // ----

    const auto orden = [this](QAction* accion, void (TVentanaPrincipal::*metodo)()) {
        Orden(accion, [this, metodo] { (this->*metodo)(); });
    };
    Orden(CargarFuente, [this] { AbreMontador(InicioMontador::Ninguno); });
    orden(CargarEjecutableVelmo1, &TVentanaPrincipal::CargarEjecutableVelmo1Click);
    orden(Cerrar, &TVentanaPrincipal::CerrarClick);
    orden(Salir, &TVentanaPrincipal::FileExit1Execute);
    orden(EjecutarN, &TVentanaPrincipal::EjecutaNClick);
    orden(Ciclo, &TVentanaPrincipal::CicloClick);
    orden(Instruccion, &TVentanaPrincipal::InstruccionClick);
    orden(Monitorizar, &TVentanaPrincipal::MonitorizarClick);
    orden(Reset, &TVentanaPrincipal::BotonResetClick);
    orden(HastaBreakpoint, &TVentanaPrincipal::HastaBreakpointClick);
    orden(CascadaMenu, &TVentanaPrincipal::Cascada);
    orden(PosicionInicial, &TVentanaPrincipal::PosicionInicialClick);
    orden(MinimizarTodasMenu, &TVentanaPrincipal::MinimizarTodas);
    Orden(DetallesMemoria, [this] { MuestraMapa(Mapa::Memoria); });
    Orden(DetallesMultiplexor, [this] { MuestraMapa(Mapa::Multiplexor); });
    Orden(DetallesIncrementador, [this] { MuestraMapa(Mapa::Incrementador); });
    Orden(DetallesRegistros, [this] { MuestraMapa(Mapa::Registros); });
    Orden(DetallesAlu, [this] { MuestraMapa(Mapa::Alu); });
    orden(DetallesMicroprograma, &TVentanaPrincipal::MostrarMicroprogramaClick);
    orden(DetallesMaquinaEstados, &TVentanaPrincipal::MostrarMaquinaEstadosClick);
    orden(AyudaVelmo, &TVentanaPrincipal::AyudaClick);
    orden(DialogoBienvenida, &TVentanaPrincipal::MostrarBienvenida);
    orden(AcercaDe, &TVentanaPrincipal::AcercaDeClick);
    Orden(Resolucion1024, [this] { CambiaResolucion(1024, 768); });
    Orden(Resolucion800, [this] { CambiaResolucion(800, 600); });

    Orden(BotonAbrirFuente, [this] { AbreMontador(InicioMontador::Ninguno); });
    orden(BotonAbrirEjecutable, &TVentanaPrincipal::CargarEjecutableVelmo1Click);
    orden(BotonCerrar, &TVentanaPrincipal::CerrarClick);
    orden(BotonCiclo, &TVentanaPrincipal::BotonCicloClick);
    orden(BotonInstruccion, &TVentanaPrincipal::InstruccionClick);
    orden(BotonEjecutaN, &TVentanaPrincipal::EjecutaNClick);
    orden(BotonHastaBreakpoint, &TVentanaPrincipal::HastaBreakpointClick);
    orden(BotonMonitorizar, &TVentanaPrincipal::MonitorizarClick);
    orden(BotonReset, &TVentanaPrincipal::BotonResetClick);
    orden(BotonApilarVertical, &TVentanaPrincipal::ApilarVertical);
    orden(BotonCascada, &TVentanaPrincipal::Cascada);
    orden(BotonPosicionInicial, &TVentanaPrincipal::PosicionInicialClick);
    orden(BotonMinimizarTodas, &TVentanaPrincipal::MinimizarTodas);
    Orden(BotonAlu, [this] { MuestraMapa(Mapa::Alu); });
    orden(BotonMicroprograma, &TVentanaPrincipal::MostrarMicroprogramaClick);
    // Context help needs no guard: it only changes the pointer until the next click.
    connect(BotonQueEsEsto, &QAction::triggered, this, &TVentanaPrincipal::QueEsEstoClick);
}

void TVentanaPrincipal::CreaMenus() {
    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(CargarFuente);
    archivo->addAction(CargarEjecutableVelmo1);
    archivo->addAction(Cerrar);
    archivo->addSeparator();
    archivo->addAction(Salir);

    QMenu* ejecucion = menuBar()->addMenu(QStringLiteral("&Ejecución"));
    ejecucion->addAction(EjecutarN);
    ejecucion->addAction(Ciclo);
    ejecucion->addAction(Instruccion);
    ejecucion->addAction(Monitorizar);
    ejecucion->addAction(Reset);
    ejecucion->addAction(HastaBreakpoint);
    // Extensions come after the fixed items.
    ejecucion->addSeparator();
    ejecucion->addAction(CicloAnterior);
    ejecucion->addAction(InstruccionAnterior);
    ejecucion->addAction(GuardarTraza);
    ejecucion->addSeparator();
    ejecucion->addAction(Detener);
    ejecucion->addAction(SinAnimacion);

    MenuVentanas = menuBar()->addMenu(QStringLiteral("&Ventanas"));
    MenuVentanas->menuAction()->setStatusTip(QStringLiteral("Window related commands"));
    connect(MenuVentanas, &QMenu::aboutToShow, this, &TVentanaPrincipal::ActualizaMenuVentanas);
    ActualizaMenuVentanas();

    QMenu* mostrar = menuBar()->addMenu(QStringLiteral("&Mostrar"));
    mostrar->addAction(DetallesMemoria);
    mostrar->addAction(DetallesMultiplexor);
    mostrar->addAction(DetallesIncrementador);
    mostrar->addAction(DetallesRegistros);
    mostrar->addAction(DetallesAlu);
    mostrar->addSeparator();
    mostrar->addAction(DetallesMicroprograma);
    mostrar->addAction(DetallesMaquinaEstados);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->menuAction()->setStatusTip(QStringLiteral("Ayuda"));
    ayuda->addAction(AyudaVelmo);
    ayuda->addAction(DialogoBienvenida);
    ayuda->addSeparator();
    ayuda->addAction(AcercaDe);

    QMenu* resolucion = menuBar()->addMenu(QStringLiteral("&Cambiar Resolución"));
    resolucion->addAction(Resolucion1024);
    resolucion->addAction(Resolucion800);
}

void TVentanaPrincipal::ActualizaMenuVentanas() {
    // The fixed items, then the list of child windows; choosing one activates it.
    MenuVentanas->clear();
    MenuVentanas->addSeparator();
    MenuVentanas->addAction(CascadaMenu);
    MenuVentanas->addAction(PosicionInicial);
    MenuVentanas->addAction(MinimizarTodasMenu);
    MenuVentanas->addAction(AjustarPantalla);
    const QList<QMdiSubWindow*> hijas = Mdi->subWindowList();
    if (!hijas.isEmpty()) {
        MenuVentanas->addSeparator();
    }
    int numero = 1;
    for (QMdiSubWindow* hija : hijas) {
        QString texto = hija->windowTitle();
        texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (numero < 10) {
            texto = QStringLiteral("&%1 %2").arg(numero).arg(texto);
        }
        QAction* entrada = MenuVentanas->addAction(texto);
        entrada->setCheckable(true);
        entrada->setChecked(hija == Mdi->activeSubWindow());
        QPointer<QMdiSubWindow> destino(hija);
        connect(entrada, &QAction::triggered, this, [this, destino] {
            if (destino) {
                Mdi->setActiveSubWindow(destino);
            }
        });
        ++numero;
    }
}

void TVentanaPrincipal::CreaBarraHerramientas() {
    BarraHerramientas = addToolBar(QStringLiteral("Herramientas"));
    BarraHerramientas->setMovable(false);
    BarraHerramientas->setIconSize(QSize(16, 16));
    BarraHerramientas->addAction(BotonAbrirFuente);
    BarraHerramientas->addAction(BotonAbrirEjecutable);
    BarraHerramientas->addAction(BotonCerrar);
    BarraHerramientas->addSeparator();
    BarraHerramientas->addAction(BotonCiclo);
    BarraHerramientas->addAction(BotonInstruccion);
    BarraHerramientas->addAction(BotonEjecutaN);
    BarraHerramientas->addAction(BotonHastaBreakpoint);
    BarraHerramientas->addAction(BotonMonitorizar);
    BarraHerramientas->addAction(BotonReset);
    // Extensions after the group's fixed buttons.
    BarraHerramientas->addAction(BotonCicloAnterior);
    BarraHerramientas->addAction(BotonInstruccionAnterior);
    BarraHerramientas->addAction(BotonDetener);
    BarraHerramientas->addSeparator();
    BarraHerramientas->addAction(BotonApilarVertical);
    BarraHerramientas->addAction(BotonCascada);
    BarraHerramientas->addAction(BotonPosicionInicial);
    BarraHerramientas->addAction(BotonMinimizarTodas);
    BarraHerramientas->addSeparator();
    BarraHerramientas->addAction(BotonAlu);
    BarraHerramientas->addAction(BotonMicroprograma);
    BarraHerramientas->addSeparator();
    BarraHerramientas->addAction(BotonQueEsEsto);
}

void TVentanaPrincipal::SetMapa(Mapa mapa, QDialog* ventana) {
    mapas_[static_cast<int>(mapa)] = ventana;
}

QDialog* TVentanaPrincipal::VentanaMapa(Mapa mapa) const {
    return mapas_[static_cast<int>(mapa)];
}

// ---------------------------------------------------------------- enabling

void TVentanaPrincipal::HabilitaFuente(bool activa) {
    CargarFuente->setEnabled(activa);
    BotonAbrirFuente->setEnabled(activa);
}

void TVentanaPrincipal::HabilitaSimulacion(bool activa, bool botonesOcultos) {
    for (QAction* accion : {Cerrar,
                            EjecutarN,
                            Ciclo,
                            Instruccion,
                            Monitorizar,
                            Reset,
                            HastaBreakpoint,
                            CascadaMenu,
                            PosicionInicial,
                            DetallesMemoria,
                            DetallesMultiplexor,
                            DetallesIncrementador,
                            DetallesRegistros,
                            DetallesAlu,
                            DetallesMicroprograma,
                            DetallesMaquinaEstados,
                            BotonCerrar,
                            BotonCiclo,
                            BotonInstruccion,
                            BotonEjecutaN,
                            BotonHastaBreakpoint,
                            BotonMonitorizar,
                            BotonReset,
                            BotonPosicionInicial,
                            BotonAlu,
                            BotonMicroprograma,
                            CicloAnterior,
                            InstruccionAnterior,
                            GuardarTraza,
                            BotonCicloAnterior,
                            BotonInstruccionAnterior,
                            AjustarPantalla}) {
        accion->setEnabled(activa);
    }
    if (botonesOcultos || !activa) {
        BotonApilarVertical->setEnabled(activa);
        BotonCascada->setEnabled(activa);
    }
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

void TVentanaPrincipal::RegistrarTipoenWindows() {
    Debug->anade_linea(QStringLiteral("Registrando el tipo \".vlx\" en Windows"));
    RegistroGlobal().FicheroAyuda = RutaDocumento(QStringLiteral("simulador.html"));
    Debug->anade_linea(QStringLiteral("Fichero de Ayuda: ") + RegistroGlobal().FicheroAyuda);
    EscribeAsociacionVlx(QCoreApplication::applicationFilePath());
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

void TVentanaPrincipal::Arranca(const QStringList& argumentos) {
    if (argumentos.size() == 1) {
        ArrancaConFichero(argumentos.front());
    } else {
        ArrancaSinFichero();
    }
}

void TVentanaPrincipal::ArrancaSinFichero() {
    RegistrarTipoenWindows();
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

void TVentanaPrincipal::Cascada() {
    Mdi->cascadeSubWindows();
}

void TVentanaPrincipal::ApilarVertical() {
    // Side by side, each child the full height of the frame.
    QList<QMdiSubWindow*> hijas;
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        if (hija->isVisible() && !hija->isMinimized()) {
            hijas << hija;
        }
    }
    if (hijas.isEmpty()) {
        return;
    }
    const QRect zona = Mdi->viewport()->rect();
    const int ancho = zona.width() / static_cast<int>(hijas.size());
    int x = 0;
    for (QMdiSubWindow* hija : hijas) {
        hija->showNormal();
        hija->setGeometry(x, 0, ancho, zona.height());
        x += ancho;
    }
}

// ---------------------------------------------------------------- windows that fit the screen

QList<QPair<QMdiSubWindow*, QRect>> TVentanaPrincipal::ColocacionAjustada() const {
    if (!SimuladorVelmo) {
        return {};
    }
    // The largest window first (the datapath), the memory view beside it, then the rest by height.
    QList<QMdiSubWindow*> hijas;
    QMdiSubWindow* memoria = nullptr;
    for (QMdiSubWindow* hija : Mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!hija->isVisible() || hija->isMinimized()) {
            continue;
        }
        if (qobject_cast<VentanaMemoria*>(hija->widget()) != nullptr) {
            memoria = hija;
        } else {
            hijas << hija;
        }
    }
    std::stable_sort(hijas.begin(), hijas.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
        const auto area = [](const QMdiSubWindow* h) { return h->width() * h->height(); };
        return area(a) > area(b) || (area(a) == area(b) && a->height() > b->height());
    });
    if (hijas.size() > 1) {
        std::stable_sort(hijas.begin() + 1, hijas.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
            return a->height() > b->height();
        });
    }
    std::vector<PiezaAjuste> piezas;
    for (QMdiSubWindow* hija : hijas) {
        piezas.push_back({hija->size(), false});
    }
    if (memoria != nullptr) {
        const QMargins marco = memoria->contentsMargins();
        const int ancho =
            static_cast<VentanaMemoria*>(memoria->widget())->AnchoColumnas() + marco.left() + marco.right();
        const auto sitio = std::min<qsizetype>(1, hijas.size());
        hijas.insert(sitio, memoria);
        piezas.insert(piezas.begin() + sitio, {QSize(ancho, memoria->height()), true});
    }
    const std::vector<QRect> sitios = ColocaEnColumnas(piezas, Mdi->viewport()->height());
    QList<QPair<QMdiSubWindow*, QRect>> colocacion;
    for (qsizetype i = 0; i < hijas.size(); ++i) {
        colocacion.append({hijas[i], sitios[static_cast<std::size_t>(i)]});
    }
    return colocacion;
}

void TVentanaPrincipal::AjustarPantallaClick() {
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        if (hija->isMinimized()) {
            hija->showNormal();
        }
    }
    Mdi->horizontalScrollBar()->setValue(0);
    Mdi->verticalScrollBar()->setValue(0);
    for (const auto& [hija, sitio] : ColocacionAjustada()) {
        hija->setGeometry(sitio);
    }
}

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

void TVentanaPrincipal::MinimizarTodas() {
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        hija->showMinimized();
    }
}

} // namespace velmo

// The main window's commands as one table: text, icon, hint, key, what each does and when it is enabled;
// the menus and the tool bar list them in order.

#include "AnfitrionGUI.h"
#include "VentanaPrincipal.h"

#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace velmo {

namespace {

using T = TVentanaPrincipal;
using Miembro = QAction* TVentanaPrincipal::*;

enum class Habilitada {
    Siempre,
    SinSimulacion,    // the assembler's entry: only while no simulation is open
    ConSimulacion,    // the simulation commands
    BotonOculto,      // hidden buttons: enabled with the simulation only when asked
    DuranteEjecucion, // Stop: from a run's first refresh to its end
};

struct DefinicionAccion {
    Miembro accion;
    const char* texto;
    const char* icono; // a file of the icon resources, without extension; empty for none
    const char* pista; // "Short|Long": the tool tip shows the short part, the status bar the long one
    int atajo;         // 0 for none
    void (*orden)(TVentanaPrincipal&);
    Habilitada habilitada = Habilitada::Siempre;
    bool visible = true;
    bool guardada = true; // false: reached while a run holds the window, with no command guard
};

constexpr int Tecla(QKeyCombination combinacion) {
    return combinacion.toCombined();
}

using H = Habilitada;

const DefinicionAccion kAcciones[] = {
    // ---- menu items
    {&T::CargarFuente, "&Cargar Fuente Ensamblador...", "abrir_fuente",
     "Cargar|Cargar Fuente Ensamblador de Velmo", Tecla(Qt::CTRL | Qt::Key_E),
     [](T& v) { v.AbreMontador(InicioMontador::Ninguno); }, H::SinSimulacion},
    {&T::CargarEjecutableVelmo1, "Cargar Ejecutable Velmo...", "abrir_ejecutable",
     "Cargar Ejecutable de Velmo", Tecla(Qt::CTRL | Qt::Key_O),
     [](T& v) { v.CargarEjecutableVelmo1Click(); }},
    {&T::Cerrar, "Cerrar", "cerrar", "", 0, [](T& v) { v.CerrarClick(); }, H::ConSimulacion},
    {&T::Salir, "&Salir", "", "Exit|Exit application", 0, [](T& v) { v.FileExit1Execute(); }},
    {&T::EjecutarN, "Ejecutar N Instrucciones...", "ejecutar_n", "Ejecuta N Instrucciones",
     Tecla(Qt::CTRL | Qt::Key_F5), [](T& v) { v.EjecutaNClick(); }, H::ConSimulacion},
    {&T::Ciclo, "Ciclo", "ciclo", "Ejecuta 1 Ciclo", Qt::Key_F6, [](T& v) { v.CicloClick(); },
     H::ConSimulacion},
    {&T::Instruccion, "Instrucción", "instruccion", "Ejecuta 1 Instrucción", Qt::Key_F7,
     [](T& v) { v.InstruccionClick(); }, H::ConSimulacion},
    {&T::Monitorizar, "Monitorizar", "monitorizar", "Monitoriza señales", Qt::Key_F8,
     [](T& v) { v.MonitorizarClick(); }, H::ConSimulacion},
    {&T::Reset, "Reset", "reset", "Reset", Tecla(Qt::CTRL | Qt::Key_F2), [](T& v) { v.BotonResetClick(); },
     H::ConSimulacion},
    {&T::HastaBreakpoint, "Hasta Breakpoint", "breakpoint", "Ejecutar Hasta Breakpoint", Qt::Key_F5,
     [](T& v) { v.HastaBreakpointClick(); }, H::ConSimulacion},
    {&T::CascadaMenu, "Cascada", "cascada", "Cascada", 0, [](T& v) { v.Cascada(); }, H::ConSimulacion, false},
    {&T::PosicionInicial, "Posición inicial", "posicion", "Colocación Inicial", 0,
     [](T& v) { v.PosicionInicialClick(); }, H::ConSimulacion},
    {&T::MinimizarTodasMenu, "&Minimizar todas las Ventanas", "minimizar", "Minimizar todas las Ventanas", 0,
     [](T& v) { v.MinimizarTodas(); }, H::Siempre, false},
    {&T::DetallesMemoria, "Detalles de la M&emoria...", "", "", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Memoria); }, H::ConSimulacion},
    {&T::DetallesMultiplexor, "Detalles del &Multiplexor...", "", "", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Multiplexor); }, H::ConSimulacion},
    {&T::DetallesIncrementador, "Detalles del &Incrementador...", "", "", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Incrementador); }, H::ConSimulacion},
    {&T::DetallesRegistros, "Detalles de los &Registros...", "", "", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Registros); }, H::ConSimulacion},
    {&T::DetallesAlu, "&Detalles de la &Alu...", "alu", "Detalles de la Alu", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Alu); }, H::ConSimulacion},
    {&T::DetallesMicroprograma, "Detalles del Microprograma...", "microprograma",
     "&Detalles del Microprograma", 0, [](T& v) { v.MostrarMicroprogramaClick(); }, H::ConSimulacion},
    {&T::DetallesMaquinaEstados, "Detalles de la Máquina de Estados...", "", "", 0,
     [](T& v) { v.MostrarMaquinaEstadosClick(); }, H::ConSimulacion},
    {&T::AyudaVelmo, "A&yuda de Velmo...", "", "Manual de Velmo", Qt::Key_F1, [](T& v) { v.AyudaClick(); }},
    {&T::DialogoBienvenida, "&Diálogo de bienvenida...", "", "", 0, [](T& v) { v.MostrarBienvenida(); }},
    {&T::AcercaDe, "&Acerca de...", "", "Acerca De...", 0, [](T& v) { v.AcercaDeClick(); }},
    {&T::Resolucion1024, "Cambiar a 1024 x 768", "", "", 0, [](T& v) { v.CambiaResolucion(1024, 768); }},
    {&T::Resolucion800, "Cambiar a 800 x 600", "", "", 0, [](T& v) { v.CambiaResolucion(800, 600); }},
    // ---- tool bar buttons
    {&T::BotonAbrirFuente, "Abrir fuente ensamblador", "abrir_fuente", "Abrir fuente ensamblador", 0,
     [](T& v) { v.AbreMontador(InicioMontador::Ninguno); }, H::SinSimulacion},
    {&T::BotonAbrirEjecutable, "Abrir ejecutable de Velmo", "abrir_ejecutable", "Abrir ejecutable de Velmo",
     0, [](T& v) { v.CargarEjecutableVelmo1Click(); }},
    {&T::BotonCerrar, "Cerrar la Simulación", "cerrar", "Cerrar la Simulación", 0,
     [](T& v) { v.CerrarClick(); }, H::ConSimulacion},
    {&T::BotonCiclo, "Ejecutar ciclo", "ciclo", "Ejecutar ciclo", 0, [](T& v) { v.BotonCicloClick(); },
     H::ConSimulacion},
    {&T::BotonInstruccion, "Ejecutar instrucción", "instruccion", "Ejecutar instrucción", 0,
     [](T& v) { v.InstruccionClick(); }, H::ConSimulacion},
    {&T::BotonEjecutaN, "Ejecutar N instrucciones", "ejecutar_n", "Ejecutar N instrucciones", 0,
     [](T& v) { v.EjecutaNClick(); }, H::ConSimulacion},
    {&T::BotonHastaBreakpoint, "Ejecutar hasta breakpoint", "breakpoint", "Ejecutar hasta breakpoint", 0,
     [](T& v) { v.HastaBreakpointClick(); }, H::ConSimulacion},
    {&T::BotonMonitorizar, "Monitorizar señales", "monitorizar", "Monitorizar señales", 0,
     [](T& v) { v.MonitorizarClick(); }, H::ConSimulacion},
    {&T::BotonReset, "Reset", "reset", "Reset", 0, [](T& v) { v.BotonResetClick(); }, H::ConSimulacion},
    {&T::BotonApilarVertical, "Apilar Vertical", "apilar", "Apilar Vertical", 0,
     [](T& v) { v.ApilarVertical(); }, H::BotonOculto, false},
    {&T::BotonCascada, "Cascada", "cascada", "Cascada", 0, [](T& v) { v.Cascada(); }, H::BotonOculto, false},
    {&T::BotonPosicionInicial, "Posición de ventanas inicial", "posicion", "Posición de ventanas inicial", 0,
     [](T& v) { v.PosicionInicialClick(); }, H::ConSimulacion},
    {&T::BotonMinimizarTodas, "Minimizar todas las ventanas", "minimizar", "Minimizar todas las ventanas", 0,
     [](T& v) { v.MinimizarTodas(); }, H::Siempre, false},
    {&T::BotonAlu, "Mostrar detalles de la Alu", "alu", "Mostrar detalles de la Alu", 0,
     [](T& v) { v.MuestraMapa(T::Mapa::Alu); }, H::ConSimulacion},
    {&T::BotonMicroprograma, "Mostrar Microprograma", "microprograma", "Mostrar Microprograma", 0,
     [](T& v) { v.MostrarMicroprogramaClick(); }, H::ConSimulacion},
    // Context help only changes the pointer until the next click.
    {&T::BotonQueEsEsto, "¿Qué es esto?", "que_es_esto", "¿Qué es esto?", 0, [](T& v) { v.QueEsEstoClick(); },
     H::Siempre, true, false},
    // ---- stepping back and the recorded trace
    {&T::CicloAnterior, "Ciclo anterior", "ciclo_anterior", "Deshace el último ciclo",
     Tecla(Qt::SHIFT | Qt::Key_F6), [](T& v) { v.CicloAnteriorClick(); }, H::ConSimulacion},
    {&T::InstruccionAnterior, "Instrucción anterior", "instruccion_anterior", "Deshace la última instrucción",
     Tecla(Qt::SHIFT | Qt::Key_F7), [](T& v) { v.InstruccionAnteriorClick(); }, H::ConSimulacion},
    {&T::GuardarTraza, "Guardar traza...", "guardar_traza", "Guarda los ciclos ejecutados en CSV o VCD", 0,
     [](T& v) { v.GuardarTrazaClick(); }, H::ConSimulacion},
    {&T::BotonCicloAnterior, "Ciclo anterior", "ciclo_anterior", "Ciclo anterior", 0,
     [](T& v) { v.CicloAnteriorClick(); }, H::ConSimulacion},
    {&T::BotonInstruccionAnterior, "Instrucción anterior", "instruccion_anterior", "Instrucción anterior", 0,
     [](T& v) { v.InstruccionAnteriorClick(); }, H::ConSimulacion},
    // ---- stopping a run, running without animation, windows that fit the screen
    {&T::Detener, "Detener", "detener", "Detiene la ejecución al terminar el ciclo en curso", Qt::Key_Escape,
     [](T& v) { v.DetenerClick(); }, H::DuranteEjecucion, true, false},
    {&T::BotonDetener, "Detener", "detener", "Detener", 0, [](T& v) { v.DetenerClick(); },
     H::DuranteEjecucion, true, false},
    {&T::SinAnimacion, "Sin animación", "", "Ejecuta sin la pausa de cada ciclo y repinta cada 50 ms", 0,
     nullptr},
    {&T::AjustarPantalla, "Ajustar a la pantalla", "",
     "Coloca las ventanas de la simulación enteras y sin taparse", 0, [](T& v) { v.AjustarPantallaClick(); },
     H::ConSimulacion},
};

/// Lists of actions in order; a null entry is a separator.
template <class Destino>
void Anade(TVentanaPrincipal& v, Destino& destino, std::initializer_list<Miembro> acciones) {
    for (Miembro accion : acciones) {
        if (accion == nullptr) {
            destino.addSeparator();
        } else {
            destino.addAction(v.*accion);
        }
    }
}

QAction* NuevaAccion(QObject* padre, const DefinicionAccion& d) {
    auto* accion = new QAction(QString::fromUtf8(d.texto), padre);
    if (*d.icono != '\0') {
        accion->setIcon(QIcon(QStringLiteral(":/velmo/icons/%1.svg").arg(QLatin1String(d.icono))));
    }
    const QString pista = QString::fromUtf8(d.pista);
    const qsizetype barra = pista.indexOf(QLatin1Char('|'));
    accion->setToolTip(barra < 0 ? pista : pista.left(barra));
    accion->setStatusTip(barra < 0 ? pista : pista.mid(barra + 1));
    if (d.atajo != 0) {
        accion->setShortcut(QKeySequence(d.atajo));
    }
    accion->setVisible(d.visible);
    accion->setEnabled(d.habilitada != Habilitada::DuranteEjecucion);
    return accion;
}

} // namespace

void TVentanaPrincipal::CreaAcciones() {
    for (const DefinicionAccion& d : kAcciones) {
        QAction* accion = NuevaAccion(this, d);
        this->*d.accion = accion;
        const auto orden = d.orden;
        if (orden == nullptr) {
            continue;
        }
        if (d.guardada) {
            Orden(accion, [this, orden] { orden(*this); });
        } else {
            connect(accion, &QAction::triggered, this, [this, orden] { orden(*this); });
        }
    }
    SinAnimacion->setCheckable(true);
    connect(SinAnimacion, &QAction::toggled, this, [this](bool sin) { anfitrion_->SetSinAnimacion(sin); });
}

void TVentanaPrincipal::CreaMenus() {
    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    Anade(*this, *archivo, {&T::CargarFuente, &T::CargarEjecutableVelmo1, &T::Cerrar, nullptr, &T::Salir});
    // Extensions come after the fixed items.
    QMenu* ejecucion = menuBar()->addMenu(QStringLiteral("&Ejecución"));
    Anade(*this, *ejecucion,
          {&T::EjecutarN, &T::Ciclo, &T::Instruccion, &T::Monitorizar, &T::Reset, &T::HastaBreakpoint,
           nullptr, &T::CicloAnterior, &T::InstruccionAnterior, &T::GuardarTraza, nullptr, &T::Detener,
           &T::SinAnimacion});

    MenuVentanas = menuBar()->addMenu(QStringLiteral("&Ventanas"));
    MenuVentanas->menuAction()->setStatusTip(QStringLiteral("Window related commands"));
    connect(MenuVentanas, &QMenu::aboutToShow, this, &TVentanaPrincipal::ActualizaMenuVentanas);
    ActualizaMenuVentanas();

    QMenu* mostrar = menuBar()->addMenu(QStringLiteral("&Mostrar"));
    Anade(*this, *mostrar,
          {&T::DetallesMemoria, &T::DetallesMultiplexor, &T::DetallesIncrementador, &T::DetallesRegistros,
           &T::DetallesAlu, nullptr, &T::DetallesMicroprograma, &T::DetallesMaquinaEstados});
    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->menuAction()->setStatusTip(QStringLiteral("Ayuda"));
    Anade(*this, *ayuda, {&T::AyudaVelmo, &T::DialogoBienvenida, nullptr, &T::AcercaDe});
    QMenu* resolucion = menuBar()->addMenu(QStringLiteral("&Cambiar Resolución"));
    Anade(*this, *resolucion, {&T::Resolucion1024, &T::Resolucion800});
}

void TVentanaPrincipal::ActualizaMenuVentanas() {
    // The fixed items, then the list of child windows; choosing one activates it.
    MenuVentanas->clear();
    Anade(*this, *MenuVentanas,
          {nullptr, &T::CascadaMenu, &T::PosicionInicial, &T::MinimizarTodasMenu, &T::AjustarPantalla});
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
    // Extensions after the group's fixed buttons.
    Anade(*this, *BarraHerramientas,
          {&T::BotonAbrirFuente,
           &T::BotonAbrirEjecutable,
           &T::BotonCerrar,
           nullptr,
           &T::BotonCiclo,
           &T::BotonInstruccion,
           &T::BotonEjecutaN,
           &T::BotonHastaBreakpoint,
           &T::BotonMonitorizar,
           &T::BotonReset,
           &T::BotonCicloAnterior,
           &T::BotonInstruccionAnterior,
           &T::BotonDetener,
           nullptr,
           &T::BotonApilarVertical,
           &T::BotonCascada,
           &T::BotonPosicionInicial,
           &T::BotonMinimizarTodas,
           nullptr,
           &T::BotonAlu,
           &T::BotonMicroprograma,
           nullptr,
           &T::BotonQueEsEsto});
}

void TVentanaPrincipal::HabilitaFuente(bool activa) {
    for (const DefinicionAccion& d : kAcciones) {
        if (d.habilitada == Habilitada::SinSimulacion) {
            (this->*d.accion)->setEnabled(activa);
        }
    }
}

void TVentanaPrincipal::HabilitaSimulacion(bool activa, bool botonesOcultos) {
    for (const DefinicionAccion& d : kAcciones) {
        if (d.habilitada == Habilitada::ConSimulacion ||
            (d.habilitada == Habilitada::BotonOculto && (botonesOcultos || !activa))) {
            (this->*d.accion)->setEnabled(activa);
        }
    }
}

} // namespace velmo

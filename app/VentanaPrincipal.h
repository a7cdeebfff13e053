#pragma once

#include "Simulacion.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QRect>

#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

namespace velmo {

class AnfitrionGUI;
class TAboutBox;
class TDebug;
class TFormAvisoBreakpoint;
class TFormBienvenida;
class TFormEjecutaN;
class TFormElige;
class TConfiguraAlu;
class TForm_Microprogramable;

/// How a workbench window starts when the main window opens it (the workbench's own start actions).
enum class InicioMontador { Ninguno, ProgramaNuevo, FuenteExistente };

/// The program's main frame, "Velmo": the simulator's child windows live in it, and its menus and tool bar
/// open the assembler workbench, load an executable, run it and close it. It owns at most one simulation.
class TVentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TVentanaPrincipal(QWidget* parent = nullptr);
    ~TVentanaPrincipal() override;

    // ---- state
    QPointer<QWidget> FrameMontador;
    std::unique_ptr<Simulacion> SimuladorVelmo;
    std::unique_ptr<TFormEjecutaN> FormEjecutaN;
    QString FicheroAbierto;

    void SetFabricaSimulacion(FabricaSimulacion fabrica) { fabrica_ = std::move(fabrica); }
    /// Opens a workbench window with the given start; until the workbench exists it opens nothing.
    void SetAbreMontador(std::function<void(TVentanaPrincipal&, InicioMontador)> abre) {
        abreMontador_ = std::move(abre);
    }
    /// The details window a "&Mostrar" item shows; none until the maps exist.
    enum class Mapa { Memoria, Multiplexor, Incrementador, Registros, Alu };
    void SetMapa(Mapa mapa, QDialog* ventana);
    QDialog* VentanaMapa(Mapa mapa) const;

    // ---- single-instance windows that live for the whole run
    TAboutBox* AboutBox;
    TFormElige* FormElige;
    TFormBienvenida* FormBienvenida;
    TDebug* Debug;
    TFormAvisoBreakpoint* FormAvisoBreakpoint;
    // microprogrammable machine
    TConfiguraAlu* ConfiguraAlu;
    TForm_Microprogramable* Form_Microprogramable;
    // end microprogrammable machine
    AnfitrionGUI& Anfitrion() { return *anfitrion_; }

    QMdiArea* Mdi;

    // ---- menu items
    QAction* CargarFuente;
    QAction* CargarEjecutableVelmo1;
    QAction* Cerrar;
    QAction* Salir;
    QAction* EjecutarN;
    QAction* Ciclo;
    QAction* Instruccion;
    QAction* Monitorizar;
    QAction* Reset;
    QAction* HastaBreakpoint;
    QAction* CascadaMenu;
    QAction* PosicionInicial;
    QAction* MinimizarTodasMenu;
    QAction* DetallesMemoria;
    QAction* DetallesMultiplexor;
    QAction* DetallesIncrementador;
    QAction* DetallesRegistros;
    QAction* DetallesAlu;
    QAction* DetallesMicroprograma;
    QAction* DetallesMaquinaEstados;
    QAction* AyudaVelmo;
    QAction* DialogoBienvenida;
    QAction* AcercaDe;
    QAction* Resolucion1024;
    QAction* Resolucion800;
    QMenu* MenuVentanas;

    // ---- tool bar buttons
    QToolBar* BarraHerramientas;
    QAction* BotonAbrirFuente;
    QAction* BotonAbrirEjecutable;
    QAction* BotonCerrar;
    QAction* BotonCiclo;
    QAction* BotonInstruccion;
    QAction* BotonEjecutaN;
    QAction* BotonHastaBreakpoint;
    QAction* BotonMonitorizar;
    QAction* BotonReset;
    QAction* BotonApilarVertical;
    QAction* BotonCascada;
    QAction* BotonPosicionInicial;
    QAction* BotonMinimizarTodas;
    QAction* BotonAlu;
    QAction* BotonMicroprograma;
    QAction* BotonQueEsEsto;
    // ---- stepping back and the recorded trace
    QAction* CicloAnterior;
    QAction* InstruccionAnterior;
    QAction* GuardarTraza;
    QAction* BotonCicloAnterior;
    QAction* BotonInstruccionAnterior;
    // ---- stopping a run, running without animation, windows that fit the screen
    QAction* Detener;
    QAction* SinAnimacion;
    QAction* BotonDetener;
    QAction* AjustarPantalla;

    // ---- operations used by the start-up and other windows
    void BarraEstado(const QString& texto);
    QString TextoBarraEstado() const;
    /// False when no simulation could be built (the user has been told).
    bool AbrirFichero(const QString& ruta);
    bool AbrirFicheroVelmo(const QString& ruta);
    void AbrirFicheroVLXByMessage(const QString& ruta);
    void MostrarBienvenida();
    void TerminarVelmo();
    void RegistrarTipoenWindows();
    /// The start-up's choice on its arguments (the program name excluded): exactly one is an executable to
    /// open; any other count opens nothing.
    void Arranca(const QStringList& argumentos);
    /// The start-up's road with one command-line argument: the simulation opens before the window shows.
    void ArrancaConFichero(const QString& ruta);
    /// The start-up's road without one.
    void ArrancaSinFichero();

    // ---- commands
    void AbreMontador(InicioMontador accion);
    void CargarEjecutableVelmo1Click();
    void CerrarClick();
    void BotonResetClick();
    void CicloClick();
    void BotonCicloClick();
    void InstruccionClick();
    void EjecutaNClick();
    void HastaBreakpointClick();
    void MonitorizarClick();
    void PosicionInicialClick();
    void MostrarMicroprogramaClick();
    void MostrarMaquinaEstadosClick();
    void MuestraMapa(Mapa mapa);
    void FileExit1Execute();
    void AyudaClick();
    void AcercaDeClick();
    void QueEsEstoClick();
    void CambiaResolucion(int ancho, int alto);
    void Cascada();
    void ApilarVertical();
    void MinimizarTodas();
    // ---- stepping back and the recorded trace
    void CicloAnteriorClick();
    void InstruccionAnteriorClick();
    void GuardarTrazaClick();
    /// The types of the save dialog of "Guardar traza...".
    static const QString kFiltroCsv;
    static const QString kFiltroVcd;
    // ---- stopping a run, running without animation, windows that fit the screen
    /// Ends the run in progress after its current cycle.
    void DetenerClick();
    /// Every simulation window shown whole, side by side, the memory view with all its columns.
    void AjustarPantallaClick();
    /// Where "Ajustar a la pantalla" would put each simulation window; empty without a simulation.
    QList<QPair<QMdiSubWindow*, QRect>> ColocacionAjustada() const;
    /// Asks once per session whether to fit the windows, when the frame holds them all side by side.
    void OfreceAjuste();

    /// True while a command runs; commands arriving meanwhile (posted events during a clock pause) wait.
    bool Ocupado() const { return ocupado_; }

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void CreaAcciones();
    void CreaMenus();
    void CreaBarraHerramientas();
    void ActualizaMenuVentanas();
    void Orden(QAction* accion, std::function<void()> orden);
    /// A notice that lasts until the next command, which brings back the text it covered.
    void AvisoPasajero(const QString& texto);
    void RetiraAviso();
    template <class F> void Protegido(F&& orden);
    /// Runs a command of the engine with the Stop button, Esc and the progress display; a failed cycle
    /// resets the simulation.
    void Ejecuta(const std::function<ResultadoEjecucion(Simulacion&, const OpcionesEjecucion&)>& orden);
    /// Opens (or reopens) the simulation of `ruta` through `abre`; false, the user told, when it could not.
    bool AbreSimulacion(const QString& ruta, const std::function<void()>& abre);

    void HabilitaFuente(bool activa);
    /// The simulation commands; the hidden buttons Apilar Vertical and Cascada only when asked.
    void HabilitaSimulacion(bool activa, bool botonesOcultos);
    void MostrarBienvenidaMsg();

    std::unique_ptr<AnfitrionGUI> anfitrion_;
    FabricaSimulacion fabrica_;
    std::function<void(TVentanaPrincipal&, InicioMontador)> abreMontador_;
    QPointer<QDialog> mapas_[5];
    bool ocupado_ = false;
    bool terminando_ = false;
    QString aviso_;          // the notice showing, until the next command
    QString textoBajoAviso_; // the status text it covered
    // ---- a run in progress
    void MuestraProgreso(const ResultadoEjecucion& hecho);
    bool detenida_ = false; // the user asked the run in progress to stop
    bool progresoMostrado_ = false;
    bool ajusteOfrecido_ = false;
    QTimer* temporizadorAjuste_;
};

} // namespace velmo

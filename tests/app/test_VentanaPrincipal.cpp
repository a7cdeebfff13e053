// The main window's commands over a scripted simulation: enabling, load, close, reset, the N run and
// its questions, the start-up roads, exit and the welcome dialog.

#include "AjustesUsuario.h"
#include "Arranque.h"
#include "Debug.h"
#include "EntornoPruebas.h"
#include "FormBienvenida.h"
#include "FormEjecutaNInst.h"
#include "VentanaPrincipal.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <functional>
#include <stdexcept>
#include <sys/stat.h>

using namespace velmo;

namespace {

/// What the scripted simulations did, kept after they are destroyed.
struct Registro {
    QStringList abiertas;
    int vivas = 0;
    int ciclos = 0;
    int instrucciones = 0;
    int breakpoints = 0;
    int monitorizaciones = 0;
    int iniciales = 0;
    int falloEnInstruccion = -1;     // the instruction number that does not complete
    int excepcionEnInstruccion = -1; // the instruction number that throws
    bool falloAlAbrir = false;
    std::function<void()> durante; // what arrives while an instruction runs
};

class SimulacionGuion : public Simulacion {
public:
    SimulacionGuion(Registro& r, QString ruta) : r_(r), ruta_(std::move(ruta)) { ++r_.vivas; }
    ~SimulacionGuion() override { --r_.vivas; }
    ResultadoEjecucion Ciclos(std::int64_t n, const OpcionesEjecucion&) override {
        r_.ciclos += static_cast<int>(n);
        ResultadoEjecucion hecho;
        hecho.ciclos = n;
        return hecho;
    }
    ResultadoEjecucion Instrucciones(std::int64_t n, const OpcionesEjecucion&) override {
        ResultadoEjecucion hecho;
        for (; hecho.instrucciones < n; ++hecho.instrucciones) {
            if (r_.instrucciones == r_.excepcionEnInstruccion) {
                r_.excepcionEnInstruccion = -1;
                hecho.fin = FinEjecucion::Error;
                return hecho;
            }
            if (r_.instrucciones == r_.falloEnInstruccion) {
                hecho.fin = FinEjecucion::InstruccionIncompleta;
                return hecho;
            }
            if (r_.durante) {
                r_.durante();
            }
            ++r_.instrucciones;
        }
        return hecho;
    }
    ResultadoEjecucion HastaBreakpoint(const OpcionesEjecucion&) override {
        ++r_.breakpoints;
        ResultadoEjecucion hecho;
        hecho.fin = FinEjecucion::SinBreakpoints;
        return hecho;
    }
    void Reinicia() override {
        r_.abiertas << ruta_;
        if (r_.falloAlAbrir) {
            throw std::runtime_error("no se puede");
        }
    }
    void Monitoriza() override { ++r_.monitorizaciones; }
    void MostrarMicroprograma() override {}
    void MostrarMaquinaEstados() override {}
    void VentanasIniciales() override { ++r_.iniciales; }

private:
    Registro& r_;
    QString ruta_;
};

struct Banco {
    pruebas::GuionModal guion;
    Registro registro;
    TVentanaPrincipal ventana;

    Banco() {
        ventana.SetFabricaSimulacion(
            [this](TVentanaPrincipal&, const QString& ruta) -> std::unique_ptr<Simulacion> {
                registro.abiertas << ruta;
                if (registro.falloAlAbrir) {
                    throw std::runtime_error("no se puede");
                }
                return std::make_unique<SimulacionGuion>(registro, ruta);
            });
    }

    void Carga(const QString& ruta) {
        guion.ficheros.push_back(ruta);
        ventana.CargarEjecutableVelmo1->trigger();
    }

    /// Runs the N command answering the dialog with `texto`.
    void EjecutaN(const QString& texto) {
        guion.alDialogo = [texto](QDialog& d) {
            auto& f = static_cast<TFormEjecutaN&>(d);
            f.Edit1->setText(texto);
            f.BotonOKClick();
            return f.result();
        };
        ventana.EjecutarN->trigger();
    }
};

std::vector<QAction*> OrdenesSimulacion(TVentanaPrincipal& v) {
    return {v.Cerrar,
            v.EjecutarN,
            v.Ciclo,
            v.Instruccion,
            v.Monitorizar,
            v.Reset,
            v.HastaBreakpoint,
            v.PosicionInicial,
            v.DetallesMemoria,
            v.DetallesMultiplexor,
            v.DetallesIncrementador,
            v.DetallesRegistros,
            v.DetallesAlu,
            v.DetallesMicroprograma,
            v.DetallesMaquinaEstados,
            v.BotonCerrar,
            v.BotonCiclo,
            v.BotonInstruccion,
            v.BotonEjecutaN,
            v.BotonHastaBreakpoint,
            v.BotonMonitorizar,
            v.BotonReset,
            v.BotonPosicionInicial,
            v.BotonAlu,
            v.BotonMicroprograma};
}

std::vector<QAction*> SiempreActivas(TVentanaPrincipal& v) {
    return {v.CargarEjecutableVelmo1, v.Salir,         v.AyudaVelmo,    v.DialogoBienvenida, v.AcercaDe,
            v.Resolucion1024,         v.Resolucion800, v.BotonQueEsEsto};
}

void CompruebaEstado(TVentanaPrincipal& v, bool simulacion) {
    for (QAction* a : OrdenesSimulacion(v)) {
        QVERIFY2(a->isEnabled() == simulacion, qPrintable(a->text()));
    }
    for (QAction* a : SiempreActivas(v)) {
        QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    }
    QCOMPARE(v.CargarFuente->isEnabled(), !simulacion);
    QCOMPARE(v.BotonAbrirFuente->isEnabled(), !simulacion);
}

} // namespace

class PruebaVentanaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(UbicacionAjustes()); }

    void atajosSinAmbiguedadYPistas() {
        Banco b;
        TVentanaPrincipal& v = b.ventana;
        // Two actions with one key would make the key do nothing at all.
        QMap<QString, QString> atajos;
        for (QAction* a : v.findChildren<QAction*>()) {
            if (a->shortcut().isEmpty()) {
                continue;
            }
            const QString tecla = a->shortcut().toString();
            QVERIFY2(!atajos.contains(tecla), qPrintable(tecla + QStringLiteral(": ") + atajos.value(tecla)));
            atajos.insert(tecla, a->text());
        }
        QCOMPARE(atajos.size(), 12); // with Shift+F6 and Shift+F7 (stepping back) and Esc (Detener)
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QTest::keyClick(&v, Qt::Key_F7);
        QTest::keyClick(&v, Qt::Key_F6);
        QCOMPARE(b.registro.instrucciones, 1);
        QCOMPARE(b.registro.ciclos, 1);

        // "Short|Long" hints: the status bar gets the long part, the tool tip the short one.
        QCOMPARE(v.CargarFuente->statusTip(), QStringLiteral("Cargar Fuente Ensamblador de Velmo"));
        QCOMPARE(v.CargarFuente->toolTip(), QStringLiteral("Cargar"));
        QCOMPARE(v.Salir->statusTip(), QStringLiteral("Exit application"));
        QCOMPARE(v.BotonAbrirEjecutable->statusTip(), QStringLiteral("Abrir ejecutable de Velmo"));
        QCOMPARE(v.Debug->Lineas().front(), QStringLiteral("Debug Activado"));
    }

    void habilitadoAntesDuranteYDespues() {
        Banco b;
        TVentanaPrincipal& v = b.ventana;
        CompruebaEstado(v, false);

        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        CompruebaEstado(v, true);
        QVERIFY(v.SimuladorVelmo);
        QCOMPARE(v.FicheroAbierto, QStringLiteral("/tmp/uno.vlx"));
        QCOMPARE(v.Debug->Lineas().back(), QStringLiteral("******INICIO DEL CICLO*******"));
        QCOMPARE(v.TextoBarraEstado(), QStringLiteral("Seleccione las características de Velmo a simular"));

        v.Cerrar->trigger();
        CompruebaEstado(v, false);
        QVERIFY(!v.SimuladorVelmo);
        QCOMPARE(b.registro.vivas, 0);
        QVERIFY(v.BotonAbrirEjecutable->isEnabled());
    }

    void cargarCanceladoConservaLaSimulacion() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.ventana.CargarEjecutableVelmo1->trigger(); // the file dialog is cancelled
        QCOMPARE(b.guion.dialogosDeFichero, 2);
        // The second dialog started at the executable being simulated.
        QCOMPARE(b.guion.propuestas, (std::vector<QString>{QString(), QStringLiteral("/tmp/uno.vlx")}));
        QCOMPARE(b.registro.vivas, 1);
        QCOMPARE(b.ventana.FicheroAbierto, QStringLiteral("/tmp/uno.vlx"));
        CompruebaEstado(b.ventana, true);
        // Loading another one while open closes the first.
        b.Carga(QStringLiteral("/tmp/dos.vlx"));
        QCOMPARE(b.registro.vivas, 1);
        QCOMPARE(b.registro.abiertas,
                 (QStringList{QStringLiteral("/tmp/uno.vlx"), QStringLiteral("/tmp/dos.vlx")}));
    }

    void resetReconstruyeDesdeElMismoFichero() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.ventana.Instruccion->trigger();
        b.ventana.Reset->trigger();
        QCOMPARE(b.registro.abiertas,
                 (QStringList{QStringLiteral("/tmp/uno.vlx"), QStringLiteral("/tmp/uno.vlx")}));
        QCOMPARE(b.registro.vivas, 1);
        QVERIFY(b.ventana.SimuladorVelmo); // opened again, still one alive
        CompruebaEstado(b.ventana, true);
        QVERIFY(b.ventana.BotonAbrirEjecutable->isEnabled());
    }

    void ordenesLleganALaSimulacion() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        TVentanaPrincipal& v = b.ventana;
        v.Ciclo->trigger();
        const int lineas = v.Debug->Lineas().size();
        v.BotonCiclo->trigger();
        QCOMPARE(b.registro.ciclos, 2);
        QCOMPARE(v.Debug->Lineas().size(), lineas + 2);
        QCOMPARE(v.Debug->Lineas().mid(lineas),
                 (QStringList{QStringLiteral("*****Ciclo Completado******"), QStringLiteral("  ")}));
        v.Instruccion->trigger();
        v.BotonInstruccion->trigger();
        QCOMPARE(b.registro.instrucciones, 2);
        v.HastaBreakpoint->trigger();
        v.BotonMonitorizar->trigger();
        v.PosicionInicial->trigger();
        QCOMPARE(b.registro.breakpoints, 1);
        QCOMPARE(b.registro.monitorizaciones, 1);
        QCOMPARE(b.registro.iniciales, 1);
    }

    void ejecutaN_paraSinMensajeOCancelado() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.registro.falloEnInstruccion = 7;
        b.EjecutaN(QStringLiteral("100"));
        QCOMPARE(b.registro.instrucciones, 7);
        QVERIFY(b.guion.mensajes.empty());
        b.guion.alDialogo = [](QDialog& d) {
            static_cast<TFormEjecutaN&>(d).Edit1->setText(QStringLiteral("9"));
            return int(QDialog::Rejected);
        };
        b.registro.falloEnInstruccion = -1;
        b.ventana.BotonEjecutaN->trigger();
        QCOMPARE(b.registro.instrucciones, 7);
    }

    void nadaInterrumpeUnaEjecucion() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.ventana.show();
        // Events delivered during a clock pause: a close from the desktop and other commands.
        b.registro.durante = [&b] {
            b.ventana.close();
            b.ventana.Reset->trigger();
            b.ventana.Cerrar->trigger();
        };
        b.ventana.Instruccion->trigger();
        b.registro.durante = nullptr;
        QCOMPARE(b.registro.instrucciones, 1);
        QCOMPARE(b.registro.abiertas.size(), 1);
        QCOMPARE(b.registro.vivas, 1);
        QVERIFY(b.ventana.isVisible());
        // Once the run is over they work again.
        b.ventana.Cerrar->trigger();
        QCOMPARE(b.registro.vivas, 0);
    }

    void excepcionEnUnCicloReinicia() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.registro.excepcionEnInstruccion = 3;
        b.EjecutaN(QStringLiteral("10"));
        QCOMPARE(b.registro.instrucciones, 3);   // the run stops at the failure
        QCOMPARE(b.registro.abiertas.size(), 2); // and the simulation is opened again
        QCOMPARE(b.registro.vivas, 1);
        CompruebaEstado(b.ventana, true);
    }

    void fabricaQueFallaDejaSinSimulacion() {
        Banco b;
        b.registro.falloAlAbrir = true;
        b.Carga(QStringLiteral("/tmp/roto.vlx"));
        QCOMPARE(b.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(b.guion.mensajes[0].titulo, QStringLiteral("Velmo"));
        QCOMPARE(b.guion.mensajes[0].icono, IconoMensaje::Error);
        QVERIFY(!b.ventana.SimuladorVelmo);
        CompruebaEstado(b.ventana, false);

        // A pipe is refused before anything opens it: it would wait for a writer for ever.
        const QString tuberia = pruebas::CarpetaUsuario().path() + QStringLiteral("/tuberia.vlx");
        QCOMPARE(mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
        b.Carga(tuberia);
        QCOMPARE(b.registro.abiertas.size(), 1);
        QCOMPARE(b.guion.mensajes.size(), std::size_t(2));
        QCOMPARE(b.guion.mensajes[1].texto, "No se puede leer " + tuberia + ": no es un fichero normal");
        QCOMPARE(b.guion.mensajes[1].titulo, QStringLiteral("Velmo"));
        QFile::remove(tuberia);
        CompruebaEstado(b.ventana, false);
    }

    void arranqueConUnArgumento() {
        Banco b;
        b.ventana.Arranca({QStringLiteral("/tmp/linea.vlx")});
        QVERIFY(!b.ventana.isVisible()); // opened before the window is shown
        QCOMPARE(b.registro.abiertas, QStringList{QStringLiteral("/tmp/linea.vlx")});
        QCOMPARE(b.ventana.FicheroAbierto, QStringLiteral("/tmp/linea.vlx"));
        QVERIFY(!b.ventana.BotonAbrirEjecutable->isEnabled());
        QVERIFY(b.ventana.CargarEjecutableVelmo1->isEnabled());
        CompruebaEstado(b.ventana, true);
        const QStringList traza = b.ventana.Debug->Lineas();
        QVERIFY(traza.contains(QStringLiteral("Registrando el tipo \".vlx\" en Windows")));
        QVERIFY(traza.indexOf(QStringLiteral("******INICIO DEL CICLO*******")) <
                traza.indexOf(QStringLiteral("Registrando el tipo \".vlx\" en Windows")));
        // Reset works for it and brings the tool button back.
        b.ventana.Reset->trigger();
        QCOMPARE(b.registro.abiertas.size(), 2);
        QVERIFY(b.ventana.BotonAbrirEjecutable->isEnabled());
    }

    void arranqueSinUnicoArgumentoNoAbre() {
        Banco b;
        b.ventana.Arranca({QStringLiteral("/tmp/a.vlx"), QStringLiteral("/tmp/b.vlx")});
        QVERIFY(b.registro.abiertas.isEmpty());
        CompruebaEstado(b.ventana, false);
        const QStringList traza = b.ventana.Debug->Lineas();
        QVERIFY(traza.contains(QStringLiteral("Registrando el tipo \".vlx\" en Windows")));
        QVERIFY(std::any_of(traza.begin(), traza.end(), [](const QString& l) {
            return l.startsWith(QStringLiteral("Fichero de Ayuda: ")) &&
                   l.endsWith(QStringLiteral("simulador.html"));
        }));
    }

    void salirPreguntaYCerrarNo() {
        Banco b;
        b.Carga(QStringLiteral("/tmp/uno.vlx"));
        b.ventana.show();
        b.guion.respuestas = {Respuesta::No};
        b.ventana.Salir->trigger();
        QCOMPARE(b.guion.preguntas.back(),
                 QStringLiteral("Velmo: Esto finalizará la sesion de Velmo. ¿Desea continuar?"));
        QCOMPARE(b.registro.vivas, 1);
        QVERIFY(b.ventana.isVisible());
        b.ventana.Salir->trigger(); // Yes
        QCOMPARE(b.registro.vivas, 0);
        QVERIFY(!b.ventana.isVisible());
        QCOMPARE(b.ventana.TextoBarraEstado(), QStringLiteral("Saliendo de la aplicación"));

        Banco c;
        c.Carga(QStringLiteral("/tmp/uno.vlx"));
        c.ventana.show();
        const std::size_t preguntas = c.guion.preguntas.size();
        c.ventana.close(); // the close box asks nothing
        QCOMPARE(c.guion.preguntas.size(), preguntas);
        QCOMPARE(c.registro.vivas, 0);
        QCOMPARE(c.ventana.TextoBarraEstado(), QStringLiteral("Saliendo de la aplicación"));
    }

    void bienvenidaAlMostrarseSegunElAjuste() {
        {
            Banco b;
            b.guion.alDialogo = [](QDialog& d) {
                auto* f = qobject_cast<TFormBienvenida*>(&d);
                return f ? (f->BotonCerrar->click(), f->result()) : int(QDialog::Rejected);
            };
            b.ventana.show();
            QTRY_COMPARE(b.guion.dialogos.size(), std::size_t(1));
            QVERIFY(!b.ventana.Debug->isVisible()); // showing the frame does not show the trace window
            QCOMPARE(b.guion.dialogos[0], static_cast<QDialog*>(b.ventana.FormBienvenida));
            QVERIFY(b.registro.abiertas.isEmpty()); // "Cerrar este diálogo" does nothing more
        }
        EscribeAjuste(QStringLiteral("showWelcome"), false);
        {
            Banco b;
            b.ventana.show();
            QTest::qWait(50);
            QVERIFY(b.guion.dialogos.empty());
            // Still reachable from the help menu.
            b.ventana.DialogoBienvenida->trigger();
            QCOMPARE(b.guion.dialogos.size(), std::size_t(1));
        }
    }

    void bienvenidaSimularAbreElDialogoDeFichero() {
        Banco b;
        b.guion.alDialogo = [](QDialog& d) {
            auto& f = static_cast<TFormBienvenida&>(d);
            f.BotonSimular->click();
            return f.result();
        };
        b.guion.ficheros.push_back(QStringLiteral("/tmp/bienvenida.vlx"));
        b.ventana.DialogoBienvenida->trigger();
        QCOMPARE(b.registro.abiertas, QStringList{QStringLiteral("/tmp/bienvenida.vlx")});
        CompruebaEstado(b.ventana, true);
    }

    void montadorSegunLaOrdenYLaBienvenida() {
        Banco b;
        std::vector<InicioMontador> abiertos;
        b.ventana.SetAbreMontador(
            [&](TVentanaPrincipal&, InicioMontador inicio) { abiertos.push_back(inicio); });
        b.ventana.CargarFuente->trigger();
        b.ventana.BotonAbrirFuente->trigger();
        for (QPushButton* TFormBienvenida::*boton :
             {&TFormBienvenida::BotonProgramaNuevo, &TFormBienvenida::BotonFuenteExistente,
              &TFormBienvenida::BotonAyuda, &TFormBienvenida::BotonCerrar}) {
            b.guion.alDialogo = [boton](QDialog& d) {
                auto& f = static_cast<TFormBienvenida&>(d);
                (f.*boton)->click();
                return f.result();
            };
            b.ventana.DialogoBienvenida->trigger();
        }
        QCOMPARE(abiertos, (std::vector<InicioMontador>{InicioMontador::Ninguno, InicioMontador::Ninguno,
                                                        InicioMontador::ProgramaNuevo,
                                                        InicioMontador::FuenteExistente}));
        QCOMPARE(b.guion.dialogosDeFichero, 0);
        QVERIFY(b.registro.abiertas.isEmpty());
    }

    void cambioDeResolucionPregunta() {
        Banco b;
        b.guion.respuestas = {Respuesta::No, Respuesta::No};
        b.ventana.Resolucion1024->trigger();
        b.ventana.Resolucion800->trigger();
        QCOMPARE(b.guion.preguntas,
                 (std::vector<QString>{
                     QStringLiteral("Velmo: La configuración de pantalla (si su monitor lo permite, y "
                                    "tiene permiso) cambiará a 1024x768. ¿Desea continuar?"),
                     QStringLiteral("Velmo: La configuración de pantalla (si su monitor lo permite, y "
                                    "tiene permiso) cambiará a 800x600. ¿Desea continuar?")}));
    }

    void menuVentanasListaLasHijas() {
        Banco b;
        auto* uno = b.ventana.Mdi->addSubWindow(new QWidget);
        uno->setWindowTitle(QStringLiteral("Memoria"));
        auto* dos = b.ventana.Mdi->addSubWindow(new QWidget);
        dos->setWindowTitle(QStringLiteral("Registros"));
        b.ventana.show();
        uno->show();
        dos->show();
        emit b.ventana.MenuVentanas->aboutToShow();
        QAction* entrada = nullptr;
        for (QAction* a : b.ventana.MenuVentanas->actions()) {
            if (a->text() == QStringLiteral("&1 Memoria")) {
                entrada = a;
            }
        }
        QVERIFY(entrada);
        entrada->trigger();
        QCOMPARE(b.ventana.Mdi->activeSubWindow(), uno);
    }

    // Last: it gives the whole application the program's translations and font.
    void losTitulosQuedanComoSeDan() {
        PreparaAplicacion(*qApp);
        // A display name of its own would be appended to every caption ("Montador — Velmo"); without one
        // it merely follows the application's name.
        const QString nombre = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("otro"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("otro"));
        QCoreApplication::setApplicationName(nombre);
    }
};

VELMO_QTEST_MAIN(PruebaVentanaPrincipal)
#include "test_VentanaPrincipal.moc"

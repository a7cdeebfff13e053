// The main window over the real engine and real executables: opening, the control-unit question, N runs,
// reset from disk, the command-line start and files that cannot be opened.

#include "AnfitrionGUI.h"
#include "Debug.h"
#include "EntornoPruebas.h"
#include "FormEjecutaNInst.h"
#include "FormEligeSim.h"
#include "ProgramaPrueba.h"
#include "SimulacionVelmo.h"
#include "VentanaMemoria.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

using namespace velmo;

namespace {

struct Banco {
    pruebas::GuionModal guion;
    TVentanaPrincipal ventana;
    int eleccionesControl = 0;
    QString nInstrucciones;

    Banco() {
        ventana.Anfitrion().SetPausaReloj(false);
        guion.alDialogo = [this](QDialog& d) {
            if (qobject_cast<TFormElige*>(&d) != nullptr) {
                ++eleccionesControl;
                return int(QDialog::Accepted);
            }
            if (auto* n = qobject_cast<TFormEjecutaN*>(&d)) {
                n->Edit1->setText(nInstrucciones);
                n->BotonOKClick();
                return n->result();
            }
            return int(QDialog::Rejected);
        };
    }

    SimulacionVelmo& Sim() {
        auto* s = dynamic_cast<SimulacionVelmo*>(ventana.SimuladorVelmo.get());
        Q_ASSERT(s != nullptr);
        return *s;
    }
    TSimuladorVelmo& Motor() { return Sim().Motor(); }

    void Carga(const std::string& ruta) {
        guion.ficheros.push_back(QString::fromStdString(ruta));
        ventana.CargarEjecutableVelmo1->trigger();
    }

    void EjecutaN(const QString& n) {
        nInstrucciones = n;
        ventana.EjecutarN->trigger();
    }
};

/// Free words are ADD 0,0: a program of nothing runs for ever, one instruction after another.
std::string ProgramaVacio(std::uint16_t dato = 0) {
    pruebas::ProgramaPrueba p;
    p.Dato(100, dato);
    return p.Guarda();
}

} // namespace

class PruebaSimulacionVelmo : public QObject {
    Q_OBJECT
private slots:
    void abrirPreguntaElControlYVaciaLaTraza() {
        Banco b;
        b.Carga(ProgramaVacio());
        QVERIFY(b.ventana.SimuladorVelmo);
        QCOMPARE(b.eleccionesControl, 1);
        QCOMPARE(b.Motor().NumInst(), 0);
        QCOMPARE(b.Motor().TipoControl(), tnormal);
        const QStringList traza = b.ventana.Debug->Lineas();
        QVERIFY(!traza.contains(QStringLiteral("Debug Activado"))); // emptied when the simulation opened
        QVERIFY(!traza.isEmpty());
        QCOMPARE(traza.back(), QStringLiteral("******INICIO DEL CICLO*******"));
        QCOMPARE(b.ventana.Debug->geometry(), QRect(200, 200, 300, 420));
        QVERIFY(!b.ventana.Debug->isVisible());
    }

    void ejecutaN_conElMotor() {
        {
            Banco b;
            b.Carga(ProgramaVacio());
            b.guion.respuestas = {Respuesta::Si, Respuesta::Si};
            b.EjecutaN(QStringLiteral("120"));
            QCOMPARE(b.Motor().NumInst(), 120);
            const QString pregunta =
                QStringLiteral("Velmo: Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?");
            QCOMPARE(b.guion.preguntas, (std::vector<QString>{pregunta, pregunta}));
        }
        {
            Banco b;
            b.Carga(ProgramaVacio());
            b.guion.respuestas = {Respuesta::No};
            b.EjecutaN(QStringLiteral("120"));
            QCOMPARE(b.Motor().NumInst(), 50);
        }
        {
            Banco b;
            b.Carga(ProgramaVacio());
            b.EjecutaN(QStringLiteral("50"));
            QCOMPARE(b.Motor().NumInst(), 50);
            QVERIFY(b.guion.preguntas.empty());
            b.EjecutaN(QString()); // empty: nothing runs
            QCOMPARE(b.Motor().NumInst(), 50);
        }
    }

    void detenerYSinAnimacion() {
        Banco b;
        b.ventana.Anfitrion().SetPausaReloj(
            true); // the clock pause of the hard-wired units, as a user has it
        b.Carga(ProgramaVacio());
        std::function<void()>& alTerminarCiclo = b.ventana.Anfitrion().alTerminarCiclo;
        QVERIFY(!b.ventana.BotonDetener->isEnabled()); // nothing to stop

        // The Stop button ends an N run after the cycle in progress; the status bar showed its progress.
        int ciclos = 0;
        QString progreso;
        alTerminarCiclo = [&] {
            if (++ciclos == 12) {
                progreso = b.ventana.TextoBarraEstado();
                b.ventana.BotonDetener->trigger();
            }
        };
        const int antes = b.Motor().NumCiclos();
        b.EjecutaN(QStringLiteral("100"));
        QCOMPARE(b.Motor().NumCiclos(), antes + 12);
        QVERIFY2(progreso.startsWith(QStringLiteral("Ejecutando: ")), qPrintable(progreso));
        QCOMPARE(b.ventana.TextoBarraEstado(), QStringLiteral("Ejecución detenida tras 12 ciclos"));
        QVERIFY(!b.ventana.BotonDetener->isEnabled());
        // The next command runs whole.
        alTerminarCiclo = nullptr;
        b.ventana.Instruccion->trigger();
        QCOMPARE(b.Motor().NumInst(), 3); // the cut one finished, then one more

        // Esc during a wait stops a breakpoint run; the other input of that moment is thrown away.
        b.Motor().FrameMemoria().TablaMemoriaSelectCell(1, 120);
        TablaMemoria& tabla = *b.Sim().MemoriaYTablas()->Memoria->Tabla();
        const QPoint fila5 = tabla.visualRect(tabla.model()->index(5, 1)).center();
        ciclos = 0;
        alTerminarCiclo = [&] {
            if (++ciclos == 3) {
                QCoreApplication::postEvent(tabla.viewport(),
                                            new QMouseEvent(QEvent::MouseButtonPress, fila5,
                                                            tabla.viewport()->mapToGlobal(fila5),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
                QCoreApplication::postEvent(&b.ventana,
                                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            }
        };
        b.ventana.HastaBreakpoint->trigger();
        QVERIFY2(ciclos >= 3 && ciclos < 10, qPrintable(QString::number(ciclos)));
        QVERIFY(b.guion.preguntas.empty());
        QVERIFY(!b.Motor().FrameMemoria().Haybreakpointbyindex(5));
        QVERIFY(b.ventana.TextoBarraEstado().startsWith(QStringLiteral("Ejecución detenida")));

        // "Sin animación": no lit clock line, and so no pause after it.
        alTerminarCiclo = nullptr;
        b.ventana.SinAnimacion->setChecked(true);
        QVERIFY(b.ventana.Anfitrion().SinAnimacion());
        const int hechas = b.Motor().NumInst();
        b.EjecutaN(QStringLiteral("40"));
        QCOMPARE(b.Motor().NumInst(), hechas + 40);
        b.ventana.SinAnimacion->setChecked(false);
        QVERIFY(!b.ventana.Anfitrion().SinAnimacion());
    }

    void ajustarALaPantalla() {
        const QString oferta =
            QStringLiteral("Velmo: La ventana principal tiene sitio para ver enteras todas las ventanas de "
                           "la simulación, sin "
                           "que se tapen. ¿Desea colocarlas así? (Menú Ventanas, Ajustar a la pantalla)");
        {
            // A frame only as large as the opening layout: nothing is offered.
            Banco b;
            b.ventana.resize(1000, 700);
            b.ventana.show();
            b.Carga(ProgramaVacio());
            QTest::qWait(500);
            QVERIFY(b.guion.preguntas.empty());
        }
        Banco b;
        b.ventana.resize(1600, 1000);
        b.ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.ventana));
        b.Carga(ProgramaVacio());
        QTRY_COMPARE(b.guion.preguntas, std::vector<QString>{oferta}); // answered Yes

        // Every window whole inside the frame, none covering another, the memory with all its columns.
        const auto compruebaAjuste = [&b] {
            const QRect zona = b.ventana.Mdi->viewport()->rect();
            const QList<QMdiSubWindow*> hijas = b.ventana.Mdi->subWindowList();
            QCOMPARE(hijas.size(), 7);
            for (QMdiSubWindow* h : hijas) {
                QVERIFY2(h->isVisible() && !h->isMinimized() && zona.contains(h->geometry()),
                         qPrintable(h->windowTitle()));
                for (QMdiSubWindow* otra : hijas) {
                    QVERIFY2(h == otra || !h->geometry().intersects(otra->geometry()),
                             qPrintable(h->windowTitle() + QStringLiteral(" / ") + otra->windowTitle()));
                }
            }
            TablaMemoria& tabla = *b.Sim().MemoriaYTablas()->Memoria->Tabla();
            const int ultima = tabla.columnViewportPosition(4) + tabla.columnWidth(4);
            QVERIFY(ultima <= tabla.viewport()->width());
        };
        compruebaAjuste();

        // "Posición inicial" stays as it is; the menu item fits them again, a minimised one included.
        b.ventana.PosicionInicial->trigger();
        QCOMPARE(b.Sim().MemoriaYTablas()->Memoria->parentWidget()->geometry().topLeft(), QPoint(605, 0));
        b.ventana.Mdi->subWindowList().front()->showMinimized();
        emit b.ventana.MenuVentanas->aboutToShow();
        const QList<QAction*> items = b.ventana.MenuVentanas->actions();
        QCOMPARE(items.indexOf(b.ventana.AjustarPantalla), items.indexOf(b.ventana.MinimizarTodasMenu) + 1);
        b.ventana.AjustarPantalla->trigger();
        compruebaAjuste();
        // Offered once only.
        b.ventana.Reset->trigger();
        QTest::qWait(500);
        QCOMPARE(b.guion.preguntas.size(), std::size_t(1));
    }

    void cicloEInstruccion() {
        Banco b;
        b.Carga(ProgramaVacio());
        b.ventana.Instruccion->trigger();
        QCOMPARE(b.Motor().NumInst(), 1);
        const int ciclos = b.Motor().NumCiclos();
        b.ventana.Ciclo->trigger();
        b.ventana.BotonCiclo->trigger();
        QCOMPARE(b.Motor().NumCiclos(), ciclos + 2);
    }

    void resetReleeElFicheroYPreguntaOtraVez() {
        Banco b;
        pruebas::ProgramaPrueba p;
        p.Dato(100, 7);
        const std::string ruta = p.Guarda();
        b.Carga(ruta);
        QCOMPARE(int(b.Motor().VectorReginst()[100].Valor), 7);
        b.ventana.Instruccion->trigger();

        // Assembled again meanwhile: Reset picks up the new file.
        pruebas::ProgramaPrueba q;
        q.Dato(100, 9);
        const std::string otra = q.Guarda();
        QFile::remove(QString::fromStdString(ruta));
        QVERIFY(QFile::copy(QString::fromStdString(otra), QString::fromStdString(ruta)));

        b.ventana.FormElige->RGroupOptimizado->click();
        b.ventana.Reset->trigger();
        QCOMPARE(b.eleccionesControl, 2);
        QCOMPARE(int(b.Motor().VectorReginst()[100].Valor), 9);
        QCOMPARE(b.Motor().NumInst(), 0);
        QCOMPARE(b.Motor().TipoControl(), toptimizado);

        // Gone meanwhile: Reset says so and closes the simulation, as opening it would.
        QFile::remove(QString::fromStdString(ruta));
        b.ventana.Reset->trigger();
        QCOMPARE(b.guion.mensajes.back().texto,
                 QStringLiteral("No se puede abrir el fichero ") + QString::fromStdString(ruta));
        QVERIFY(!b.ventana.SimuladorVelmo);
        QVERIFY(!b.ventana.Ciclo->isEnabled());
        QVERIFY(b.ventana.Mdi->subWindowList().isEmpty());
    }

    void arranqueConElFicheroComoArgumento() {
        Banco b;
        const std::string ruta = ProgramaVacio();
        b.ventana.Arranca({QString::fromStdString(ruta)});
        QVERIFY(b.ventana.SimuladorVelmo);
        QCOMPARE(b.Motor().NomFichVelmo(), ruta);
        QVERIFY(!b.ventana.BotonAbrirEjecutable->isEnabled());
        QVERIFY(b.ventana.CargarEjecutableVelmo1->isEnabled());
        QVERIFY(!b.ventana.CargarFuente->isEnabled());
        QVERIFY(b.ventana.Reset->isEnabled());
    }

    void ficheroQueNoSePuedeAbrir() {
        Banco b;
        const QString ruta = pruebas::CarpetaUsuario().path() + QStringLiteral("/no/existe.vlx");
        b.Carga(ruta.toStdString());
        QCOMPARE(b.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(b.guion.mensajes[0].texto, QStringLiteral("No se puede abrir el fichero ") + ruta);
        QCOMPARE(b.guion.mensajes[0].titulo, QStringLiteral("Velmo"));
        QVERIFY(!b.ventana.SimuladorVelmo);
        QVERIFY(!b.ventana.Ciclo->isEnabled());
        QVERIFY(b.ventana.CargarFuente->isEnabled());

        // The same from the command line: nothing open, the commands stay as at start.
        Banco c;
        c.ventana.Arranca({ruta});
        QVERIFY(!c.ventana.SimuladorVelmo);
        QVERIFY(!c.ventana.Ciclo->isEnabled());
        QVERIFY(c.ventana.BotonAbrirEjecutable->isEnabled());
    }

    void cabeceraIncorrectaSigueAbierta() {
        Banco b;
        const QString ruta = pruebas::CarpetaUsuario().path() + QStringLiteral("/texto.vlx");
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("esto no es un ejecutable");
        f.close();
        b.Carga(ruta.toStdString());
        QCOMPARE(b.guion.mensajes.size(), std::size_t(1));
        QVERIFY(b.guion.mensajes[0].texto.startsWith(QStringLiteral("Fichero incorrecto.")));
        // Reported by the engine; the simulation is still open and can be closed.
        QVERIFY(b.ventana.SimuladorVelmo);
        QVERIFY(b.ventana.Cerrar->isEnabled());
        b.ventana.Cerrar->trigger();
        QVERIFY(!b.ventana.SimuladorVelmo);
    }
};

VELMO_QTEST_MAIN(PruebaSimulacionVelmo)
#include "test_SimulacionVelmo.moc"

// The main window's step back commands and "Guardar traza..." over the real engine: the windows' state
// comes back exactly, Reset and Close clear the history, the trace file holds every moment held.

#include "AnfitrionGUI.h"
#include "EntornoPruebas.h"
#include "FormEligeSim.h"
#include "ProgramaPrueba.h"
#include "SimulacionVelmo.h"
#include "VentanaMemoria.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

#include <sys/stat.h>

using namespace velmo;

namespace {

struct Banco {
    pruebas::GuionModal guion;
    TVentanaPrincipal ventana;
    QString ficheroTraza;
    QString filtroTraza = TVentanaPrincipal::kFiltroCsv;

    Banco() {
        ventana.Anfitrion().SetPausaReloj(false);
        guion.alDialogo = [](QDialog& d) {
            return int(qobject_cast<TFormElige*>(&d) != nullptr ? QDialog::Accepted : QDialog::Rejected);
        };
        Modal().guardaFichero = [this](QWidget*, const QString&, const QString&, const QString&,
                                       const QString&, QString* tipo) {
            *tipo = filtroTraza;
            return ficheroTraza;
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
};

// ADD 10,11 ; MOV 11,12 ; CMP 10,10 ; BEQ 0: a loop that changes memory every turn.
std::string Programa() {
    pruebas::ProgramaPrueba p;
    p.Inst(0, "ADD", 10, 11).Inst(1, "MOV", 11, 12).Inst(2, "CMP", 10, 10).Inst(3, "BEQ", 0, 0);
    p.Dato(10, 3).Dato(11, 4);
    return p.Guarda();
}

// What the windows show, gathered for comparison.
struct Vista {
    TMemoriaVLM::Datos memoria;
    TablaNombreValor::Datos registros, cablesMem, cablesCtrl;
    TEstadoDeEjecucion::Datos estado;
    TOrganizacion::Datos up;
    TFrameControl::Datos uc;
    bool operator==(const Vista&) const = default;
};

Vista Mira(TSimuladorVelmo& m) {
    return {m.FrameMemoria().GetDatos(),        m.FrameRegistros().GetDatos(), m.FrameCablesMEm().GetDatos(),
            m.FrameCablesCtrl().GetDatos(),     m.FrameEstado().GetDatos(),    m.FrameUP().GetDatos(),
            m.FrameUnidadDeControl().GetDatos()};
}

} // namespace

class PruebaPasoAtras : public QObject {
    Q_OBJECT
private slots:
    void losOrdenesEstanEnElMenuYLaBarraConSusAtajos() {
        Banco b;
        QCOMPARE(b.ventana.CicloAnterior->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
        QCOMPARE(b.ventana.InstruccionAnterior->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F7));
        QMenu* ejecucion = nullptr;
        for (QAction* a : b.ventana.menuBar()->actions()) {
            if (a->text() == QStringLiteral("&Ejecución")) {
                ejecucion = a->menu();
            }
        }
        QVERIFY(ejecucion != nullptr);
        // The fixed items keep their order; the extensions come after them.
        QList<QAction*> items;
        for (QAction* a : ejecucion->actions()) {
            if (!a->isSeparator()) {
                items << a;
            }
        }
        TVentanaPrincipal& v = b.ventana;
        QCOMPARE(items.mid(0, 6), (QList<QAction*>{v.EjecutarN, v.Ciclo, v.Instruccion, v.Monitorizar,
                                                   v.Reset, v.HastaBreakpoint}));
        for (QAction* extension : {v.CicloAnterior, v.InstruccionAnterior, v.GuardarTraza}) {
            QVERIFY(items.indexOf(extension) >= 6);
        }
        const QList<QAction*> botones = v.BarraHerramientas->actions();
        const qsizetype ciclo = botones.indexOf(v.BotonCiclo);
        QCOMPARE(botones.mid(ciclo, 6),
                 (QList<QAction*>{v.BotonCiclo, v.BotonInstruccion, v.BotonEjecutaN, v.BotonHastaBreakpoint,
                                  v.BotonMonitorizar, v.BotonReset}));
        QCOMPARE(botones.indexOf(v.BotonCicloAnterior), ciclo + 6);
        QCOMPARE(botones.indexOf(v.BotonInstruccionAnterior), ciclo + 7);
        // Nothing to undo without a simulation.
        QVERIFY(!b.ventana.CicloAnterior->isEnabled());
        QVERIFY(!b.ventana.BotonInstruccionAnterior->isEnabled());
        b.Carga(Programa());
        QVERIFY(b.ventana.CicloAnterior->isEnabled());
        QVERIFY(b.ventana.GuardarTraza->isEnabled());
    }

    void cicloAnteriorDevuelveLasVentanasComoEstaban() {
        Banco b;
        b.Carga(Programa());
        std::vector<Vista> vistas{Mira(b.Motor())};
        for (int i = 0; i < 9; ++i) {
            b.ventana.Ciclo->trigger();
            vistas.push_back(Mira(b.Motor()));
        }
        b.Motor().FrameMemoria().TablaMemoriaSelectCell(1, 3); // the user's breakpoint stays
        int repintados = 0;
        b.Motor().FrameUP().Avisos().Suscribe([&](Aviso a) { repintados += a == Aviso::Repinta ? 1 : 0; });
        for (int i = 8; i >= 0; --i) {
            b.ventana.CicloAnterior->trigger();
            Vista ahora = Mira(b.Motor());
            QVERIFY(ahora.memoria.VectorBreakpoints[3]);
            ahora.memoria.VectorBreakpoints = vistas[static_cast<std::size_t>(i)].memoria.VectorBreakpoints;
            ahora.memoria.HayBreakpoint = vistas[static_cast<std::size_t>(i)].memoria.HayBreakpoint;
            QVERIFY2(ahora == vistas[static_cast<std::size_t>(i)], qPrintable(QString::number(i)));
        }
        QVERIFY(repintados >= 9);
        QCOMPARE(b.Motor().NumCiclos(), 0);
        // At the opening there is nothing older: the status bar says so and nothing changes.
        b.ventana.BotonCicloAnterior->trigger();
        QCOMPARE(b.Motor().NumCiclos(), 0);
        QCOMPARE(b.ventana.TextoBarraEstado(), QStringLiteral("No hay ciclos anteriores que deshacer"));
        // Forward again repeats the run; the notice goes at the next command.
        for (int i = 1; i <= 9; ++i) {
            b.ventana.Ciclo->trigger();
        }
        QCOMPARE(b.ventana.TextoBarraEstado(),
                 QStringLiteral("Seleccione las características de Velmo a simular"));
        Vista ahora = Mira(b.Motor());
        ahora.memoria.VectorBreakpoints = vistas[9].memoria.VectorBreakpoints;
        ahora.memoria.HayBreakpoint = vistas[9].memoria.HayBreakpoint;
        QVERIFY(ahora == vistas[9]);
    }

    void instruccionAnteriorVuelveAlFinDeLaAnterior() {
        Banco b;
        b.Carga(Programa());
        b.ventana.Instruccion->trigger();
        const Vista trasUna = Mira(b.Motor());
        b.ventana.Instruccion->trigger();
        b.ventana.Ciclo->trigger();
        b.ventana.InstruccionAnterior->trigger(); // the partial third one
        QCOMPARE(b.Motor().NumInst(), 2);
        b.ventana.BotonInstruccionAnterior->trigger();
        QVERIFY(Mira(b.Motor()) == trasUna);
        QCOMPARE(b.Motor().FrameMemoria().prFilaActual(), std::uint16_t(1));
    }

    void volverAtrasMantieneLaFilaActualALaVista() {
        Banco b;
        // CMP 20,20 ; BEQ 100 ... 100: CMP 20,20 ; BEQ 0
        pruebas::ProgramaPrueba p;
        p.Inst(0, "CMP", 20, 20).Inst(1, "BEQ", 100, 100).Inst(100, "CMP", 20, 20).Inst(101, "BEQ", 0, 0);
        p.Dato(20, 5);
        b.ventana.resize(1000, 800);
        b.ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.ventana));
        b.Carga(p.Guarda());
        VentanaMemoria& vista = *b.Sim().MemoriaYTablas()->Memoria;
        const int visibles = vista.Tabla()->FilasVisibles();
        b.ventana.Instruccion->trigger();
        b.ventana.Instruccion->trigger(); // the jump
        QCOMPARE(b.Motor().FrameMemoria().prFilaActual(), std::uint16_t(100));
        QCOMPARE(vista.PrimeraFilaVisible(), 100 - visibles + 1);
        b.ventana.InstruccionAnterior->trigger(); // back over it: row 1 comes into view
        QCOMPARE(b.Motor().FrameMemoria().prFilaActual(), std::uint16_t(1));
        QCOMPARE(vista.PrimeraFilaVisible(), 1);
        b.ventana.Instruccion->trigger();
        b.ventana.CicloAnterior->trigger(); // back into the jump: the fetch of row 100 is undone
        QVERIFY(vista.PrimeraFilaVisible() <= 1);
    }

    void resetYCerrarVacianLaHistoria() {
        Banco b;
        b.Carga(Programa());
        for (int i = 0; i < 12; ++i) {
            b.ventana.Ciclo->trigger();
        }
        QCOMPARE(b.Sim().Historial().CiclosAtras(), 12);
        b.guion.ficheros.clear();
        b.ventana.Reset->trigger();
        QVERIFY(b.ventana.SimuladorVelmo);
        QCOMPARE(b.Sim().Historial().CiclosAtras(), 0);
        b.ventana.CicloAnterior->trigger();
        QCOMPARE(b.Motor().NumCiclos(), 0);

        b.ventana.Ciclo->trigger();
        b.ventana.Cerrar->trigger();
        QVERIFY(!b.ventana.SimuladorVelmo);
        QVERIFY(!b.ventana.CicloAnterior->isEnabled());
        b.ventana.CicloAnterior->trigger(); // nothing open: nothing happens
        b.Carga(Programa());
        QCOMPARE(b.Sim().Historial().CiclosAtras(), 0);
    }

    void guardarTrazaEscribeCadaMomentoRetenido() {
        Banco b;
        b.Carga(Programa());
        for (int i = 0; i < 7; ++i) {
            b.ventana.Ciclo->trigger();
        }
        b.ficheroTraza = pruebas::CarpetaUsuario().path() + QStringLiteral("/t.csv");
        b.ventana.GuardarTraza->trigger();
        QFile csv(b.ficheroTraza);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lineas = csv.readAll().split('\n');
        QCOMPARE(lineas.size(), 1 + 8 + 1); // header, cycles 0..7, the empty piece after the last '\n'
        QVERIFY(lineas[0].startsWith("ciclo,instrucciones,estado,wPmem"));
        QVERIFY(lineas[8].startsWith("7,"));
        // Saving changed nothing on screen.
        QCOMPARE(b.Motor().NumCiclos(), 7);

        b.ficheroTraza = pruebas::CarpetaUsuario().path() + QStringLiteral("/t.vcd");
        b.ventana.GuardarTraza->trigger();
        QFile vcd(b.ficheroTraza);
        QVERIFY(vcd.open(QIODevice::ReadOnly));
        const QByteArray texto = vcd.readAll();
        QVERIFY(texto.startsWith("$version"));
        QVERIFY(texto.contains("\n#7\n"));

        // Through a link the linked file is written and keeps its permissions.
        const QString privada = pruebas::CarpetaUsuario().path() + QStringLiteral("/privada.csv");
        QVERIFY(QFile::rename(b.ficheroTraza, privada));
        QVERIFY(QFile::setPermissions(privada, QFile::ReadOwner | QFile::WriteOwner));
        b.ficheroTraza = pruebas::CarpetaUsuario().path() + QStringLiteral("/enlace.csv");
        QVERIFY(QFile::link(privada, b.ficheroTraza));
        b.ventana.GuardarTraza->trigger();
        QVERIFY(QFileInfo(b.ficheroTraza).isSymLink());
        QFile privadaCsv(privada);
        QVERIFY(privadaCsv.open(QIODevice::ReadOnly));
        QVERIFY(privadaCsv.readAll().startsWith("ciclo,"));
        struct stat estado {};
        QCOMPARE(stat(QFile::encodeName(privada).constData(), &estado), 0);
        QCOMPARE(estado.st_mode & 0777u, 0600u);

        // A place that cannot be written, or a pipe, is reported and left as it is.
        const QString tuberia = pruebas::CarpetaUsuario().path() + QStringLiteral("/tuberia.csv");
        QCOMPARE(mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
        for (const QString& ruta :
             {pruebas::CarpetaUsuario().path() + QStringLiteral("/no/existe/t.csv"), tuberia}) {
            b.guion.mensajes.clear();
            b.ficheroTraza = ruta;
            b.ventana.GuardarTraza->trigger();
            QCOMPARE(b.guion.mensajes.size(), std::size_t(1));
            QVERIFY(b.guion.mensajes[0].texto.startsWith(QStringLiteral("No se ha podido guardar la traza")));
        }
        QVERIFY(QFileInfo(tuberia).exists() && !QFileInfo(tuberia).isFile());
        QFile::remove(tuberia);
    }

    void guardarTrazaSegunElTipoElegido() {
        Banco b;
        b.Carga(Programa());
        b.ventana.Ciclo->trigger();
        // The type chosen in the dialog decides the format and gives a bare name its extension.
        b.filtroTraza = TVentanaPrincipal::kFiltroVcd;
        b.ficheroTraza = pruebas::CarpetaUsuario().path() + QStringLiteral("/sin_extension");
        b.ventana.GuardarTraza->trigger();
        QVERIFY(!QFile::exists(b.ficheroTraza));
        QFile elegidoVcd(b.ficheroTraza + QStringLiteral(".vcd"));
        QVERIFY(elegidoVcd.open(QIODevice::ReadOnly));
        QVERIFY(elegidoVcd.readAll().startsWith("$version"));
        b.filtroTraza = TVentanaPrincipal::kFiltroCsv;
        b.ventana.GuardarTraza->trigger();
        QFile elegidoCsv(b.ficheroTraza + QStringLiteral(".csv"));
        QVERIFY(elegidoCsv.open(QIODevice::ReadOnly));
        QVERIFY(elegidoCsv.readAll().startsWith("ciclo,"));
    }
};

VELMO_QTEST_MAIN(PruebaPasoAtras)
#include "test_PasoAtras.moc"

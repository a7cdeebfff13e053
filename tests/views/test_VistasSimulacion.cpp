// The simulation's memory view and tables inside the main window over the real engine: where they open,
// "Posición inicial", what the tables show while a program runs, the breakpoint notice with its setting,
// and the component maps of the "&Mostrar" menu.

#include "AjustesUsuario.h"
#include "AnfitrionGUI.h"
#include "EntornoPruebas.h"
#include "FormAvisoBreakpoint.h"
#include "FormEligeSim.h"
#include "MapasComponentes.h"
#include "ProgramaPrueba.h"
#include "SimulacionVelmo.h"
#include "TipsForm.h"
#include "VentanaMemoria.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"
#include "VentanasTablas.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWhatsThis>

using namespace velmo;

namespace {

const QString kNoInfo = QStringLiteral("noInfoBreakpoint");

struct Banco {
    pruebas::GuionModal guion;
    TVentanaPrincipal ventana;
    /// What the user does in the breakpoint notice; it is shown as a real window meanwhile.
    std::function<void(TFormAvisoBreakpoint&)> enAviso = [](TFormAvisoBreakpoint& a) { a.Button1->click(); };
    int avisos = 0;

    Banco() {
        ventana.Anfitrion().SetPausaReloj(false);
        ventana.resize(1100, 800);
        ventana.show();
        guion.alDialogo = [this](QDialog& d) {
            if (qobject_cast<TFormElige*>(&d) != nullptr) {
                return int(QDialog::Accepted);
            }
            if (auto* aviso = qobject_cast<TFormAvisoBreakpoint*>(&d)) {
                ++avisos;
                aviso->CheckBox1->setChecked(true); // cleared again when shown
                aviso->show();
                enAviso(*aviso);
                return aviso->result();
            }
            return int(QDialog::Rejected);
        };
    }

    void Carga(const std::string& ruta) {
        guion.ficheros.push_back(QString::fromStdString(ruta));
        ventana.CargarEjecutableVelmo1->trigger();
        QVERIFY(ventana.SimuladorVelmo);
    }

    SimulacionVelmo& Simulacion() { return dynamic_cast<SimulacionVelmo&>(*ventana.SimuladorVelmo); }
    TSimuladorVelmo& Motor() { return Simulacion().Motor(); }
    VentanasMemoriaYTablas& Vistas() { return *Simulacion().MemoriaYTablas(); }

    void PulsaFila(int fila) {
        TablaMemoria& t = *Vistas().Memoria->Tabla();
        const QModelIndex celda = t.model()->index(fila, 1);
        t.scrollTo(celda);
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.visualRect(celda).center());
    }
};

std::string Programa(const std::string& version = kNombreVLM1) {
    pruebas::ProgramaPrueba p(version);
    p.Inst(0, "CMP", 100, 101).Inst(1, "ADD", 100, 101).Dato(100, 7).Dato(101, 7);
    return p.Guarda();
}

/// The client area of a window in the MDI area's coordinates.
QRect Cliente(const VentanaSimulacion& v) {
    return {v.Marco()->pos(), v.size()};
}

} // namespace

class PruebaVistasSimulacion : public QObject {
    Q_OBJECT
private slots:
    void init() { EscribeAjuste(kNoInfo, false); }

    void lasVentanasAbrenEnSuSitioYVuelvenConPosicionInicial() {
        Banco b;
        b.Carga(Programa());
        VentanasMemoriaYTablas& v = b.Vistas();
        QCOMPARE(v.Memoria->Marco()->geometry(), QRect(605, 0, 205, 380));
        QCOMPARE(v.Memoria->Marco()->windowTitle(), QStringLiteral("Memoria"));
        QCOMPARE(v.Estado->size(), QSize(170, 42));
        QCOMPARE(v.Estado->Marco()->pos(), QPoint(600, 465));
        QCOMPARE(v.Registros->size(), QSize(195, 90));
        QCOMPARE(v.Registros->Marco()->pos(), QPoint(590, 533));
        QCOMPARE(v.CablesMem->size(), QSize(195, 60));
        QCOMPARE(v.CablesMem->Marco()->pos(), QPoint(810, 563));
        QCOMPARE(v.CablesCtrl->size(), QSize(190, 75));
        QCOMPARE(v.CablesCtrl->Marco()->pos(), QPoint(810, 458));
        QCOMPARE(v.Registros->Marco()->windowTitle(), QStringLiteral("Registros Ruta de Datos"));
        for (VentanaSimulacion* w :
             {static_cast<VentanaSimulacion*>(v.Memoria), static_cast<VentanaSimulacion*>(v.Estado),
              static_cast<VentanaSimulacion*>(v.Registros)}) {
            QVERIFY(w->Marco()->isVisible());
            QCOMPARE(w->Marco()->mdiArea(), b.ventana.Mdi);
            QVERIFY(w->Marco()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!w->Marco()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        }
        // The tables keep their size; the memory view may be resized.
        QCOMPARE(v.Registros->Marco()->minimumSize(), v.Registros->Marco()->maximumSize());
        QVERIFY(v.Memoria->Marco()->minimumSize() != v.Memoria->Marco()->maximumSize());

        // Moved, minimised or closed by the user: "Posición inicial" puts every one back.
        v.Memoria->Marco()->setGeometry(10, 10, 300, 200);
        v.Registros->Marco()->move(20, 30);
        v.CablesCtrl->Marco()->showMinimized();
        v.Estado->Marco()->close();
        QVERIFY(v.Estado); // closing only puts it aside
        QVERIFY(v.Estado->Marco()->isMinimized());
        b.ventana.PosicionInicial->trigger();
        QCOMPARE(v.Memoria->Marco()->geometry(), QRect(605, 0, 205, 380));
        QCOMPARE(Cliente(*v.Registros), QRect(590, 533, 195, 90));
        QVERIFY(!v.CablesCtrl->Marco()->isMinimized());
        QCOMPARE(Cliente(*v.CablesCtrl), QRect(810, 458, 190, 75));
        QVERIFY(!v.Estado->Marco()->isMinimized());
        QCOMPARE(Cliente(*v.Estado), QRect(600, 465, 170, 42));

        // They go with the simulation.
        QPointer<VentanaMemoria> memoria = v.Memoria;
        QPointer<QMdiSubWindow> marco = v.CablesMem->Marco();
        b.ventana.Cerrar->trigger();
        QVERIFY(memoria.isNull());
        QVERIFY(marco.isNull());
    }

    void lasTablasMuestranLoQueElMotorLesDa() {
        Banco b;
        b.Carga(Programa());
        VentanasMemoriaYTablas& v = b.Vistas();
        QCOMPARE(v.Registros->Celda(0, 1).texto, QStringLiteral("  IR"));
        QCOMPARE(v.Registros->Celda(0, 1).color, kAzulNombre);
        QCOMPARE(v.Registros->Celda(1, 1).color, kNegroValor);
        QCOMPARE(v.CablesCtrl->Celda(2, 2).texto, QStringLiteral("  pFZ"));
        QCOMPARE(v.CablesCtrl->Celda(4, 2).texto, QStringLiteral("  @uProg"));
        QCOMPARE(v.CablesCtrl->Celda(2, 3).color, kNegroValor);
        QCOMPARE(v.CablesMem->Celda(0, 2).texto, QStringLiteral("  Sal"));

        // The compare's FZ load reaches the table under "pFZ".
        bool fzCargado = false;
        for (int i = 0; i < 8 && !fzCargado; ++i) {
            b.ventana.Ciclo->trigger();
            fzCargado = v.CablesCtrl->Celda(2, 3).texto == QStringLiteral("  1");
        }
        QVERIFY(fzCargado);
        // The instruction register after the fetch of CMP 100,101.
        QCOMPARE(v.Registros->Celda(1, 1).texto, QStringLiteral("  0111001001100101"));

        // Counters: a negative instruction count reads 0, a negative cycle count keeps its sign.
        b.Motor().FrameEstado().SetNumCiclos(-1);
        b.Motor().FrameEstado().SetNumInstrucciones(-1);
        QCOMPARE(v.Estado->Celda(1, 0).texto, QStringLiteral("-1"));
        QCOMPARE(v.Estado->Celda(1, 1).texto, QStringLiteral("0"));
        QCOMPARE(v.Estado->Celda(0, 1).texto, QStringLiteral("  Nº Instrucciones:"));
        b.Motor().FrameEstado().SetNumInstrucciones(12);
        QCOMPARE(v.Estado->Celda(1, 1).texto, QStringLiteral("12"));
        QCOMPARE(v.Estado->AnchosColumnas(), (std::vector<int>{90, 75}));
    }

    void soloLaTablaDeControlSeRepintaEnCadaCambio() {
        Banco b;
        b.Carga(Programa());
        VentanasMemoriaYTablas& v = b.Vistas();
        const int control = v.CablesCtrl->Repintados();
        b.Motor().FrameCablesCtrl().SetValorCablesByName("1", "pA");
        b.Motor().FrameCablesCtrl().SetValorCablesByName("1", "pa"); // not found: repaints all the same
        QCOMPARE(v.CablesCtrl->Repintados(), control + 2);
        QCOMPARE(v.CablesCtrl->Celda(0, 3).texto, QStringLiteral("  1"));

        const int registros = v.Registros->Repintados();
        const int memoria = v.CablesMem->Repintados();
        b.Motor().FrameRegistros().SetValorCablesByName("0000011", "PC");
        b.Motor().FrameCablesMEm().SetValorCablesByName("   9   ", "@Mem");
        QCOMPARE(v.Registros->Repintados(), registros);
        QCOMPARE(v.CablesMem->Repintados(), memoria);
        b.Motor().FrameRegistros().Repinta();
        QCOMPARE(v.Registros->Repintados(), registros + 1);

        // A cycle repaints each table through the engine.
        b.ventana.Ciclo->trigger();
        QVERIFY(v.Registros->Repintados() > registros + 1);
        QVERIFY(v.CablesMem->Repintados() > memoria);
    }

    void elAvisoDeBreakpointSigueAlAjuste() {
        Banco b;
        b.Carga(Programa());
        // Shown with the box cleared; "Aceptar" without ticking it keeps the notice.
        b.enAviso = [](TFormAvisoBreakpoint& a) {
            QVERIFY(!a.CheckBox1->isChecked());
            a.Button1->click();
        };
        b.PulsaFila(5);
        QCOMPARE(b.avisos, 1);
        QVERIFY(b.Motor().FrameMemoria().Haybreakpointbyindex(5));
        QCOMPARE(LeeAjuste(kNoInfo, true), false);

        // Clearing a breakpoint shows nothing.
        b.PulsaFila(5);
        QCOMPARE(b.avisos, 1);

        // Ticked and closed by Escape: stored all the same, and no notice after that.
        b.enAviso = [](TFormAvisoBreakpoint& a) {
            a.CheckBox1->setChecked(true);
            QTest::keyClick(&a, Qt::Key_Escape);
        };
        b.PulsaFila(6);
        QCOMPARE(b.avisos, 2);
        QCOMPARE(LeeAjuste(kNoInfo, false), true);
        b.PulsaFila(7);
        QCOMPARE(b.avisos, 2);
        QVERIFY(b.Motor().FrameMemoria().Haybreakpointbyindex(7));

        // Set back to false by hand, the notice returns.
        EscribeAjuste(kNoInfo, false);
        b.PulsaFila(8);
        QCOMPARE(b.avisos, 3);
    }

    void queEsEstoAbreLaAyudaDeLaVentanaSinTocarLaMemoria() {
        Banco b;
        b.Carga(Programa());
        VentanasMemoriaYTablas& v = b.Vistas();
        const auto tip = [](QWidget* w) -> TTipsForm* {
            const auto tips = w->findChildren<TTipsForm*>();
            return tips.isEmpty() ? nullptr : tips.back();
        };

        // In help mode a press on a memory row asks for help instead of setting a breakpoint.
        TablaMemoria& t = *v.Memoria->Tabla();
        QWhatsThis::enterWhatsThisMode();
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.visualRect(t.model()->index(4, 1)).center());
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QVERIFY(!b.Motor().FrameMemoria().prHayBreakpoints());
        QCOMPARE(b.avisos, 0);
        TTipsForm* ayuda = tip(v.Memoria);
        QVERIFY(ayuda != nullptr);
        QCOMPARE(ayuda->size(), QSize(220, 120));
        QVERIFY(ayuda->findChild<QLabel*>()->text().startsWith(
            QStringLiteral("Esta ventana nos muestra la memoria de la Velmo. Se pueden poner")));

        QHelpEvent pregunta(QEvent::WhatsThis, QPoint(5, 5), v.Registros->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(v.Registros, &pregunta);
        QCOMPARE(tip(v.Registros)->size(), QSize(220, 40));
        QCOMPARE(tip(v.Registros)->findChild<QLabel*>()->text(),
                 QStringLiteral("Esta ventana nos muestra el contenido de los registros de la Velmo."));
        QApplication::sendEvent(v.CablesCtrl, &pregunta);
        QCOMPARE(tip(v.CablesCtrl)->size(), QSize(220, 55));
    }

    void unResetAbreVentanasNuevasSinBreakpoints() {
        Banco b;
        b.Carga(Programa());
        b.PulsaFila(3);
        QPointer<VentanaMemoria> antigua = b.Vistas().Memoria;
        b.ventana.Reset->trigger();
        QVERIFY(antigua.isNull());
        QVERIFY(b.Vistas().Memoria);
        QVERIFY(b.Vistas().Memoria->Marco()->isVisible());
        QVERIFY(!b.Motor().FrameMemoria().prHayBreakpoints());
        QCOMPARE(b.Vistas().Memoria->EstiloCelda(1, 3).fondo,
                 b.Vistas().Memoria->Tabla()->palette().color(QPalette::Base));
    }

    void elMapaDeLaAluSigueALaMaquina() {
        Banco b;
        const auto alu = [&] { return b.ventana.findChild<TMapaAlu*>(); };
        QVERIFY(alu() != nullptr);
        const auto bordeRojo = [&] {
            return alu()->grab().toImage().pixelColor(190, 132) == QColor(Qt::red);
        };
        QCOMPARE(alu()->NombreImagen(), QStringLiteral("MAPAALU"));
        QVERIFY(!bordeRojo());

        b.Carga(Programa(kNombreVLM1Modif));
        QCOMPARE(alu()->prtipocontrol(), TVL1Modif);
        QCOMPARE(alu()->NombreImagen(), QStringLiteral("MAPAALU"));
        QVERIFY(bordeRojo());
        QCOMPARE(alu()->grab().toImage().pixelColor(250, 138), TMapaAlu::kAzulCielo);

        b.Carga(Programa(kNombreVLMConfigurable));
        QCOMPARE(alu()->NombreImagen(), QStringLiteral("MAPAALUCONFIG"));
        QVERIFY(!bordeRojo());

        // A plain-machine program afterwards shows the plain ALU again.
        b.Carga(Programa(kNombreVLM1Modif));
        b.Carga(Programa());
        QCOMPARE(alu()->NombreImagen(), QStringLiteral("MAPAALU"));
        QVERIFY(!bordeRojo());
    }

    void elMenuMostrarAbreLosMapas() {
        Banco b;
        b.Carga(Programa());
        const std::pair<QAction*, const char*> ordenes[] = {
            {b.ventana.DetallesAlu, "velmo::TMapaAlu"},
            {b.ventana.BotonAlu, "velmo::TMapaAlu"},
            {b.ventana.DetallesMemoria, "velmo::TMapaMemoria"},
            {b.ventana.DetallesIncrementador, "velmo::TMapaIncrementador"},
            {b.ventana.DetallesRegistros, "velmo::TMapaReg"},
            {b.ventana.DetallesMultiplexor, "velmo::TMapaMux"},
        };
        for (const auto& [accion, clase] : ordenes) {
            b.guion.dialogos.clear();
            accion->trigger();
            QCOMPARE(b.guion.dialogos.size(), std::size_t{1});
            QCOMPARE(b.guion.dialogos.front()->metaObject()->className(), clase);
        }
        // "Volver" closes with OK; the picture leaves the button's place free.
        auto* mux = b.ventana.findChild<TMapaMux*>();
        mux->show();
        QCOMPARE(mux->size(), QSize(285, 245));
        QCOMPARE(mux->BotonVolver->geometry().topLeft(), QPoint(216, 215));
        mux->BotonVolver->click();
        QCOMPARE(mux->result(), int(QDialog::Accepted));
    }
};

VELMO_QTEST_MAIN(PruebaVistasSimulacion)
#include "test_VistasSimulacion.moc"

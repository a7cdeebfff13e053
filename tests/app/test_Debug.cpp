// The trace window's ring buffer and the desktop host: boxes, questions, trace, control choice, pause.

#include "AnfitrionGUI.h"
#include "Debug.h"
#include "EntornoPruebas.h"
#include "FormEligeSim.h"
#include "FrameUC.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

using namespace velmo;

class PruebaDebug : public QObject {
    Q_OBJECT
private slots:
    void debug_guardaLasUltimas20000Lineas() {
        TDebug d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Ventana Debug"));
        for (int i = 0; i < 20005; ++i) {
            d.anade_linea(QString::number(i));
        }
        const QStringList lineas = d.Lineas();
        QCOMPARE(lineas.size(), 20000);
        QCOMPARE(lineas.front(), QStringLiteral("5"));
        QCOMPARE(lineas.back(), QStringLiteral("20004"));
        QCOMPARE(lineas[1234], QStringLiteral("1239"));
    }

    void debug_textoSoloAlMostrarse() {
        TDebug d;
        d.anade_linea(QStringLiteral("uno"));
        d.anade_linea(QStringLiteral("dos"));
        QVERIFY(d.Texto()->toPlainText().isEmpty());
        d.show();
        QCOMPARE(d.Texto()->toPlainText(), QStringLiteral("uno\ndos"));
        d.anade_linea(QStringLiteral("tres"));
        QCOMPARE(d.Texto()->toPlainText(), QStringLiteral("uno\ndos\ntres"));
        d.vacia();
        QVERIFY(d.Texto()->toPlainText().isEmpty());
        QVERIFY(d.Lineas().isEmpty());
        d.anade_linea(QStringLiteral("cuatro"));
        QCOMPARE(d.Lineas(), QStringList{QStringLiteral("cuatro")});
    }

    void anfitrion_cajasYPreguntasConSuTitulo() {
        pruebas::GuionModal guion;
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        anfitrion.MuestraMensaje("Excepción: Reinicializando", "Velmo", IconoMensaje::Error);
        anfitrion.MuestraMensaje("Aviso", "Montador", IconoMensaje::Aviso);
        QCOMPARE(guion.mensajes.size(), std::size_t(2));
        QCOMPARE(guion.mensajes[0].texto, QStringLiteral("Excepción: Reinicializando"));
        QCOMPARE(guion.mensajes[0].titulo, QStringLiteral("Velmo"));
        QCOMPARE(guion.mensajes[0].icono, IconoMensaje::Error);
        QCOMPARE(guion.mensajes[1].icono, IconoMensaje::Aviso);

        guion.respuestas = {Respuesta::No, Respuesta::Si, Respuesta::Cancelar};
        QVERIFY(!anfitrion.PreguntaSiNo("¿Seguir?", "Velmo"));
        QVERIFY(anfitrion.PreguntaSiNo("¿Seguir?", "Velmo"));
        QCOMPARE(anfitrion.PreguntaSiNoCancelar("¿Guardar?", "Montador"), Respuesta::Cancelar);
        QCOMPARE(guion.preguntas.back(), QStringLiteral("Montador: ¿Guardar?"));

        QVERIFY(anfitrion.TrazaActiva());
        anfitrion.AnadeLineaTraza("ejecución del fichero: a.vlx");
        QCOMPARE(d.Lineas().back(), QStringLiteral("ejecución del fichero: a.vlx"));
    }

    void anfitrion_reiniciaTraza() {
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        d.PonEstado(Qt::WindowMinimized);
        d.anade_linea(QStringLiteral("vieja"));
        anfitrion.ReiniciaTraza();
        QVERIFY(d.Lineas().isEmpty());
        QCOMPARE(d.Estado(), Qt::WindowNoState);
        QCOMPARE(d.geometry(), QRect(200, 200, 300, 420));
        QVERIFY(!d.isVisible()); // no command shows it
    }

    void anfitrion_eligeControlPorElDialogoQueRecuerda() {
        pruebas::GuionModal guion;
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        guion.alDialogo = [](QDialog& dialogo) {
            static_cast<TFormElige&>(dialogo).RbuttonMicroProgramado->click();
            return int(QDialog::Accepted);
        };
        QCOMPARE(anfitrion.EligeControl(), tMicroprogramado);
        guion.alDialogo = [](QDialog&) { return int(QDialog::Accepted); };
        QCOMPARE(anfitrion.EligeControl(), tMicroprogramado);
        QCOMPARE(guion.dialogos.size(), std::size_t(2));
        QCOMPARE(guion.dialogos[0], static_cast<QDialog*>(&elige));
    }

    void anfitrion_eligeControlNormalUOptimizado() {
        pruebas::GuionModal guion;
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        guion.alDialogo = [](QDialog&) { return int(QDialog::Accepted); };
        QCOMPARE(anfitrion.EligeControl(), tnormal);
        elige.RGroupOptimizado->click();
        QCOMPARE(anfitrion.EligeControl(), toptimizado);
    }

    void anfitrion_ventanasQueFaltanNoSeVen() {
        pruebas::GuionModal guion;
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        // Without the configuration and editor windows the machine gets what a new editor starts with.
        const Microprograma micro = anfitrion.EditaMicroprograma();
        QCOMPARE(int(micro[5].pIr), 1);
        QCOMPARE(int(micro[5].Salto), 1);
        QCOMPARE(anfitrion.OpcionAlu(2), 0);
        anfitrion.AvisoBreakpoint();
        anfitrion.MostrarMaquinaEstados(tnormal);
        QVERIFY(guion.dialogos.empty() && guion.mensajes.empty());
    }

    void anfitrion_esperaDelReloj() {
        TDebug d;
        TFormElige elige;
        AnfitrionGUI anfitrion(nullptr, d, elige);
        int veces = 0;
        bool anidadaEspera = false;
        // A timer that fires during the wait may ask for another wait: it only sleeps.
        QTimer::singleShot(5, [&] {
            ++veces;
            QElapsedTimer dentro;
            dentro.start();
            anfitrion.EsperaReloj(10);
            anidadaEspera = dentro.elapsed() >= 10;
        });
        QElapsedTimer reloj;
        reloj.start();
        anfitrion.EsperaReloj(30);
        QVERIFY(reloj.elapsed() >= 30);
        QCOMPARE(veces, 1); // timers keep running during the wait
        QVERIFY(anidadaEspera);

        // The clock flash draws the lit line, then holds it for 30 ms unless the pause is off.
        int destellos = 0;
        const auto dibuja = [&] { ++destellos; };
        reloj.restart();
        anfitrion.Destello(dibuja);
        QVERIFY(reloj.elapsed() >= AnfitrionGUI::kDestelloMs);
        anfitrion.SetPausaReloj(false);
        anfitrion.Destello(dibuja);
        QCOMPARE(destellos, 2);
        // "Sin animación": neither the lit line nor the wait, whatever the pause says.
        anfitrion.SetPausaReloj(true);
        anfitrion.SetSinAnimacion(true);
        reloj.restart();
        anfitrion.Destello(dibuja);
        QVERIFY(reloj.elapsed() < AnfitrionGUI::kDestelloMs);
        QCOMPARE(destellos, 2);
    }
};

VELMO_QTEST_MAIN(PruebaDebug)
#include "test_Debug.moc"

// The memory window over its state: what each kind of row shows and in which colours, breakpoints
// toggled by mouse and keyboard, and the current row kept in view.

#include "EntornoPruebas.h"
#include "FrameMemoria.h"
#include "VentanaMemoria.h"

#include <QMdiArea>
#include <QScrollBar>

using namespace velmo;

namespace {

const QColor kAzul(0, 102, 204);

TregInst Palabra(int dir, const std::string& cop, int op1, int op2, std::uint16_t valor,
                 const std::string& descripcion = "---") {
    TregInst r;
    r.direccion = dir;
    r.cop = cop;
    r.op1 = static_cast<std::uint16_t>(op1);
    r.op2 = static_cast<std::uint16_t>(op2);
    r.Valor = valor;
    r.Descripcion = descripcion;
    return r;
}

/// A memory window inside an MDI area, shown at its opening place.
struct Banco {
    TMemoriaVLM memoria; // outlives the window, as the engine outlives its windows
    QMdiArea mdi;
    VentanaMemoria* ventana;

    Banco() {
        mdi.resize(1000, 700);
        ventana = new VentanaMemoria(memoria);
        ventana->Incrusta(mdi);
        memoria.SetBounds(605, 0, 205, 380);
        memoria.Inicializa();
        memoria.Show();
        memoria.Repinta();
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
    }

    /// A press on the address cell of row `fila`, scrolled into view first.
    void Pulsa(int fila) {
        TablaMemoria& t = *ventana->Tabla();
        const QModelIndex celda = t.model()->index(fila, 1);
        t.scrollTo(celda);
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.visualRect(celda).center());
    }

    QColor PixelFondo(int columna, int fila) {
        TablaMemoria& t = *ventana->Tabla();
        const QModelIndex celda = t.model()->index(fila, columna);
        t.scrollTo(celda);
        const QRect r = t.visualRect(celda);
        // The right end of the cell, clear of text and gutter picture.
        return t.viewport()->grab().toImage().pixelColor(r.right() - 1, r.bottom() - 1);
    }
};

} // namespace

class PruebaVentanaMemoria : public QObject {
    Q_OBJECT
private slots:
    void lasFilasDeCodigoYDatosMuestranSuPalabra() {
        Banco b;
        b.memoria.EscribirInstruccion(Palabra(0, "ADD", 5, 6, 0x0286, "inicio:"), 0);
        b.memoria.EscribirInstruccion(Palabra(1, "BEQ", 9, 9, 0xC489), 1);
        b.memoria.EscribirInstruccion(Palabra(2, "---", 0, 0, kPalabraSinValor), 2);
        b.memoria.EscribirInstruccion(Palabra(3, "---", 0, 0, 65535), 3);
        b.memoria.EscribirInstruccion(Palabra(4, "CLEAR", 7, 7, 0xD007), 4);
        b.memoria.EscribirInstruccion(Palabra(5, "MOVD", 12, 40, 0xE028), 5);
        b.memoria.EscribirInstruccion(Palabra(7, "ACUM", 3, 41, 0xF029), 7);
        b.memoria.EscribirInstruccion(Palabra(9, "2", 5, kSinSegundoOperando, 0x8280), 9);
        b.memoria.EscribirInstruccion(Palabra(10, "0", 5, 6, 0x0286), 10);
        const auto texto = [&](int c, int f) { return b.ventana->EstiloCelda(c, f).texto; };

        QCOMPARE(texto(1, 0), QStringLiteral("   0"));
        QCOMPARE(texto(2, 0), QStringLiteral("inicio:"));
        QCOMPARE(texto(3, 0), QStringLiteral("  0000001010000110  "));
        QCOMPARE(texto(4, 0), QStringLiteral("   ADD  5,6"));
        QCOMPARE(texto(4, 1), QStringLiteral("   BEQ  9")); // a jump has one operand
        QCOMPARE(texto(1, 127), QStringLiteral("   127"));
        // Data words: a word without initial value, and any other value in decimal.
        QCOMPARE(texto(4, 2), QStringLiteral("   ---"));
        QCOMPARE(texto(4, 3), QStringLiteral("   65535"));
        QCOMPARE(texto(3, 3), QStringLiteral("  1111111111111111  "));
        // The modified machine's instructions.
        QCOMPARE(texto(4, 4), QStringLiteral("   CLEAR 7"));
        QCOMPARE(texto(4, 5), QStringLiteral("   MOVD 12,40"));
        QCOMPARE(texto(4, 7), QStringLiteral("   ACUM 3,41"));
        // Configurable instructions, with and without a second operand.
        QCOMPARE(texto(4, 9), QStringLiteral("  Inst2  5"));
        QCOMPARE(texto(4, 10), QStringLiteral("  Inst0  5,6"));
        QCOMPARE(texto(0, 0), QString()); // the gutter has pictures only
    }

    void coloresDeFilaNormalActualYConBreakpoint() {
        Banco b;
        b.memoria.EscribirInstruccion(Palabra(3, "ADD", 1, 2, 0x0082), 3);
        const QColor fondo = b.ventana->Tabla()->palette().color(QPalette::Base);

        // A normal row: address and description in blue, the rest black on the grid's background.
        auto e = b.ventana->EstiloCelda(1, 3);
        QCOMPARE(e.fondo, fondo);
        QCOMPARE(e.letra, kAzul);
        QCOMPARE(b.ventana->EstiloCelda(2, 3).letra, kAzul);
        QCOMPARE(b.ventana->EstiloCelda(3, 3).letra, QColor(Qt::black));
        QCOMPARE(b.ventana->EstiloCelda(4, 3).letra, QColor(Qt::black));
        QCOMPARE(b.ventana->EstiloCelda(0, 3).imagen, 0);
        QCOMPARE(b.ventana->EstiloCelda(0, 3).fondo, b.ventana->palette().color(QPalette::Button));

        // The current row, freshly opened: yellow, blue address, the arrow in the gutter.
        QCOMPARE(b.ventana->EstiloCelda(1, 0).fondo, VentanaMemoria::kAmarillo);
        QCOMPARE(b.ventana->EstiloCelda(1, 0).letra, kAzul);
        QCOMPARE(b.ventana->EstiloCelda(4, 0).letra, QColor(Qt::black));
        QCOMPARE(b.ventana->EstiloCelda(0, 0).imagen, 1);
        QCOMPARE(b.PixelFondo(3, 0), VentanaMemoria::kAmarillo);

        // A breakpoint row: red with every text white.
        b.Pulsa(3);
        for (int c = 1; c <= 4; ++c) {
            QCOMPARE(b.ventana->EstiloCelda(c, 3).fondo, VentanaMemoria::kRojo);
            QCOMPARE(b.ventana->EstiloCelda(c, 3).letra, QColor(Qt::white));
        }
        QCOMPARE(b.ventana->EstiloCelda(0, 3).imagen, 3);
        QCOMPARE(b.PixelFondo(3, 3), VentanaMemoria::kRojo);
        QCOMPARE(b.PixelFondo(3, 4), fondo);

        // Current and breakpoint: the current row's colours win, with both marks in the gutter.
        b.memoria.SetFilaActual(3);
        b.memoria.Repinta();
        QCOMPARE(b.ventana->EstiloCelda(2, 3).fondo, VentanaMemoria::kAmarillo);
        QCOMPARE(b.ventana->EstiloCelda(2, 3).letra, kAzul);
        QCOMPARE(b.ventana->EstiloCelda(0, 3).imagen, 2);
        QCOMPARE(b.PixelFondo(3, 3), VentanaMemoria::kAmarillo);
        QVERIFY(!b.ventana->ImagenGutter(2).isNull());
    }

    void unaPulsacionPoneYQuitaElBreakpointConSuCompanera() {
        Banco b;
        b.memoria.EscribirInstruccion(Palabra(20, "MOVD", 4, 30, 0xE01E), 20);
        b.memoria.EscribirInstruccion(Palabra(40, "ACUM", 4, 30, 0xF01E), 40);
        b.memoria.EscribirInstruccion(Palabra(127, "MOVD", 4, 30, 0xE01E), 127);
        QVERIFY(!b.memoria.prHayBreakpoints());

        // Twice on the same row: the second press acts on the already selected cell too.
        b.Pulsa(10);
        QVERIFY(b.memoria.Haybreakpointbyindex(10));
        QVERIFY(b.memoria.prHayBreakpoints());
        b.Pulsa(10);
        QVERIFY(!b.memoria.Haybreakpointbyindex(10));
        QVERIFY(!b.memoria.prHayBreakpoints());

        // MOVD and ACUM carry their constant's row along, both ways.
        b.Pulsa(20);
        QVERIFY(b.memoria.Haybreakpointbyindex(20));
        QVERIFY(b.memoria.Haybreakpointbyindex(21));
        QCOMPARE(b.ventana->EstiloCelda(3, 21).fondo, VentanaMemoria::kRojo);
        b.Pulsa(40);
        QVERIFY(b.memoria.Haybreakpointbyindex(41));
        b.Pulsa(20);
        QVERIFY(!b.memoria.Haybreakpointbyindex(20));
        QVERIFY(!b.memoria.Haybreakpointbyindex(21));
        QVERIFY(b.memoria.prHayBreakpoints()); // row 40 keeps one

        // The last row has no companion; clearing it while another remains keeps the flag.
        b.Pulsa(127);
        QVERIFY(b.memoria.Haybreakpointbyindex(127));
        QVERIFY(!b.memoria.Haybreakpointbyindex(0));
        b.Pulsa(127);
        QVERIFY(!b.memoria.Haybreakpointbyindex(127));
        QVERIFY(b.memoria.prHayBreakpoints());
        b.Pulsa(40);
        QVERIFY(!b.memoria.prHayBreakpoints());

        // The last remaining breakpoint at 127.
        b.Pulsa(127);
        b.Pulsa(127);
        QVERIFY(!b.memoria.prHayBreakpoints());
        QVERIFY(!b.memoria.Haybreakpointbyindex(128));
        QVERIFY(!b.memoria.Haybreakpointbyindex(-1));
    }

    void lasFlechasMuevenYEspacioOIntroActuan() {
        Banco b;
        TablaMemoria& t = *b.ventana->Tabla();
        b.mdi.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.mdi));
        t.setFocus();
        t.setCurrentIndex(t.model()->index(5, 1));
        QTest::keyClick(&t, Qt::Key_Down);
        QTest::keyClick(&t, Qt::Key_Down);
        QCOMPARE(t.currentIndex().row(), 7);
        // The keyboard's row is framed across its cells, apart from the current instruction's yellow.
        QVERIFY(t.hasFocus());
        for (int c = 0; c < 5; ++c) {
            QVERIFY(b.ventana->EstiloCelda(c, 7).foco);
            QVERIFY(!b.ventana->EstiloCelda(c, 6).foco);
        }
        QVERIFY(!b.ventana->EstiloCelda(1, 0).foco); // the yellow row
        const QRect celda = t.visualRect(t.model()->index(7, 2));
        QCOMPARE(t.viewport()->grab().toImage().pixelColor(celda.left(), celda.top()), QColor(Qt::black));
        for (int f = 0; f < kPalabrasMemoria; ++f) {
            QVERIFY(!b.memoria.Haybreakpointbyindex(f));
        }
        QTest::keyClick(&t, Qt::Key_Space);
        QVERIFY(b.memoria.Haybreakpointbyindex(7));
        QTest::keyClick(&t, Qt::Key_Return);
        QVERIFY(!b.memoria.Haybreakpointbyindex(7));
        QTest::keyClick(&t, Qt::Key_Up);
        QTest::keyClick(&t, Qt::Key_Enter);
        QVERIFY(b.memoria.Haybreakpointbyindex(6));
        QVERIFY(!b.memoria.Haybreakpointbyindex(7));
    }

    void laFilaActualSeMantieneALaVista() {
        Banco b;
        TablaMemoria& t = *b.ventana->Tabla();
        const int visibles = t.FilasVisibles();
        QVERIFY(visibles > 5 && visibles < 40);
        QCOMPARE(b.ventana->PrimeraFilaVisible(), 0);

        // Below the visible rows: it becomes the last one shown.
        b.memoria.SetFilaActual(60);
        b.memoria.Repinta();
        QCOMPARE(b.ventana->PrimeraFilaVisible(), 60 - visibles + 1);
        const QRect ultima = t.visualRect(t.model()->index(60, 1));
        QVERIFY(t.viewport()->rect().contains(ultima));
        QVERIFY(!t.viewport()->rect().contains(t.visualRect(t.model()->index(61, 1))));

        // Inside the visible rows: nothing moves.
        b.memoria.SetFilaActual(58);
        b.memoria.Repinta();
        QCOMPARE(b.ventana->PrimeraFilaVisible(), 60 - visibles + 1);

        // Above them: it becomes the first one.
        b.memoria.SetFilaActual(10);
        b.memoria.Repinta();
        QCOMPARE(b.ventana->PrimeraFilaVisible(), 10);

        // A scroll by the user is taken into account for the next step.
        t.verticalScrollBar()->setValue(100);
        b.memoria.SetFilaActual(105);
        b.memoria.Repinta();
        QCOMPARE(b.ventana->PrimeraFilaVisible(), 100);
        QCOMPARE(b.memoria.GetDatos().PrimeraFilaVisible, 100);
    }
};

VELMO_QTEST_MAIN(PruebaVentanaMemoria)
#include "test_VentanaMemoria.moc"

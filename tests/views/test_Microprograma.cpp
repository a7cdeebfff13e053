// The microprogram editor with its .mpr files and bit dialogs, the ALU configuration, the microprogram
// view, and a version-3 program opened through the main window.

#include "AnfitrionGUI.h"
#include "AnfitrionSinVentanas.h"
#include "ConfiguraAlu.h"
#include "DiscoLleno.h"
#include "EntornoPruebas.h"
#include "FicheroMicroprograma.h"
#include "FormMicroprogramable.h"
#include "FormPonerBits.h"
#include "FrameUC.h"
#include "Framemicroprograma.h"
#include "ProgramaPrueba.h"
#include "SimulacionVelmo.h"
#include "VentanaPrincipal.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace velmo;

namespace {

/// Sixteen microinstructions that differ from each other and from a new editor's in every field.
Microprograma MicroprogramaVariado() {
    Microprograma p{};
    for (int i = 0; i < kMicroinstrucciones; ++i) {
        const auto v = [i](int m, int d = 1) { return static_cast<std::uint16_t>((i / d) % m); };
        p[static_cast<std::size_t>(i)] = {v(4),    v(4, 4), v(2),
                                          v(2, 2), v(2, 4), v(2, 8),
                                          v(2, 3), v(2, 5), static_cast<std::uint16_t>(15 - i),
                                          v(8),    v(2, 7)};
    }
    return p;
}

/// A .mpr image: the header's Test word, then the records given (11 words each, little-endian).
QByteArray ImagenMpr(std::uint16_t magia, const std::vector<TMicroInstProgramable>& registros,
                     int bytesExtra = 0) {
    QByteArray b(22, '\0');
    b[18] = static_cast<char>(magia & 0xFF);
    b[19] = static_cast<char>(magia >> 8);
    for (const auto& m : registros) {
        for (std::uint16_t w :
             {m.MX10, m.ALU10, m.LorWmem, m.pPc, m.pIr, m.pA, m.pB, m.pFz, m.Salto, m.Test, m.pAux}) {
            b.append(static_cast<char>(w & 0xFF));
            b.append(static_cast<char>(w >> 8));
        }
    }
    b.append(QByteArray(bytesExtra, '\x01'));
    return b;
}

QString Escribe(const QTemporaryDir& dir, const QString& nombre, const QByteArray& datos) {
    const QString ruta = dir.filePath(nombre);
    QFile f(ruta);
    f.open(QIODevice::WriteOnly);
    f.write(datos);
    return ruta;
}

QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void PulsaCelda(QTableWidget& tabla, int fila, int columna) {
    const QRect celda = tabla.visualRect(tabla.model()->index(fila, columna));
    QTest::mouseClick(tabla.viewport(), Qt::LeftButton, {}, celda.center());
}

struct Editor {
    pruebas::GuionModal guion;
    TConfiguraAlu alu;
    TForm_Microprogramable f{alu};
    QTemporaryDir dir;
    QString rutaGuardar;
    std::vector<QString> propuestasGuardar;

    Editor() {
        Modal().guardaFichero = [this](QWidget*, const QString&, const QString&, const QString&,
                                       const QString& actual, QString*) {
            propuestasGuardar.push_back(actual);
            return rutaGuardar;
        };
    }
};

} // namespace

class PruebaMicroprograma : public QObject {
    Q_OBJECT
private slots:
    // ---------------------------------------------------------------- editor and .mpr files

    void editor_empiezaConElMicroprogramaInicial() {
        Editor e;
        QCOMPARE(e.f.windowTitle(), QStringLiteral("Microprograma - [SinNombre]"));
        QVERIFY(!e.f.modified);
        // Row 4 of a new editor: MX10 1, ALU10 1, pIR 1, Salto 1, Test 1.
        const QStringList fila = {"4", "01", "01", "0", "0", "1", "0", "0", "0", "0001", "001", "0"};
        for (int c = 0; c < TForm_Microprogramable::kColumnas; ++c) {
            QCOMPARE(e.f.TablaMicroINstrucciones->item(4, c)->text(), fila[c]);
        }
        QVERIFY(e.f.TablaMicroINstrucciones->item(4, 0)->font().bold());
        // velmo-sim without --microprograma runs what a new editor holds.
        QVERIFY(AnfitrionSinVentanas().microprograma == e.f.VectorMicroInst);
    }

    void editor_guardarYAbrirRestauraLas16YLimpiaModified() {
        Editor e;
        const Microprograma p = MicroprogramaVariado();
        e.f.VectorMicroInst = p;
        e.f.modified = true;
        e.rutaGuardar = e.dir.filePath(QStringLiteral("variado.mpr"));
        e.f.BotonGuardarComo->click();
        QVERIFY(e.guion.mensajes.empty());
        QVERIFY(!e.f.modified);
        QCOMPARE(e.f.windowTitle(), QStringLiteral("Microprograma - [variado.mpr]"));
        QCOMPARE(Lee(e.rutaGuardar).size(), 374);

        Editor otro;
        otro.f.modified = true;
        otro.guion.ficheros.push_back(e.rutaGuardar);
        otro.f.BotonAbrir->click();
        QVERIFY(otro.guion.mensajes.empty());
        QVERIFY(otro.f.VectorMicroInst == p); // the last microinstruction included
        QVERIFY(!otro.f.modified);
        QCOMPARE(otro.f.windowTitle(), QStringLiteral("Microprograma - [variado.mpr]"));
        // The file dialogs start at the microprogram held: none at first, then the one opened.
        otro.f.BotonAbrir->click();
        otro.f.BotonGuardarComo->click();
        QCOMPARE(otro.guion.propuestas, (std::vector<QString>{QString(), e.rutaGuardar}));
        QCOMPARE(otro.propuestasGuardar, std::vector<QString>{e.rutaGuardar});
        // The grid shows what was read: row 15 has Salto 0 and Test 7.
        QCOMPARE(otro.f.TablaMicroINstrucciones->item(15, 9)->text(), QStringLiteral("0000"));
        QCOMPARE(otro.f.TablaMicroINstrucciones->item(15, 10)->text(), QStringLiteral("111"));
    }

    void editor_soloCargaConLaMagia166EnLaCabecera() {
        Editor e;
        e.f.show();
        TMicroInstProgramable ultima;
        ultima.Salto = 5;
        std::vector<TMicroInstProgramable> registros(kMicroinstrucciones);
        registros.back() = ultima;

        const Microprograma antes = e.f.VectorMicroInst;
        for (std::uint16_t mala : {std::uint16_t(0), std::uint16_t(165), std::uint16_t(166 + 256)}) {
            e.guion.ficheros.push_back(
                Escribe(e.dir, QStringLiteral("malo.mpr"), ImagenMpr(mala, registros)));
            e.f.BotonAbrir->click();
            QVERIFY(e.f.VectorMicroInst == antes);
            QVERIFY(e.f.isVisible());
        }
        QCOMPARE(e.guion.mensajes.size(), std::size_t(3));
        QCOMPARE(e.guion.mensajes.back().texto, QStringLiteral("Fichero no válido (no se ha cargado)"));
        QCOMPARE(e.guion.mensajes.back().titulo, QStringLiteral("Velmo"));
        QVERIFY(e.guion.mensajes.back().icono == IconoMensaje::Aviso);
        QCOMPARE(e.f.windowTitle(), QStringLiteral("Microprograma - [SinNombre]"));

        e.guion.ficheros.push_back(Escribe(e.dir, QStringLiteral("bueno.mpr"), ImagenMpr(166, registros)));
        e.f.BotonAbrir->click();
        QCOMPARE(e.guion.mensajes.size(), std::size_t(3));
        QCOMPARE(e.f.VectorMicroInst[15].Salto, std::uint16_t(5));
        QCOMPARE(e.f.VectorMicroInst[0].pIr, std::uint16_t(0));
    }

    void editor_rechazaCamposFueraDeRangoSinTocarNada() {
        // A Salto of 16 would send the control unit off its 16 microinstructions.
        Editor e;
        e.f.show();
        std::vector<TMicroInstProgramable> registros(kMicroinstrucciones);
        registros[7].Salto = 16;
        e.guion.ficheros.push_back(Escribe(e.dir, QStringLiteral("rango.mpr"), ImagenMpr(166, registros)));
        e.f.BotonAbrir->click();
        QVERIFY(e.f.VectorMicroInst == MicroprogramaInicial());
        QCOMPARE(e.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(e.guion.mensajes[0].texto, QStringLiteral("Fichero no válido (no se ha cargado)"));
        QVERIFY(e.f.isVisible());
    }

    void editor_ficheroCortoConservaLasFilasLeidasYCierraConOK() {
        Editor e;
        e.f.show();
        const Microprograma p = MicroprogramaVariado();
        // Three whole records and part of a fourth.
        const QString corto =
            Escribe(e.dir, QStringLiteral("corto.mpr"), ImagenMpr(166, {p[0], p[1], p[2]}, 10));
        e.guion.ficheros.push_back(corto);
        e.f.BotonAbrir->click();
        QCOMPARE(e.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(e.guion.mensajes[0].texto, QStringLiteral("Fichero no válido (no se ha cargado)"));
        for (std::size_t i = 0; i < 3; ++i) {
            QVERIFY(e.f.VectorMicroInst[i] == p[i]);
        }
        for (std::size_t i = 3; i < kMicroinstrucciones; ++i) {
            QVERIFY(e.f.VectorMicroInst[i] == MicroprogramaInicial()[i]);
        }
        QCOMPARE(e.f.TablaMicroINstrucciones->item(2, 9)->text(), QStringLiteral("1101"));
        QVERIFY(!e.f.isVisible());
        QCOMPARE(e.f.result(), int(QDialog::Accepted));
    }

    void editor_ficheroIlegibleDaUnErrorYNoCambiaNada() {
        Editor e;
        e.f.show();
        e.guion.ficheros.push_back(e.dir.filePath(QStringLiteral("no_existe.mpr")));
        e.f.BotonAbrir->click();
        e.guion.ficheros.push_back(Escribe(e.dir, QStringLiteral("diminuto.mpr"), QByteArray(5, '\0')));
        e.f.BotonAbrir->click();
        // A pipe is refused before it is opened (opening it would wait for a writer for ever).
        const QString tuberia = e.dir.filePath(QStringLiteral("tuberia.mpr"));
        QCOMPARE(mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
        e.guion.ficheros.push_back(tuberia);
        e.f.BotonAbrir->click();
        QCOMPARE(e.guion.mensajes.size(), std::size_t(3));
        for (const auto& m : e.guion.mensajes) {
            QVERIFY(m.texto.startsWith(QStringLiteral("No se puede leer ")));
            QVERIFY(m.icono == IconoMensaje::Error);
        }
        QCOMPARE(e.guion.mensajes[2].texto, "No se puede leer " + tuberia + ": no es un fichero normal");
        QVERIFY(e.f.VectorMicroInst == MicroprogramaInicial());
        QVERIFY(e.f.isVisible());
    }

    void editor_guardadoFallidoNoDestruyeElFicheroAnteriorYCierraConOK() {
        Editor e;
        e.f.show();
        e.rutaGuardar = e.dir.filePath(QStringLiteral("previo.mpr"));
        e.f.BotonGuardarComo->click();
        const QByteArray previo = Lee(e.rutaGuardar);
        QCOMPARE(previo.size(), 374);

        // The disk is full: the new file never takes the old one's place.
        e.f.VectorMicroInst = MicroprogramaVariado();
        {
            pruebas::DiscoLleno lleno(100);
            QVERIFY(lleno.Activo());
            e.f.BotonGuardarComo->click();
        }
        QCOMPARE(e.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(e.guion.mensajes[0].texto, QStringLiteral("Error de fichero"));
        QVERIFY(e.guion.mensajes[0].icono == IconoMensaje::Error);
        QCOMPARE(Lee(e.rutaGuardar), previo);
        QVERIFY(!e.f.isVisible());
        QCOMPARE(e.f.result(), int(QDialog::Accepted));
    }

    void editor_elDialogoMuestraLaUltimaEleccionNoElValorDeLaCelda() {
        Editor e;
        e.f.show();
        std::vector<int> vistos;
        std::vector<QDialog*> abiertos;
        int eleccion = 0;
        int resultado = QDialog::Accepted;
        e.guion.alDialogo = [&](QDialog& d) {
            auto& bits = dynamic_cast<TFormPonerBits&>(d);
            abiertos.push_back(&d);
            vistos.push_back(bits.Valor());
            bits.SetValor(eleccion);
            return resultado;
        };
        auto& tabla = *e.f.TablaMicroINstrucciones;

        eleccion = 1; // pPc of row 3 (0) becomes 1
        PulsaCelda(tabla, 3, 4);
        QCOMPARE(e.f.VectorMicroInst[3].pPc, std::uint16_t(1));
        QVERIFY(e.f.modified);
        QCOMPARE(tabla.item(3, 4)->text(), QStringLiteral("1"));

        eleccion = 0; // pA of row 6 is 0, yet the dialog offers the 1 chosen last
        PulsaCelda(tabla, 6, 6);
        eleccion = 1; // and pIr of row 6 is 1, yet it offers the 0 chosen last
        PulsaCelda(tabla, 6, 5);
        QCOMPARE(vistos, (std::vector<int>{0, 1, 0}));
        QCOMPARE(e.f.VectorMicroInst[6].pA, std::uint16_t(0));
        QCOMPARE(e.f.VectorMicroInst[6].pIr, std::uint16_t(1));
        // A press on the cell already selected edits it again.
        PulsaCelda(tabla, 6, 5);
        QCOMPARE(abiertos.size(), std::size_t(4));
        QVERIFY(abiertos[0] == e.f.FormPonerBit && abiertos[3] == e.f.FormPonerBit);

        // Each column's dialog and field.
        eleccion = 2;
        PulsaCelda(tabla, 0, 1);
        QVERIFY(abiertos.back() == e.f.FormPoner2bits);
        eleccion = 3;
        PulsaCelda(tabla, 0, 2);
        eleccion = 13;
        PulsaCelda(tabla, 0, 9);
        QVERIFY(abiertos.back() == e.f.FormPoner4bits);
        eleccion = 6;
        PulsaCelda(tabla, 0, 10);
        QVERIFY(abiertos.back() == e.f.FormPoner3bits);
        eleccion = 1;
        PulsaCelda(tabla, 0, 11);
        const TMicroInstProgramable& m = e.f.VectorMicroInst[0];
        QCOMPARE(m.MX10, std::uint16_t(2));
        QCOMPARE(m.ALU10, std::uint16_t(3));
        QCOMPARE(m.Salto, std::uint16_t(13));
        QCOMPARE(m.Test, std::uint16_t(6));
        QCOMPARE(m.pAux, std::uint16_t(1));
        QCOMPARE(tabla.item(0, 9)->text(), QStringLiteral("1101"));

        // Column 0 has no dialog; Space edits the current cell, arrows only move.
        const std::size_t antes = abiertos.size();
        PulsaCelda(tabla, 5, 0);
        QCOMPARE(abiertos.size(), antes);
        tabla.setCurrentCell(5, 7);
        QTest::keyClick(&tabla, Qt::Key_Right);
        QCOMPARE(abiertos.size(), antes);
        eleccion = 1;
        QTest::keyClick(&tabla, Qt::Key_Space);
        QCOMPARE(abiertos.size(), antes + 1);
        QCOMPARE(e.f.VectorMicroInst[5].pFz, std::uint16_t(1));
    }

    void editor_cancelarNoTocaLaFilaNiModified() {
        Editor e;
        e.f.show();
        e.guion.alDialogo = [](QDialog& d) {
            dynamic_cast<TFormPonerBits&>(d).SetValor(1);
            return int(QDialog::Rejected);
        };
        PulsaCelda(*e.f.TablaMicroINstrucciones, 2, 3);
        QCOMPARE(e.guion.dialogos.size(), std::size_t(1));
        QCOMPARE(e.f.VectorMicroInst[2].LorWmem, std::uint16_t(0));
        QVERIFY(!e.f.modified);
    }

    void editor_cerrarConCambiosPreguntaYCancelarLoDejaAbierto() {
        Editor e;
        e.f.show();
        e.f.modified = true;
        e.guion.respuestas = {Respuesta::Cancelar};
        e.f.BotonSimular->click();
        QCOMPARE(e.guion.preguntas.size(), std::size_t(1));
        QCOMPARE(e.guion.preguntas[0],
                 QStringLiteral("Velmo: El microprograma ha cambiado. ¿Desea guardarlo?"));
        QVERIFY(e.f.isVisible());
        // The window's own close box asks the same.
        e.guion.respuestas = {Respuesta::Cancelar};
        QVERIFY(!e.f.close());
        QVERIFY(e.f.isVisible());
        QCOMPARE(e.guion.preguntas.size(), std::size_t(2));

        // Yes saves, then closes.
        e.rutaGuardar = e.dir.filePath(QStringLiteral("al_cerrar.mpr"));
        e.guion.respuestas = {Respuesta::Si};
        e.f.BotonSimular->click();
        QVERIFY(!e.f.isVisible());
        QCOMPARE(e.f.result(), int(QDialog::Accepted));
        QCOMPARE(Lee(e.rutaGuardar).size(), 374);
        QVERIFY(!e.f.modified);

        // No closes without saving; nothing asked once saved.
        e.f.show();
        e.f.BotonSimular->click();
        QCOMPARE(e.guion.preguntas.size(), std::size_t(3));
        QVERIFY(!e.f.isVisible());
        e.f.show();
        e.f.modified = true;
        e.guion.respuestas = {Respuesta::No};
        e.f.BotonSimular->click();
        QVERIFY(!e.f.isVisible());
        QVERIFY(e.f.modified);
    }

    void editor_siConGuardadoFallidoCierraSinVolverAPreguntar() {
        Editor e;
        e.f.show();
        e.f.modified = true;
        e.rutaGuardar = e.dir.filePath(QStringLiteral("no_hay/carpeta.mpr"));
        e.guion.respuestas = {Respuesta::Si};
        e.f.BotonSimular->click();
        QCOMPARE(e.guion.preguntas.size(), std::size_t(1));
        QCOMPARE(e.guion.mensajes.size(), std::size_t(1));
        QCOMPARE(e.guion.mensajes[0].texto, QStringLiteral("Error de fichero"));
        QVERIFY(!e.f.isVisible());
    }

    // ---------------------------------------------------------------- ALU configuration

    void configuraAlu_gruposYCancelarOculto() {
        pruebas::GuionModal guion;
        TConfiguraAlu alu;
        QCOMPARE(alu.windowTitle(), QStringLiteral("Configuración de la ALU"));
        QVERIFY(alu.BotonCancelar->isHidden());
        QCOMPARE(alu.RadioGroup2->title(), QStringLiteral(" Código de operación '10' "));
        for (int cop = 0; cop < 4; ++cop) {
            QCOMPARE(alu.OpcionAlu(cop), 0);
        }
        // A click takes effect at once; there is nothing to cancel.
        QRadioButton* div = alu.RadioGroup1->findChildren<QRadioButton*>().at(1);
        QCOMPARE(div->text(), QStringLiteral("DIV"));
        div->click();
        QCOMPARE(alu.OpcionAlu(1), 1);
        QCOMPARE(alu.OpcionAlu(4), -1);

        TForm_Microprogramable f(alu);
        f.BotonConfigurarAlu->click();
        QCOMPARE(guion.dialogos.size(), std::size_t(1));
        QVERIFY(guion.dialogos[0] == &alu);
        QCOMPARE(alu.OpcionAlu(1), 1);
    }

    // ---------------------------------------------------------------- microprogram view

    void vista_textosDelMicroprogramaFijo() {
        const Microprograma nada{};
        const auto t = [&](int f, int c) { return TextoCeldaMicroprograma(false, nada, f, c); };
        QCOMPARE(t(0, 0), QStringLiteral("  0"));
        QCOMPARE(t(1, 11), QStringLiteral(" 1001"));
        QCOMPARE(t(1, 12), QStringLiteral("  100"));
        QCOMPARE(t(12, 12), QStringLiteral("  010"));
        QCOMPARE(t(13, 11), QStringLiteral(" 0001"));
        QCOMPARE(t(13, 12), QStringLiteral("  011"));
        // MOV writes B: ALU code 2; CMP compares: code 1.
        QCOMPARE(t(7, 3), QStringLiteral("  1 "));
        QCOMPARE(t(7, 4), QStringLiteral("  0 "));
        QCOMPARE(t(11, 3), QStringLiteral("  0 "));
        QCOMPARE(t(11, 4), QStringLiteral("  1 "));
        QCOMPARE(t(14, 0), QString());
        QCOMPARE(t(0, 13), QString());
    }

    void vista_textosConfigurables() {
        Microprograma p{};
        p[9] = {1, 3, 1, 0, 0, 0, 1, 0, 5, 6, 1};
        const auto t = [&](int c) { return TextoCeldaMicroprograma(true, p, 9, c); };
        QCOMPARE(t(0), QStringLiteral("  9"));
        QCOMPARE(t(1), QStringLiteral("  0"));
        QCOMPARE(t(2), QStringLiteral("  1"));
        QCOMPARE(t(3), QStringLiteral("  1 ")); // ALU10 3: both ALU columns 1
        QCOMPARE(t(4), QStringLiteral("  1 "));
        QCOMPARE(t(11), QStringLiteral("  0101"));
        QCOMPARE(t(12), QStringLiteral("  110"));
        QCOMPARE(t(13), QStringLiteral("  1"));
        p[9].ALU10 = 2;
        QCOMPARE(t(3), QStringLiteral("  1 "));
        QCOMPARE(t(4), QStringLiteral("  0 "));
        QCOMPARE(TextoCeldaMicroprograma(true, p, 15, 0), QStringLiteral("  15"));
    }

    void vista_disposicionYFilaActualEnAmarillo() {
        TFrame_Microprograma v;
        QCOMPARE(v.TablaMicroprograma->columnCount(), 13);
        QCOMPARE(v.TablaMicroprograma->rowCount(), 14);
        QCOMPARE(v.HeaderControl1->sectionSize(13), 0);
        QCOMPARE(v.TablaMicroprograma->item(1, 11)->text(), QStringLiteral(" 1001"));

        v.VectorMicroInst[15].Salto = 9;
        v.SetConfigurable(true);
        QCOMPARE(v.TablaMicroprograma->columnCount(), 14);
        QCOMPARE(v.TablaMicroprograma->rowCount(), 16);
        QCOMPARE(v.HeaderControl1->sectionSize(13), 36);
        QCOMPARE(v.TablaMicroprograma->item(15, 11)->text(), QStringLiteral("  1001"));

        v.SetFilaActual(15);
        const QColor amarillo(255, 255, 0);
        for (int c = 0; c < 14; ++c) {
            QCOMPARE(v.TablaMicroprograma->item(15, c)->background().color(), amarillo);
            QVERIFY(v.TablaMicroprograma->item(14, c)->background().color() != amarillo);
        }
        v.SetFilaActual(3);
        QVERIFY(v.TablaMicroprograma->item(15, 0)->background().color() != amarillo);
        QCOMPARE(v.TablaMicroprograma->item(3, 0)->background().color(), amarillo);
    }

    void vista_seAbreUnaVezSeRestauraYSeVaConLaUnidadDeControl() {
        QMdiArea mdi;
        mdi.resize(900, 700);
        mdi.show();
        auto uc = std::make_unique<TFrameControl>();
        uc->Settipocontrol(TMicroprogramable);
        Microprograma p{};
        p[2].ALU10 = 3;
        uc->SetVectorMicroInst(p);
        uc->SetFilaActual(2);

        TFrame_Microprograma& v = AbreVistaMicroprograma(mdi, *uc);
        QCOMPARE(mdi.subWindowList().size(), 1);
        QVERIFY(v.prconfigurable());
        QVERIFY(v.VectorMicroInst == p);
        QCOMPARE(v.prFilaActual(), std::uint16_t(2));
        QCOMPARE(v.TablaMicroprograma->item(2, 4)->text(), QStringLiteral("  1 "));

        QVERIFY(&AbreVistaMicroprograma(mdi, *uc) == &v);
        QCOMPARE(mdi.subWindowList().size(), 1);
        QMdiSubWindow* sub = mdi.subWindowList().front();
        sub->showMinimized();
        QVERIFY(sub->isMinimized());
        AbreVistaMicroprograma(mdi, *uc);
        QVERIFY(!sub->isMinimized());
        // Its close box only minimises it.
        sub->close();
        QCOMPARE(mdi.subWindowList().size(), 1);
        QVERIFY(sub->isMinimized());

        // It follows the control unit's current row.
        uc->SetFilaActual(7);
        QCOMPARE(v.prFilaActual(), std::uint16_t(7));

        // Another simulation's fixed control unit has a view of its own.
        TFrameControl fija;
        fija.Settipocontrol(tMicroprogramado);
        TFrame_Microprograma& vf = AbreVistaMicroprograma(mdi, fija);
        QVERIFY(!vf.prconfigurable());
        QCOMPARE(mdi.subWindowList().size(), 2);

        uc.reset();
        QCOMPARE(mdi.subWindowList().size(), 1);
        QVERIFY(qobject_cast<TFrame_Microprograma*>(mdi.subWindowList().front()->widget()) == &vf);
    }

    // ---------------------------------------------------------------- the whole road

    void ventana_programaV3AbreElEditorYSimulaConSuMicroprogramaYSuAlu() {
        pruebas::GuionModal guion;
        TVentanaPrincipal ventana;
        ventana.Anfitrion().SetPausaReloj(false);
        int editores = 0;
        guion.alDialogo = [&](QDialog& d) {
            auto* editor = qobject_cast<TForm_Microprogramable*>(&d);
            if (editor == nullptr) {
                return int(QDialog::Rejected);
            }
            ++editores;
            guion.ficheros.push_back(QStringLiteral(VELMO_EJEMPLOS "/multiplicacion_v3.mpr"));
            editor->BotonAbrir->click();
            editor->BotonSimular->click();
            return editor->result();
        };
        // inst0 10, 11 (M[11] := M[11] op M[10]) with the ALU's '00' set to MUL.
        pruebas::ProgramaPrueba programa(kNombreVLMConfigurable);
        programa.Inst(0, "0", 10, 11).Dato(10, 6).Dato(11, 7);
        ventana.ConfiguraAlu->SetOpcionAlu(0, 1);
        guion.ficheros.push_back(QString::fromStdString(programa.Guarda()));
        ventana.CargarEjecutableVelmo1->trigger();
        QCOMPARE(editores, 1);
        QVERIFY(guion.mensajes.empty());

        auto* sim = dynamic_cast<SimulacionVelmo*>(ventana.SimuladorVelmo.get());
        QVERIFY(sim != nullptr);
        TSimuladorVelmo& motor = sim->Motor();
        QCOMPARE(motor.TipoControl(), TMicroprogramable);
        const auto fichero = LeeFicheroMicroprograma(VELMO_EJEMPLOS "/multiplicacion_v3.mpr");
        QVERIFY(motor.FrameUnidadDeControl().VectorMicroInst() == fichero.microprograma);

        ventana.Instruccion->trigger();
        QCOMPARE(motor.Memoria().VectorReginst[11].Valor, std::uint16_t(42));

        // "Detalles del Microprograma..." opens one view in the frame, and it goes with the simulation.
        const auto vistas = [&ventana] {
            int n = 0;
            for (QMdiSubWindow* s : ventana.Mdi->subWindowList()) {
                n += qobject_cast<TFrame_Microprograma*>(s->widget()) != nullptr ? 1 : 0;
            }
            return n;
        };
        ventana.DetallesMicroprograma->trigger();
        ventana.BotonMicroprograma->trigger();
        QCOMPARE(vistas(), 1);
        ventana.Cerrar->trigger();
        QCOMPARE(vistas(), 0);
    }
};

VELMO_QTEST_MAIN(PruebaMicroprograma)
#include "test_Microprograma.moc"

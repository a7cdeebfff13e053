// The datapath and control-unit windows drawn offscreen: which wires come out red after real cycles of
// the engine, probe labels, the monitor dialog, the click regions, the clock flash and the state maps.

#include "AnfitrionMaquinaGrabador.h"
#include "EntornoPruebas.h"
#include "FormMonitoriza.h"
#include "FormSecuenciador.h"
#include "MapasUC.h"
#include "ProgramaPrueba.h"
#include "TipsForm.h"
#include "VentanaControl.h"
#include "VentanaOrganizacion.h"
#include "objSimuladorVelmo.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace velmo;

namespace {

const QColor kRojo(255, 51, 0);
const QColor kAmarillo(255, 255, 0);

QColor Pixel(QWidget& ventana, int x, int y) {
    return ventana.grab().toImage().pixelColor(x, y);
}

/// A plain-machine program: ADD 10, 11 at 0; its opening fetch has run when the engine is built.
std::unique_ptr<TSimuladorVelmo> Motor(pruebas::AnfitrionMaquinaGrabador& anfitrion, TTipoControl control,
                                       const std::string& version = kNombreVLM1) {
    anfitrion.control = control;
    pruebas::ProgramaPrueba p(version);
    p.Inst(0, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
    return std::make_unique<TSimuladorVelmo>(anfitrion, p.Guarda());
}

void Clic(QWidget& ventana, int x, int y) {
    QTest::mouseClick(&ventana, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

} // namespace

class PruebaDiagramas : public QObject {
    Q_OBJECT
private slots:
    void fetchYDecodificacionDeLaUnidadNormal() {
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        auto motor = Motor(anfitrion, tnormal);
        TVentanaOrganizacion up(motor->FrameUP());

        // After the fetch: PC to the multiplexer, the incrementer back to PC, the memory to the IR...
        QCOMPARE(Pixel(up, 108, 150), kRojo);  // wPcMux
        QCOMPARE(Pixel(up, 200, 99), kRojo);   // wSumPc
        QCOMPARE(Pixel(up, 300, 381), kRojo);  // wMemOutIr
        QCOMPARE(Pixel(up, 100, 446), kRojo);  // wPIr
        QVERIFY(Pixel(up, 100, 421) != kRojo); // wIrCO is idle
        QVERIFY(Pixel(up, 432, 400) != kRojo); // wMoutB is idle

        // Decode: only the opcode goes to the control unit.
        motor->EjecutaCiclo();
        QCOMPARE(Pixel(up, 100, 421), kRojo);
        for (const QPoint p : {QPoint(108, 150), QPoint(200, 99), QPoint(300, 381), QPoint(100, 446),
                               QPoint(150, 305), QPoint(350, 229)}) {
            QVERIFY2(Pixel(up, p.x(), p.y()) != kRojo,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
    }

    void cajasDeLasSondasEnLasTresBases() {
        // 16 bits: a box 104 wide with 16 digits; "0x" and four digits; the unsigned decimal value.
        const CajaProbe bin = CalculaProbe(Tbin, {235, 576}, 16, -2);
        QCOMPARE(bin.caja, QRect(235, 576, 104, 15));
        QCOMPARE(bin.texto, QStringLiteral("1111111111111110"));
        QCOMPARE(bin.posTexto, QPoint(239, 577));
        const CajaProbe hex = CalculaProbe(THex, {235, 576}, 16, 0x00AB);
        QCOMPARE(hex.caja, QRect(240, 576, 45, 15));
        QCOMPARE(hex.texto, QStringLiteral("0x00AB"));
        QCOMPARE(hex.posTexto, QPoint(242, 577));
        const CajaProbe ent = CalculaProbe(Tint, {235, 576}, 16, -1);
        QCOMPARE(ent.caja, QRect(240, 576, 44, 15));
        QCOMPARE(ent.texto, QStringLiteral("65535"));
        QCOMPARE(ent.posTexto, QPoint(243, 577));

        // 7 bits keep their leading zeros in binary; hex has at least one digit; 1 bit.
        QCOMPARE(CalculaProbe(Tbin, {0, 0}, 7, 5).texto, QStringLiteral("0000101"));
        QCOMPARE(CalculaProbe(Tbin, {0, 0}, 7, 5).caja.width(), 50);
        QCOMPARE(CalculaProbe(THex, {0, 0}, 7, 0x7F).texto, QStringLiteral("0x7F"));
        QCOMPARE(CalculaProbe(THex, {0, 0}, 7, 0x7F).caja, QRect(5, 0, 31, 15));
        QCOMPARE(CalculaProbe(THex, {0, 0}, 7, 4).texto, QStringLiteral("0x4"));
        QCOMPARE(CalculaProbe(Tbin, {0, 0}, 1, 1).texto, QStringLiteral("1"));
        QCOMPARE(CalculaProbe(Tint, {0, 0}, 1, 1).caja, QRect(5, 0, 14, 15));
    }

    void sondaPintadaEncimaDelCable() {
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        auto motor = Motor(anfitrion, tnormal);
        TVentanaOrganizacion up(motor->FrameUP());
        // Placed at 630 x 585, the window still shows the whole 610-high picture with the box at its foot.
        QCOMPARE(motor->FrameUP().Ventana().colocacion.Height, 585);
        QVERIFY(up.height() >= TVentanaOrganizacion::kAlto);
        TRegCable& salidaAlu = up.ListaCablesVl0[21];
        salidaAlu.ProbeActivado = true;
        salidaAlu.Formato = Tbin;
        up.FormPaint();
        // Box from (235,576), 104 x 15: black outline, pale yellow inside; the lead from (245,583).
        QCOMPARE(Pixel(up, 235, 580), QColor(Qt::black));
        QCOMPARE(Pixel(up, 338, 580), QColor(Qt::black));
        QCOMPARE(Pixel(up, 339, 580) == QColor(Qt::black), false);
        QCOMPARE(Pixel(up, 236, 589), QColor(255, 255, 225));
        QCOMPARE(Pixel(up, 350, 583), QColor(Qt::black));
    }

    void monitorizarConservaLaBaseDeUnaFilaDesmarcada() {
        pruebas::GuionModal guion;
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        auto motor = Motor(anfitrion, tnormal);
        TVentanaOrganizacion up(motor->FrameUP());

        guion.alDialogo = [](QDialog& d) {
            auto& m = dynamic_cast<TFormMonitoriza&>(d);
            m.CheckbuttonMemOut->setChecked(true);
            m.SeleccionaBase(2, THex);
            return int(QDialog::Accepted);
        };
        up.Monitorizar1Click();
        QVERIFY(up.ListaCablesVl0[7].ProbeActivado);
        QCOMPARE(up.ListaCablesVl0[7].Formato, THex);

        guion.alDialogo = [](QDialog& d) {
            auto& m = dynamic_cast<TFormMonitoriza&>(d);
            m.CheckbuttonMemOut->setChecked(false);
            m.SeleccionaBase(2, Tint);
            return int(QDialog::Accepted);
        };
        up.Monitorizar1Click();
        QVERIFY(!up.ListaCablesVl0[7].ProbeActivado);
        QCOMPARE(up.ListaCablesVl0[7].Formato, THex);

        // Shown again: unticked, still in hex; ticked, it shows in hex.
        bool marcada = true;
        TFormato base = Tbin;
        guion.alDialogo = [&](QDialog& d) {
            auto& m = dynamic_cast<TFormMonitoriza&>(d);
            marcada = m.CheckbuttonMemOut->isChecked();
            base = m.Base(2);
            m.CheckbuttonMemOut->setChecked(true);
            m.CheckButtonPCin->setChecked(true);
            return int(QDialog::Accepted);
        };
        up.Monitorizar1Click();
        QVERIFY(!marcada);
        QCOMPARE(base, THex);
        QCOMPARE(up.ListaCablesVl0[7].Formato, THex);
        QVERIFY(up.ListaCablesVl0[1].ProbeActivado);
        QCOMPARE(up.ListaCablesVl0[1].Formato, Tbin);

        // "Cancelar" changes nothing.
        guion.alDialogo = [](QDialog& d) {
            auto& m = dynamic_cast<TFormMonitoriza&>(d);
            m.CheckButtonPCin->setChecked(false);
            m.CheckBoxAluOut->setChecked(true);
            return int(QDialog::Rejected);
        };
        up.Monitorizar1Click();
        QVERIFY(up.ListaCablesVl0[1].ProbeActivado);
        QVERIFY(!up.ListaCablesVl0[21].ProbeActivado);
        QCOMPARE(guion.dialogos.size(), std::size_t(4));
    }

    void sondaDelRegistroAuxiliarSoloEnLaMaquinaConfigurable() {
        pruebas::GuionModal guion;
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        bool filaVisible = true;
        int alto = 0;
        guion.alDialogo = [&](QDialog& d) {
            auto& m = dynamic_cast<TFormMonitoriza&>(d);
            filaVisible = !m.CheckBoxRegAux->isHidden();
            alto = m.height();
            m.CheckBoxRegAux->setChecked(true);
            m.SeleccionaBase(TFormMonitoriza::kFilaRegAux, Tbin);
            return int(QDialog::Accepted);
        };
        {
            auto motor = Motor(anfitrion, tnormal);
            TVentanaOrganizacion up(motor->FrameUP());
            up.Monitorizar1Click();
            QVERIFY(!filaVisible);
            QCOMPARE(alto, 306);
            QVERIFY(!up.SondaRegAux.ProbeActivado);
        }
        auto motor = Motor(anfitrion, tnormal, kNombreVLMConfigurable);
        TVentanaOrganizacion up(motor->FrameUP());
        QCOMPARE(Pixel(up, 24, 205) == QColor(Qt::black), false);
        up.Monitorizar1Click();
        QVERIFY(filaVisible);
        QCOMPARE(alto, 350);
        QVERIFY(up.SondaRegAux.ProbeActivado);
        // A 7-bit box from (14,196), 50 x 15, over the free corner above the register; its lead from the
        // register's top.
        QCOMPARE(Pixel(up, 14, 200), QColor(Qt::black));
        QCOMPARE(Pixel(up, 63, 200), QColor(Qt::black));
        QCOMPARE(Pixel(up, 15, 209), QColor(255, 255, 225));
        QCOMPARE(Pixel(up, 24, 225), QColor(Qt::black));
    }

    void regionesDeClicDeLaUnidadDeProceso() {
        using M = MapaOrganizacion;
        using V = std::vector<M>;
        for (TTipoControl t : {tMicroprogramado, tnormal, toptimizado, TVL1Modif, TMicroprogramable}) {
            QCOMPARE(RegionesClic(300, 530, t), V{M::Alu});
            QCOMPARE(RegionesClic(560, 288, t), V{M::Memoria});  // both edges included
            QCOMPARE(RegionesClic(454, 100, t), V{});            // left edge excluded
            QCOMPARE(RegionesClic(128, 48, t), V{M::Registro});  // PC
            QCOMPARE(RegionesClic(150, 400, t), V{M::Registro}); // IR
            QCOMPARE(RegionesClic(208, 541, t), V{M::Registro}); // FZ
            QCOMPARE(RegionesClic(486, 468, t), V{M::Registro}); // B
            QCOMPARE(RegionesClic(250, 100, t), V{M::Incrementador});
            QCOMPARE(RegionesClic(230, 288, t), V{M::Multiplexor});
            // The auxiliary register exists only on the configurable machine.
            QCOMPARE(RegionesClic(40, 250, t), t == TMicroprogramable ? V{M::Registro} : V{});
        }

        pruebas::AnfitrionMaquinaGrabador anfitrion;
        for (const auto& [version, tipo] :
             {std::pair{std::string(kNombreVLM1), tnormal},
              std::pair{std::string(kNombreVLMConfigurable), TMicroprogramable}}) {
            auto motor = Motor(anfitrion, tnormal, version);
            TVentanaOrganizacion up(motor->FrameUP());
            V abiertos;
            up.abreMapa = [&](M m) { abiertos.push_back(m); };
            Clic(up, 40, 250);
            Clic(up, 300, 530);
            QCOMPARE(abiertos, tipo == TMicroprogramable ? (V{M::Registro, M::Alu}) : V{M::Alu});
        }
    }

    void superposicionesDeLasVersiones() {
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        {
            auto motor = Motor(anfitrion, tnormal, kNombreVLM1Modif);
            TVentanaOrganizacion up(motor->FrameUP());
            QCOMPARE(Pixel(up, 110, 406), QColor(0, 102, 204)); // the wider opcode field
            QCOMPARE(Pixel(up, 30, 260) == QColor(192, 192, 192), false);
        }
        {
            auto motor = Motor(anfitrion, tnormal, kNombreVLMConfigurable);
            TOrganizacion& estado = motor->FrameUP();
            TVentanaOrganizacion up(estado);
            QCOMPARE(Pixel(up, 60, 265), QColor(192, 192, 192)); // the REGAUX box
            estado.SetRegAuxActivo(false);
            estado.SetRegauxLeido(true);
            estado.ActualizaBitmap();
            QCOMPARE(Pixel(up, 100, 316), QColor(0, 102, 204)); // path in: idle
            QCOMPARE(Pixel(up, 100, 215), kRojo);               // path out: read
            estado.SetRegAuxActivo(true);
            estado.SetRegauxLeido(false);
            estado.ActualizaBitmap();
            QCOMPARE(Pixel(up, 100, 316), kRojo);
            QCOMPARE(Pixel(up, 100, 215), QColor(0, 102, 204));
            QCOMPARE(Pixel(up, 38, 270), kRojo); // tip of the arrowhead
        }
    }

    void unidadOptimizadaConUnBiestableMenos() {
        const auto normal = CreaDibujoCablesControl(tnormal);
        const auto opt = CreaDibujoCablesControl(toptimizado);
        QCOMPARE(normal[2].puntos.size(), std::size_t(11));
        QCOMPARE(opt[2].puntos.size(), std::size_t(10));
        QCOMPARE(opt[2].puntos[1], QPoint(113, 209)); // the clock turns up at once
        QCOMPARE(opt[3].puntos.size(), std::size_t(10));
        QCOMPARE(opt[4].puntos.size(), std::size_t(11));
        QCOMPARE(opt[4].puntos.back(), QPoint(53, 184));

        TFrameControl uc;
        uc.Settipocontrol(tnormal);
        uc.CreaCablesControl();
        TVentanaControl vNormal(uc);
        TFrameControl ucOpt;
        ucOpt.Settipocontrol(toptimizado);
        ucOpt.CreaCablesControl();
        TVentanaControl vOpt(ucOpt);
        // A fresh window shows every signal red; the fourth tooth only on the normal unit.
        QCOMPARE(Pixel(vNormal, 65, 33), kRojo);
        QCOMPARE(Pixel(vOpt, 65, 33), kRojo);
        for (const QPoint p : {QPoint(105, 209), QPoint(115, 198), QPoint(65, 209)}) {
            QCOMPARE(Pixel(vNormal, p.x(), p.y()), kRojo);
            QVERIFY(Pixel(vOpt, p.x(), p.y()) != kRojo);
        }
    }

    void destelloDelRelojSoloEnLasCableadas() {
        pruebas::AnfitrionMaquinaGrabador anfitrion;
        auto motor = Motor(anfitrion, tnormal);
        TFrameControl& uc = motor->FrameUnidadDeControl();
        TVentanaControl ventana(uc);
        QCOMPARE(Pixel(ventana, 120, 209), kRojo);
        ventana.DestelloReloj();
        QCOMPARE(Pixel(ventana, 120, 209), kAmarillo);
        QCOMPARE(Pixel(ventana, 65, 33), kRojo); // only the clock
        motor->EjecutaCiclo();                   // the end of the cycle puts the bitmap back
        QCOMPARE(Pixel(ventana, 120, 209), kRojo);
        ventana.FormPaint(); // a clean picture draws the signals again, though they were drawn before
        QCOMPARE(Pixel(ventana, 120, 209), kRojo);
        QCOMPARE(Pixel(ventana, 65, 33), kRojo);

        auto micro = Motor(anfitrion, tMicroprogramado);
        TVentanaControl vMicro(micro->FrameUnidadDeControl());
        const QImage antes = vMicro.grab().toImage();
        vMicro.DestelloReloj();
        QVERIFY(!vMicro.EnDestello());
        QCOMPARE(vMicro.grab().toImage(), antes);
        QCOMPARE(Pixel(vMicro, 82, 100), kRojo); // w@Rom
    }

    void clicEnLaRomAbreElMapaDeEstadosDeCadaUnidad() {
        pruebas::GuionModal guion;
        // The maps live only while shown: what was opened is noted inside the modal seam.
        QStringList abiertos;
        guion.alDialogo = [&](QDialog& d) {
            abiertos << QString::fromUtf8(d.metaObject()->className());
            if (auto* mapa = qobject_cast<TMapaUC*>(&d)) {
                abiertos << mapa->windowTitle() << QString::number(mapa->Lista->columnCount() - 1);
            }
            return int(QDialog::Accepted);
        };
        const std::pair<TTipoControl, QStringList> esperados[] = {
            {tnormal,
             {QStringLiteral("velmo::TMapaUCNormal"), QStringLiteral("Diagrama de estados"),
              QStringLiteral("12")}},
            {toptimizado,
             {QStringLiteral("velmo::TMapaUCOptimizada"),
              QStringLiteral("U.C. Cableada Optimizada: Máquina de Estados y Señales "),
              QStringLiteral("7")}},
            {TVL1Modif,
             {QStringLiteral("velmo::TMapaUcVl1Modif"), QStringLiteral("Diagrama de estados"),
              QStringLiteral("12")}},
        };
        for (const auto& [t, esperado] : esperados) {
            TFrameControl uc;
            uc.Settipocontrol(t);
            uc.CreaCablesControl();
            TVentanaControl ventana(uc);
            int microprogramas = 0;
            ventana.mostrarMicroprograma = [&](TFrameControl&) { ++microprogramas; };
            abiertos.clear();
            Clic(ventana, 60, 180); // flip-flops: nothing
            Clic(ventana, 200, 60);
            QCOMPARE(abiertos, esperado);
            QCOMPARE(microprogramas, 0);
        }
        for (TTipoControl t : {tMicroprogramado, TMicroprogramable}) {
            TFrameControl uc;
            uc.Settipocontrol(t);
            uc.CreaCablesControl();
            TVentanaControl ventana(uc);
            int microprogramas = 0;
            ventana.mostrarMicroprograma = [&](TFrameControl& u) {
                QCOMPARE(&u, &uc);
                ++microprogramas;
            };
            abiertos.clear();
            Clic(ventana, 200, 60);
            QCOMPARE(microprogramas, 1);
            QVERIFY(abiertos.isEmpty());
            Clic(ventana, 80, 170);
            QCOMPARE(abiertos, QStringList{QStringLiteral("velmo::TTformSecuenciador")});
        }
    }

    void ayudaContextualDeCadaDiagrama() {
        TOrganizacion up;
        up.CreaCablesOrg();
        TFrameControl uc;
        uc.Settipocontrol(toptimizado);
        uc.CreaCablesControl();
        TVentanaOrganizacion vUp(up);
        TVentanaControl vUc(uc);
        const std::pair<QWidget*, QSize> casos[] = {{&vUp, QSize(220, 130)}, {&vUc, QSize(220, 80)}};
        for (const auto& [ventana, tamano] : casos) {
            QEvent pregunta(QEvent::QueryWhatsThis);
            QApplication::sendEvent(ventana, &pregunta);
            QVERIFY(pregunta.isAccepted()); // the help pointer is offered over the diagram
            QHelpEvent ayuda(QEvent::WhatsThis, QPoint(10, 10), QPoint(110, 110));
            QApplication::sendEvent(ventana, &ayuda);
            const auto tips = ventana->findChildren<TTipsForm*>();
            QCOMPARE(tips.size(), 1);
            QCOMPARE(tips[0]->size(), tamano);
            const auto textos = tips[0]->findChildren<QLabel*>();
            QVERIFY(!textos.isEmpty());
            QVERIFY(textos[0]->text().startsWith(QStringLiteral("Esta ventana nos muestra la ")));
        }
    }

    void tablasDeLosMapasDeEstados() {
        TMapaUCNormal normal;
        TMapaUCOptimizada optimizada;
        TMapaUcVl1Modif modif;
        for (TMapaUC* mapa : std::initializer_list<TMapaUC*>{&normal, &optimizada, &modif}) {
            QTableWidget& l = *mapa->Lista;
            QCOMPARE(l.rowCount(), 10);
            QCOMPARE(l.columnWidth(0), 60);
            QCOMPARE(l.horizontalHeaderItem(0)->text(), QString());
            for (int c = 1; c < l.columnCount(); ++c) {
                QCOMPARE(l.columnWidth(c), 29);
                QCOMPARE(l.horizontalHeaderItem(c)->text(), QStringLiteral("s%1").arg(c - 1));
                for (int f = 0; f < l.rowCount(); ++f) {
                    QCOMPARE(l.item(f, c)->text().size(), 1); // every row fills every state
                }
            }
            QCOMPARE(mapa->BotonVolver->text(), QStringLiteral("Volver"));
        }
        QCOMPARE(normal.Lista->columnCount(), 13);
        QCOMPARE(optimizada.Lista->columnCount(), 8);
        QCOMPARE(normal.size(), QSize(536, 553));
        QCOMPARE(modif.size(), QSize(537, 569));

        // The modified machine's s1 selects input 2 of the multiplexer and loads B.
        auto valor = [](TMapaUC& m, const char* salida, int estado) {
            for (int f = 0; f < m.Lista->rowCount(); ++f) {
                if (m.Lista->item(f, 0)->text() == QString::fromUtf8(salida)) {
                    return m.Lista->item(f, estado + 1)->text();
                }
            }
            return QString();
        };
        QCOMPARE(valor(modif, "MX1", 1), QStringLiteral("1"));
        QCOMPARE(valor(modif, "MX0", 1), QStringLiteral("0"));
        QCOMPARE(valor(modif, "B <- M", 1), QStringLiteral("1"));
        QCOMPARE(valor(modif, "ALU1", 11), QStringLiteral("0"));
        QCOMPARE(valor(normal, "PC <- @+1", 11), QStringLiteral("1"));
        QCOMPARE(valor(optimizada, "FZ <- Z", 6), QStringLiteral("1"));

        // "Volver" closes with OK.
        normal.show();
        normal.BotonVolver->click();
        QCOMPARE(normal.result(), int(QDialog::Accepted));
    }
};

VELMO_QTEST_MAIN(PruebaDiagramas)
#include "test_Diagramas.moc"

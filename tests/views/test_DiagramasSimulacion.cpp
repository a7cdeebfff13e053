// The diagrams inside the main window: created with each simulation where the engine places them, they
// answer the simulation commands (monitor, state machine, details) and go with the simulation.

#include "AnfitrionGUI.h"
#include "EntornoPruebas.h"
#include "FormEligeSim.h"
#include "FormMonitoriza.h"
#include "MapasUC.h"
#include "ProgramaPrueba.h"
#include "VentanaControl.h"
#include "VentanaOrganizacion.h"
#include "VentanaPrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

using namespace velmo;

namespace {

struct Banco {
    pruebas::GuionModal guion;
    TVentanaPrincipal ventana;
    QStringList abiertos;

    Banco() {
        ventana.Anfitrion().SetPausaReloj(false);
        ventana.resize(1100, 900);
        ventana.show();
        guion.alDialogo = [this](QDialog& d) {
            abiertos << QString::fromUtf8(d.metaObject()->className());
            return int(qobject_cast<TFormElige*>(&d) != nullptr ? QDialog::Accepted : QDialog::Rejected);
        };
    }

    void Carga(const std::string& version = kNombreVLM1) {
        pruebas::ProgramaPrueba p(version);
        p.Inst(0, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
        guion.ficheros.push_back(QString::fromStdString(p.Guarda()));
        ventana.CargarEjecutableVelmo1->trigger();
    }

    template <class T> QMdiSubWindow* Hija() const {
        QMdiSubWindow* hallada = nullptr;
        int cuantas = 0;
        for (QMdiSubWindow* h : ventana.Mdi->subWindowList()) {
            if (qobject_cast<T*>(h->widget()) != nullptr) {
                hallada = h;
                ++cuantas;
            }
        }
        return cuantas == 1 ? hallada : nullptr;
    }
};

} // namespace

class PruebaDiagramasSimulacion : public QObject {
    Q_OBJECT
private slots:
    void lasVentanasSeCreanDondeLasColocaElMotor() {
        Banco b;
        b.Carga();
        QMdiSubWindow* up = b.Hija<TVentanaOrganizacion>();
        QMdiSubWindow* uc = b.Hija<TVentanaControl>();
        QVERIFY(up != nullptr && uc != nullptr);
        QCOMPARE(up->windowTitle(), QStringLiteral("Unidad de proceso Vl1"));
        QCOMPARE(uc->windowTitle(), QStringLiteral("Unidad de Control Cableada Vl1"));
        QCOMPARE(up->pos(), QPoint(0, 0));
        QCOMPARE(up->width(), 630);
        QVERIFY(up->widget()->height() >= TVentanaOrganizacion::kAlto);
        QCOMPARE(uc->pos(), QPoint(625, 208));
        QCOMPARE(uc->widget()->size(), QSize(325, 228));
        QVERIFY(up->isVisible() && uc->isVisible());
        // Minimise only: no close box, no resizing.
        QVERIFY(!(uc->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(uc->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!uc->close());
        QVERIFY(uc->isVisible());

        // "Posición inicial" brings a minimised diagram back.
        up->showMinimized();
        QVERIFY(up->isMinimized());
        b.ventana.PosicionInicial->trigger();
        QVERIFY(!up->isMinimized());
        QCOMPARE(up->pos(), QPoint(0, 0));
    }

    void ordenesDelMenuLlegananLosDiagramas() {
        Banco b;
        b.Carga();
        b.abiertos.clear();
        b.ventana.Monitorizar->trigger();
        b.ventana.DetallesMaquinaEstados->trigger();
        QCOMPARE(b.abiertos, (QStringList{QStringLiteral("velmo::TFormMonitoriza"),
                                          QStringLiteral("velmo::TMapaUCNormal")}));

        // A click on the ALU opens the window the main window holds for it.
        QDialog alu;
        b.ventana.SetMapa(TVentanaPrincipal::Mapa::Alu, &alu);
        b.abiertos.clear();
        QWidget* up = b.Hija<TVentanaOrganizacion>()->widget();
        QTest::mouseClick(up, Qt::LeftButton, Qt::NoModifier, QPoint(300, 530));
        QCOMPARE(b.abiertos, QStringList{QStringLiteral("QDialog")});
    }

    void seVanConLaSimulacion() {
        Banco b;
        b.Carga(kNombreVLM1Modif);
        QCOMPARE(b.Hija<TVentanaOrganizacion>()->windowTitle(), QStringLiteral("Unidad de proceso VL1Modif"));

        // Reset builds new ones in place of the old.
        b.ventana.Reset->trigger();
        QVERIFY(b.Hija<TVentanaOrganizacion>() != nullptr);
        QVERIFY(b.Hija<TVentanaControl>() != nullptr);

        // A simulation built while this one is still open (the desktop's "open" on a file): the new
        // diagrams answer the commands once the old ones are gone.
        pruebas::ProgramaPrueba otro;
        otro.Dato(100, 1);
        QVERIFY(b.ventana.AbrirFicheroVelmo(QString::fromStdString(otro.Guarda())));
        QVERIFY(b.Hija<TVentanaOrganizacion>() != nullptr);
        QCOMPARE(b.Hija<TVentanaOrganizacion>()->windowTitle(), QStringLiteral("Unidad de proceso Vl1"));
        b.abiertos.clear();
        b.ventana.Monitorizar->trigger();
        QCOMPARE(b.abiertos, QStringList{QStringLiteral("velmo::TFormMonitoriza")});

        b.ventana.Cerrar->trigger();
        QVERIFY(b.Hija<TVentanaOrganizacion>() == nullptr);
        QVERIFY(b.Hija<TVentanaControl>() == nullptr);
    }

    void cicloCableadoConDestelloYCableDeRelojRojoAlFinal() {
        Banco b;
        b.Carga();
        auto* uc = qobject_cast<TVentanaControl*>(b.Hija<TVentanaControl>()->widget());
        bool amarilloDuranteElCiclo = false;
        // Looked at during the clock's wait, the first moment the cycle lets events through.
        b.ventana.Anfitrion().SetPausaReloj(true);
        QTimer::singleShot(0, [&] {
            amarilloDuranteElCiclo = uc->grab().toImage().pixelColor(120, 209) == QColor(255, 255, 0);
        });
        b.ventana.Ciclo->trigger();
        QVERIFY(amarilloDuranteElCiclo);
        QCOMPARE(uc->grab().toImage().pixelColor(120, 209), QColor(255, 51, 0));
    }
};

VELMO_QTEST_MAIN(PruebaDiagramasSimulacion)
#include "test_DiagramasSimulacion.moc"

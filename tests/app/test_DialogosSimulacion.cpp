// The control-unit choice, the N-instruction dialog and the tip pop-up.

#include "EntornoPruebas.h"
#include "FormEjecutaNInst.h"
#include "FormEligeSim.h"
#include "TipsForm.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace velmo;

class PruebaDialogos : public QObject {
    Q_OBJECT
private slots:
    void ejecutaN_soloCifrasYRetroceso() {
        TFormEjecutaN f;
        QCOMPARE(f.Edit1->text(), QStringLiteral("0"));
        f.Edit1->setFocus();
        f.Edit1->end(false);
        QTest::keyClicks(f.Edit1, QStringLiteral("1a-2 .+3"));
        QTest::sendKeyEvent(QTest::Press, f.Edit1, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(f.Edit1->text(), QStringLiteral("0123"));
        QTest::keyClick(f.Edit1, Qt::Key_Backspace);
        QCOMPARE(f.Edit1->text(), QStringLiteral("012"));
        // Pasting letters cannot bring them in either.
        f.Edit1->setText(QString());
        QApplication::clipboard()->setText(QStringLiteral("7x"));
        f.Edit1->paste();
        QCOMPARE(f.Edit1->text(), QString());
    }

    void ejecutaN_vacioEsCeroYAceptarLeeElNumero() {
        TFormEjecutaN f;
        f.Edit1->clear();
        f.BotonOKClick();
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.NInstAEjecutar, 0);

        TFormEjecutaN g;
        g.Edit1->setText(QStringLiteral("0250"));
        g.BotonOK->click();
        QCOMPARE(g.result(), int(QDialog::Accepted));
        QCOMPARE(g.NInstAEjecutar, 250);
    }

    void ejecutaN_cancelarNoAcepta() {
        TFormEjecutaN f;
        f.Edit1->setText(QStringLiteral("7"));
        f.BotonCancel->click();
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QCOMPARE(f.NInstAEjecutar, 0);
    }

    void ejecutaN_flechasEntreCeroYCien() {
        TFormEjecutaN f;
        f.UpDownAbajo->click();
        QCOMPARE(f.Edit1->text(), QStringLiteral("0"));
        f.UpDownArriba->click();
        f.UpDownArriba->click();
        QCOMPARE(f.Edit1->text(), QStringLiteral("2"));
        QTest::keyClick(f.Edit1, Qt::Key_Up);
        QCOMPARE(f.Edit1->text(), QStringLiteral("3"));
        QTest::keyClick(f.Edit1, Qt::Key_Down);
        QCOMPARE(f.Edit1->text(), QStringLiteral("2"));
        f.Edit1->setText(QStringLiteral("100"));
        f.UpDownArriba->click();
        QCOMPARE(f.Edit1->text(), QStringLiteral("100"));
        // A larger number can be typed and is kept as typed until an arrow is used.
        f.Edit1->setText(QString());
        QTest::keyClicks(f.Edit1, QStringLiteral("5000"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("5000"));
        f.BotonOKClick();
        QCOMPARE(f.NInstAEjecutar, 5000);
        f.UpDownAbajo->click();
        QCOMPARE(f.Edit1->text(), QStringLiteral("100"));
    }

    void ejecutaN_numeroDemasiadoGrandeRechazado() {
        TFormEjecutaN f;
        f.Edit1->setText(QString());
        QTest::keyClicks(f.Edit1, QStringLiteral("2147483647"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("2147483647"));
        QTest::keyClicks(f.Edit1, QStringLiteral("0"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("2147483647"));
        f.Edit1->setText(QString());
        QTest::keyClicks(f.Edit1, QStringLiteral("2147483648"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("214748364"));
        f.BotonOKClick();
        QCOMPARE(f.NInstAEjecutar, 214748364);
        // Leading zeros do not count against the limit.
        f.Edit1->setText(QString());
        QTest::keyClicks(f.Edit1, QStringLiteral("000000000001"));
        f.BotonOKClick();
        QCOMPARE(f.NInstAEjecutar, 1);
    }

    void ejecutaN_aspecto() {
        TFormEjecutaN f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Ejecuta N Instrucciones"));
        QCOMPARE(f.size(), QSize(266, 121));
        QCOMPARE(f.Label1->text(), QStringLiteral("Introduce el número de instrucciones a ejecutar:"));
        QVERIFY(f.BotonOK->isDefault());
        QCOMPARE(f.BotonCancel->text(), QStringLiteral("Cancelar"));
        QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void elige_eleccionYMemoriaEntreUsos() {
        TFormElige f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Elige Control"));
        QCOMPARE(f.size(), QSize(193, 190));
        QVERIFY(f.RButtonCableado->isChecked());
        QVERIFY(f.RGroupNormal->isChecked());
        QCOMPARE(f.Eleccion(), EleccionControl::Normal);

        f.RbuttonMicroProgramado->click();
        QVERIFY(!f.RButtonCableado->isChecked());
        QCOMPARE(f.Eleccion(), EleccionControl::Microprogramado);
        f.BotonOK->click();
        // The dialog is not reset: the next use offers the same choice.
        QCOMPARE(f.Eleccion(), EleccionControl::Microprogramado);

        f.RGroupOptimizado->click();
        QVERIFY(f.RButtonCableado->isChecked());
        QVERIFY(!f.RbuttonMicroProgramado->isChecked());
        QCOMPARE(f.Eleccion(), EleccionControl::Optimizado);

        f.RbuttonMicroProgramado->click();
        f.RGroupOptimizado->click(); // already selected: still a click in the group
        QCOMPARE(f.Eleccion(), EleccionControl::Optimizado);
    }

    void tip_colocadoBajoElRatonYSeCierraAlPulsar() {
        QWidget dueno;
        QPointer<TTipsForm> tip =
            ShowTip(&dueno, QStringLiteral("Contador de ciclos"), QPoint(300, 200), 220, 55);
        QVERIFY(tip);
        QCOMPARE(tip->pos(), QPoint(300, 200 + TTipsForm::kAltoCursor / 2));
        QCOMPARE(tip->size(), QSize(220, 55));
        QVERIFY(tip->findChild<QLabel*>()->wordWrap());
        QCOMPARE(tip->findChild<QLabel*>()->text(), QStringLiteral("Contador de ciclos"));
        QTest::mouseClick(tip, Qt::LeftButton);
        QTRY_VERIFY(tip.isNull()); // released once closed
    }
};

VELMO_QTEST_MAIN(PruebaDialogos)
#include "test_DialogosSimulacion.moc"

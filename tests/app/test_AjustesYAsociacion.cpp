// Per-user settings, the welcome dialog's check box, and the ".vlx" association written at start.

#include "AjustesUsuario.h"
#include "AsociacionFicheros.h"
#include "EntornoPruebas.h"
#include "FormBienvenida.h"
#include "VentanaPrincipal.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>

using namespace velmo;

namespace {

QString LeeTexto(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

/// The stored text of a setting, straight from the file.
QString ValorGuardado(const QString& nombre) {
    QSettings ini(UbicacionAjustes(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Velmo/") + nombre).toString();
}

void GuardaTexto(const QString& nombre, const QString& texto) {
    QSettings ini(UbicacionAjustes(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Velmo/") + nombre, texto);
}

} // namespace

class PruebaAjustes : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(UbicacionAjustes()); }

    void ajustes_enElIniDelUsuarioDePrueba() {
        QVERIFY(UbicacionAjustes().startsWith(pruebas::CarpetaUsuario().path()));
        QVERIFY(UbicacionAjustes().endsWith(QStringLiteral("/Velmo.ini")));
        EscribeAjuste(QStringLiteral("noInfoBreakpoint"), true);
        const QString ini = LeeTexto(UbicacionAjustes());
        QVERIFY2(ini.contains(QStringLiteral("[Velmo]")), qPrintable(ini));
        QVERIFY2(ini.contains(QStringLiteral("noInfoBreakpoint=1")), qPrintable(ini));
    }

    void ajustes_lecturaConValoresPorDefecto() {
        QCOMPARE(LeeAjuste(QStringLiteral("showWelcome"), true), true);
        QCOMPARE(LeeAjuste(QStringLiteral("noInfoBreakpoint"), false), false);
        GuardaTexto(QStringLiteral("showWelcome"), QStringLiteral("0"));
        QCOMPARE(LeeAjuste(QStringLiteral("showWelcome"), true), false);
        GuardaTexto(QStringLiteral("showWelcome"), QStringLiteral("2"));
        QCOMPARE(LeeAjuste(QStringLiteral("showWelcome"), false), true);
        GuardaTexto(QStringLiteral("showWelcome"), QStringLiteral("sí"));
        QCOMPARE(LeeAjuste(QStringLiteral("showWelcome"), true), true);
        QCOMPARE(LeeAjuste(QStringLiteral("showWelcome"), false), false);
        EscribeAjuste(QStringLiteral("showWelcome"), false);
        QCOMPARE(ValorGuardado(QStringLiteral("showWelcome")), QStringLiteral("0"));
    }

    void bienvenida_casillaEscribeAlMomento() {
        pruebas::GuionModal guion;
        TFormBienvenida f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Bienvenido a Velmo"));
        QCOMPARE(f.size(), QSize(570, 360));
        f.FormShow();
        QVERIFY(f.cbShowWelcome->isChecked()); // missing setting: ticked
        QCOMPARE(f.accion, acNone);
        // Showing writes nothing; only a click does.
        QVERIFY(!QFile::exists(UbicacionAjustes()));
        f.cbShowWelcome->click();
        QCOMPARE(ValorGuardado(QStringLiteral("showWelcome")), QStringLiteral("0"));
        f.cbShowWelcome->click();
        QCOMPARE(ValorGuardado(QStringLiteral("showWelcome")), QStringLiteral("1"));
        f.cbShowWelcome->click();
        f.reject(); // the close box keeps what was written
        QCOMPARE(ValorGuardado(QStringLiteral("showWelcome")), QStringLiteral("0"));
        f.FormShow();
        QVERIFY(!f.cbShowWelcome->isChecked());
    }

    void bienvenida_cadaBotonSuAccion() {
        TFormBienvenida f;
        const std::pair<QPushButton*, enumAccion> casos[] = {{f.BotonProgramaNuevo, acProgramaNuevo},
                                                             {f.BotonFuenteExistente, acFuenteExistente},
                                                             {f.BotonSimular, acSimularPrograma},
                                                             {f.BotonAyuda, acAyuda}};
        for (const auto& [boton, accion] : casos) {
            f.FormShow();
            boton->click();
            QCOMPARE(f.accion, accion);
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        f.FormShow();
        f.BotonCerrar->click();
        QCOMPARE(f.accion, acNone);
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    void asociacion_escritaAlArrancar() {
        const QString datos = pruebas::CarpetaUsuario().path() + QStringLiteral("/data");
        QDir(datos).removeRecursively();
        pruebas::GuionModal guion;
        TVentanaPrincipal ventana;
        ventana.Arranca({});
        const QString escritorio = LeeTexto(datos + QStringLiteral("/applications/velmo.desktop"));
        QVERIFY2(escritorio.startsWith(QStringLiteral("[Desktop Entry]\n")), qPrintable(escritorio));
        QVERIFY(escritorio.contains(QStringLiteral("\nExec=") +
                                    LineaExecEscritorio(QCoreApplication::applicationFilePath()) +
                                    QStringLiteral("\n")));
        QVERIFY(escritorio.contains(QStringLiteral("\nMimeType=application/x-velmo-ejecutable;\n")));
        QVERIFY(escritorio.contains(QStringLiteral("\nIcon=velmo\n")));
        const QString mime = LeeTexto(datos + QStringLiteral("/mime/packages/velmo.xml"));
        QVERIFY(mime.contains(QStringLiteral("<mime-type type=\"application/x-velmo-ejecutable\">")));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.vlx\"/>")));
        QVERIFY(QFile::exists(datos + QStringLiteral("/icons/hicolor/scalable/apps/velmo.svg")));

        // A second start repairs a damaged entry.
        QFile::remove(datos + QStringLiteral("/applications/velmo.desktop"));
        TVentanaPrincipal otra;
        otra.Arranca({QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(QFile::exists(datos + QStringLiteral("/applications/velmo.desktop")));
    }

    void asociacion_lineaExecSegura() {
        QCOMPARE(LineaExecEscritorio(QStringLiteral("/usr/bin/velmo")), QStringLiteral("/usr/bin/velmo %f"));
        QCOMPARE(LineaExecEscritorio(QStringLiteral("/opt/mis programas/velmo")),
                 QStringLiteral("\"/opt/mis programas/velmo\" %f"));
        // Quotes and dollars escaped inside the quotes; backslashes twice (string, then quoting rule);
        // a percent sign doubled so it is not taken for a field code.
        QCOMPARE(LineaExecEscritorio(QStringLiteral("/a\"b$c/100%/d\\e")),
                 QStringLiteral("\"/a\\\\\"b\\\\$c/100%%/d\\\\\\\\e\" %f"));
    }
};

VELMO_QTEST_MAIN(PruebaAjustes)
#include "test_AjustesYAsociacion.moc"

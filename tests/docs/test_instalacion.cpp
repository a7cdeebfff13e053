// What the installation relies on: the .vlx association the package installs and the one the program
// writes for the user at every start from a build tree carry the same type, entry and icon names, so the
// user's copy takes the place of the system's and opens the program that is running (only the program line
// differs); an installed program writes no copy; and the manuals with their pictures sit beside the
// program in the build tree.

#include "AsociacionFicheros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

using namespace velmo;

namespace {

QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Lineas(const QByteArray& texto) {
    return QString::fromUtf8(texto).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QString kRecursos = QStringLiteral(VELMO_RAIZ "/resources/");

} // namespace

class PruebaInstalacion : public QObject {
    Q_OBJECT
private slots:
    void ElTipoDelPaqueteEsElDelUsuario() {
        QTemporaryDir datos;
        qputenv("XDG_DATA_HOME", datos.path().toUtf8());
        // Without the desktop database tools, nothing keeps writing in the folder after the test.
        const QByteArray camino = qgetenv("PATH");
        qputenv("PATH", QByteArray());
        const QString programa = QStringLiteral("/opt/otra carpeta/velmo");
        const QStringList escritos = EscribeAsociacionVlx(programa);
        qputenv("PATH", camino);
        QVERIFY(escritos.contains(datos.filePath(QStringLiteral("mime/packages/velmo.xml"))));
        QVERIFY(escritos.contains(datos.filePath(QStringLiteral("applications/velmo.desktop"))));
        QVERIFY(escritos.contains(datos.filePath(QStringLiteral("icons/hicolor/scalable/apps/velmo.svg"))));

        // The type: byte for byte the same description.
        const QByteArray tipoPaquete = Lee(kRecursos + QStringLiteral("velmo.xml"));
        QVERIFY(tipoPaquete.contains(kTipoMimeVlx));
        QCOMPARE(Lee(datos.filePath(QStringLiteral("mime/packages/velmo.xml"))), tipoPaquete);

        // The desktop entry: every line the same but the program line.
        const QStringList paquete = Lineas(Lee(kRecursos + QStringLiteral("velmo.desktop")));
        const QStringList usuario = Lineas(Lee(datos.filePath(QStringLiteral("applications/velmo.desktop"))));
        QCOMPARE(usuario.size(), paquete.size());
        for (int i = 0; i < paquete.size(); ++i) {
            if (paquete[i].startsWith(QStringLiteral("Exec="))) {
                QCOMPARE(paquete[i], QStringLiteral("Exec=velmo %f"));
                QCOMPARE(usuario[i], QStringLiteral("Exec=") + LineaExecEscritorio(programa));
            } else {
                QCOMPARE(usuario[i], paquete[i]);
            }
        }
        QVERIFY(paquete.contains(QStringLiteral("MimeType=") + QString::fromLatin1(kTipoMimeVlx) +
                                 QStringLiteral(";")));

        // The icon: the program's own picture under the same name.
        QCOMPARE(Lee(datos.filePath(QStringLiteral("icons/hicolor/scalable/apps/velmo.svg"))),
                 Lee(kRecursos + QStringLiteral("icons/velmo.svg")));
    }

    void InstaladoNoEscribeNadaParaElUsuario() {
        QTemporaryDir datos, prefijo;
        qputenv("XDG_DATA_HOME", datos.path().toUtf8());
        const QByteArray camino = qgetenv("PATH");
        qputenv("PATH", QByteArray());
        const QDir raiz(prefijo.path());
        QVERIFY(raiz.mkpath(QStringLiteral("bin")));
        const QString programa = raiz.filePath(QStringLiteral("bin/velmo"));
        QVERIFY(QFile(programa).open(QIODevice::WriteOnly));

        // Before its package entry is there (a build tree's layout), the program registers itself, as an
        // earlier version did once installed.
        QVERIFY(!InstaladoEnElSistema(programa));
        QCOMPARE(EscribeAsociacionVlx(programa).size(), 3);
        const QString delUsuario = datos.filePath(QStringLiteral("applications/velmo.desktop"));
        QVERIFY(QFile::exists(delUsuario));

        // Installed: nothing is written, and the copies that point at this program go.
        QVERIFY(raiz.mkpath(QStringLiteral("share/applications")));
        QVERIFY(QFile::copy(kRecursos + QStringLiteral("velmo.desktop"),
                            raiz.filePath(QStringLiteral("share/applications/velmo.desktop"))));
        QVERIFY(InstaladoEnElSistema(programa));
        QVERIFY(EscribeAsociacionVlx(programa).isEmpty());
        QVERIFY(!QFile::exists(delUsuario));
        QVERIFY(!QFile::exists(datos.filePath(QStringLiteral("mime/packages/velmo.xml"))));
        QVERIFY(!QFile::exists(datos.filePath(QStringLiteral("icons/hicolor/scalable/apps/velmo.svg"))));

        // A user's entry for another copy of the program is not this installation's to remove.
        const QString otro = QStringLiteral("/home/alumno/velmo/build/app/velmo");
        QCOMPARE(EscribeAsociacionVlx(otro).size(), 3);
        QVERIFY(EscribeAsociacionVlx(programa).isEmpty());
        QVERIFY(Lee(delUsuario).contains(LineaExecEscritorio(otro).toUtf8()));
        qputenv("PATH", camino);
    }

    /// Run from the build tree, the program finds both manuals and their pictures beside itself.
    void LosManualesEstanJuntoAlPrograma() {
        const QDir programa(QStringLiteral(VELMO_CARPETA_PROGRAMA));
        for (const char* manual : {"simulador.html", "montador.html"}) {
            const QString copia = programa.filePath(QString::fromLatin1(manual));
            QCOMPARE(Lee(copia), Lee(kRecursos + QStringLiteral("ayuda/") + QString::fromLatin1(manual)));
            const QString html = QString::fromUtf8(Lee(copia));
            const QRegularExpression imagen(QStringLiteral("<img src=\"([^\"]+)\""));
            for (auto it = imagen.globalMatch(html); it.hasNext();) {
                const QString ruta = it.next().captured(1);
                QVERIFY2(QFileInfo::exists(programa.filePath(ruta)), qPrintable(ruta));
            }
        }
    }
};

QTEST_GUILESS_MAIN(PruebaInstalacion)
#include "test_instalacion.moc"

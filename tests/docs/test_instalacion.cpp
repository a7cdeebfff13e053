// What the installation relies on: the .vlx association the package installs and the one the program
// writes for the user at every start carry the same type, entry and icon names, so the user's copy takes
// the place of the system's and opens the program that is running (only the program line differs); and
// the manuals with their pictures sit beside the program in the build tree.

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

// Pictures and icons compiled into the program, and the Spanish translations loaded at start.

#include "EntornoPruebas.h"
#include "FrameInicio.h"
#include "Plataforma.h"
#include "UtilidadesVentana.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QSvgRenderer>

using namespace velmo;

class PruebaRecursos : public QObject {
    Q_OBJECT
private slots:
    void imagenesConSuTamanoExacto() {
        const std::pair<QString, QSize> imagenes[] = {
            {QStringLiteral(":/velmo/LOGOVELMO.svg"), QSize(346, 127)},
            {QStringLiteral(":/velmo/INICIO.svg"), QSize(TFrameInicio::kAncho, TFrameInicio::kAlto)}};
        for (const auto& [recurso, tamano] : imagenes) {
            QSvgRenderer dibujo(recurso);
            QVERIFY2(dibujo.isValid(), qPrintable(recurso));
            QCOMPARE(dibujo.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(tamano)));
            const QImage imagen = ImagenSvg(recurso, tamano, 2.0).toImage();
            QCOMPARE(imagen.size(), tamano * 2);
            // Drawn edge to edge: the corners are painted, not transparent.
            QVERIFY(qAlpha(imagen.pixel(1, 1)) == 255);
            QVERIFY(qAlpha(imagen.pixel(imagen.width() - 2, imagen.height() - 2)) == 255);
        }
    }

    void iconosValidos() {
        int iconos = 0;
        for (QDirIterator it(QStringLiteral(":/velmo/icons")); it.hasNext();) {
            const QString recurso = it.next();
            QVERIFY2(QSvgRenderer(recurso).isValid(), qPrintable(recurso));
            QVERIFY2(!QIcon(recurso).pixmap(16, 16).isNull(), qPrintable(recurso));
            ++iconos;
        }
        // Every icon of the source folder is compiled in.
        const auto enDisco = QDir(QStringLiteral(VELMO_RECURSOS "/icons"), QStringLiteral("*.svg")).count();
        QCOMPARE(iconos, static_cast<int>(enDisco));
    }

    void imagenQueFaltaEsTransparente() {
        const QImage imagen = ImagenSvg(QStringLiteral(":/velmo/NO_EXISTE.svg"), QSize(10, 10)).toImage();
        QCOMPARE(imagen.size(), QSize(10, 10));
        QCOMPARE(qAlpha(imagen.pixel(5, 5)), 0);
    }

    void traduccionesAlEspanol() {
        const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(carpeta + QStringLiteral("/qtbase_es.qm"))) {
            QSKIP("Qt's Spanish translation is not installed");
        }
        QVERIFY(CargaTraducciones(*qApp) >= 1);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    }
};

VELMO_QTEST_MAIN(PruebaRecursos)
#include "test_Recursos.moc"

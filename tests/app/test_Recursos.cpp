// Pictures and icons compiled into the program, and the Spanish translations loaded at start.

#include "Arranque.h"
#include "EntornoPruebas.h"
#include "FrameInicio.h"
#include "Plataforma.h"
#include "UtilidadesVentana.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QMdiSubWindow>
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
        // The start-up picture's subtitle (yellow, rows 108 to 124) ends clear of the right edge.
        const QImage inicio =
            ImagenSvg(QStringLiteral(":/velmo/INICIO.svg"), QSize(TFrameInicio::kAncho, TFrameInicio::kAlto))
                .toImage();
        for (int y = 106; y < 126; ++y) {
            for (int x = TFrameInicio::kAncho - 16; x < TFrameInicio::kAncho; ++x) {
                const QColor c = inicio.pixelColor(x, y);
                QVERIFY2(!(c.red() > 160 && c.green() > 130 && c.blue() < 120),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    void pasosAtrasDistintosDeLosPasosAdelante() {
        // At tool-bar size each step back carries a red mark pointing back large enough to tell it at a
        // glance from its forward command, which has none.
        const auto rojos = [](const QString& icono) {
            const QImage imagen =
                ImagenSvg(QStringLiteral(":/velmo/icons/") + icono + ".svg", QSize(16, 16)).toImage();
            int n = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QColor c = imagen.pixelColor(x, y);
                    n += c.alpha() > 128 && c.red() > 150 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
                }
            }
            return n;
        };
        for (const char* adelante : {"ciclo", "instruccion"}) {
            QCOMPARE(rojos(QString::fromLatin1(adelante)), 0);
            QVERIFY2(rojos(QString::fromLatin1(adelante) + "_anterior") >= 30, adelante);
        }
    }

    void ventanasHijasConElIconoDeVelmo() {
        PreparaAplicacion(*qApp);
        // A frame made before it has a parent, as the diagrams' are.
        QMdiSubWindow marco;
        const QImage velmo = QIcon(QStringLiteral(":/velmo/icons/velmo.svg")).pixmap(16, 16).toImage();
        QCOMPARE(marco.windowIcon().pixmap(16, 16).toImage(), velmo);
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

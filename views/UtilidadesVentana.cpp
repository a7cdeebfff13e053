#include "UtilidadesVentana.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QWidget>

namespace velmo {

QPixmap ImagenSvg(const QString& recurso, QSize tamano, qreal escala) {
    if (escala <= 0) {
        escala = 1.0;
    }
    QPixmap imagen(tamano * escala);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::transparent);
    QSvgRenderer dibujo(recurso);
    if (dibujo.isValid()) {
        QPainter pintor(&imagen);
        dibujo.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tamano)));
    }
    return imagen;
}

void ProponFichero(QFileDialog& dialogo, const QString& actual) {
    if (actual.isEmpty()) {
        return;
    }
    const QFileInfo fichero(actual);
    dialogo.setDirectory(fichero.absolutePath());
    dialogo.selectFile(fichero.fileName());
}

void CentraEnPantalla(QWidget& ventana) {
    QScreen* pantalla = ventana.screen();
    if (pantalla == nullptr) {
        pantalla = QGuiApplication::primaryScreen();
    }
    if (pantalla == nullptr) {
        return;
    }
    QRect marco = ventana.frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana.move(marco.topLeft());
}

QTableWidget* RejillaSinCabeceras(QWidget* padre, int filas, int columnas, int ancho, int alto) {
    auto* tabla = new QTableWidget(filas, columnas, padre);
    tabla->horizontalHeader()->hide();
    tabla->verticalHeader()->hide();
    tabla->horizontalHeader()->setMinimumSectionSize(0);
    tabla->verticalHeader()->setMinimumSectionSize(0);
    tabla->horizontalHeader()->setDefaultSectionSize(ancho);
    tabla->verticalHeader()->setDefaultSectionSize(alto);
    tabla->setFrameShape(QFrame::NoFrame);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setWordWrap(false);
    return tabla;
}

} // namespace velmo

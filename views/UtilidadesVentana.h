#pragma once
// Small helpers shared by the windows: pictures drawn from SVG resources, plain grids and centring on
// the screen.

#include <QPixmap>
#include <QSize>
#include <QString>

class QFileDialog;
class QTableWidget;
class QWidget;

namespace velmo {

/// Renders an SVG resource into a picture of `tamano` logical pixels, sharp on the screen's pixel
/// ratio `escala`. A missing resource gives a transparent picture of that size.
QPixmap ImagenSvg(const QString& recurso, QSize tamano, qreal escala = 1.0);

/// A file dialog starts in the folder of `actual` (the file the window holds now) and proposes its name;
/// with no current file the dialog keeps its own start.
void ProponFichero(QFileDialog& dialogo, const QString& actual);

/// A grid of cells without headers or frame, cells of `ancho` x `alto` that fit their sizes exactly
/// (no minimum section size), not edited in place and without word wrap.
QTableWidget* RejillaSinCabeceras(QWidget* padre, int filas, int columnas, int ancho, int alto);

/// Moves a top-level window so that it sits in the middle of its screen's available area.
void CentraEnPantalla(QWidget& ventana);

} // namespace velmo

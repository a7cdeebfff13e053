#pragma once
// Small helpers shared by the windows: pictures drawn from SVG resources and centring on the screen.

#include <QPixmap>
#include <QSize>
#include <QString>

class QFileDialog;
class QWidget;

namespace velmo {

/// Renders an SVG resource into a picture of `tamano` logical pixels, sharp on the screen's pixel
/// ratio `escala`. A missing resource gives a transparent picture of that size.
QPixmap ImagenSvg(const QString& recurso, QSize tamano, qreal escala = 1.0);

/// A file dialog starts in the folder of `actual` (the file the window holds now) and proposes its name;
/// with no current file the dialog keeps its own start.
void ProponFichero(QFileDialog& dialogo, const QString& actual);

/// Moves a top-level window so that it sits in the middle of its screen's available area.
void CentraEnPantalla(QWidget& ventana);

} // namespace velmo

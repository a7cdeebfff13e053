#pragma once
// The program's start: picture, windows, command-line file, file type, then the event loop.

class QApplication;

namespace velmo {

/// Runs the program in `aplicacion` and returns its exit code.
int EjecutaVelmo(QApplication& aplicacion);

/// The program's look before any window exists: name, Spanish translations, the dialogs' font.
void PreparaAplicacion(QApplication& aplicacion);

} // namespace velmo

#pragma once
// What the program asks of the desktop: its data folder, opening documents, the screen resolution and
// the Spanish translations of the toolkit.

#include <QString>

class QCoreApplication;

namespace velmo {

/// The folder of the program's documents: beside the executable when they are there (build tree),
/// otherwise the installed share/velmo folder next to the executable's folder.
QString CarpetaDatos();

/// Full path of a help document ("simulador.html", "montador.html") in the data folder.
QString RutaDocumento(const QString& nombre);

/// Opens a local document with the desktop's open action. A missing file, or a desktop that cannot
/// open it, is ignored.
void AbreDocumento(const QString& ruta);

/// Opens the simulator manual named by the global record (or found in the data folder before the
/// record is set).
void AbreManualSimulador();

/// Asks the display for `ancho` x `alto` for this session only; the result is ignored.
void NuevaRes(int ancho, int alto);

/// Installs Qt's and the editor's Spanish translations, so standard buttons, file dialogs and the editor's
/// menu speak Spanish. Returns how many of the two were found.
int CargaTraducciones(QCoreApplication& aplicacion);

} // namespace velmo

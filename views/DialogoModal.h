#pragma once
// Every modal window of the program is opened through this one seam: the program runs the real modal
// loop, message boxes and file dialogs, the window tests answer them from a script without a modal loop.
// Boxes and answers use the core's own kinds (IconoMensaje, Respuesta).

#include "Anfitrion.h"

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace velmo {

struct DialogoModal {
    /// Shows the dialog modally and returns its result (QDialog::Accepted or QDialog::Rejected).
    std::function<int(QDialog& dialogo)> ejecuta;
    /// A message box with an OK button.
    std::function<void(QWidget* padre, const QString& texto, const QString& titulo, IconoMensaje icono)>
        mensaje;
    /// A question with the question icon: Yes/No, or Yes/No/Cancel when conCancelar.
    std::function<Respuesta(QWidget* padre, const QString& texto, const QString& titulo, bool conCancelar)>
        pregunta;
    /// The open-file dialog, started at `actual` (the file the window holds now, or empty); an empty result
    /// means the user cancelled.
    std::function<QString(QWidget* padre, const QString& titulo, const QString& filtro,
                          const QString& extension, const QString& actual)>
        abreFichero;
    /// The save-file dialog with its types ("name (patterns);;..."), started at `actual`; `tipo` holds the
    /// type chosen on return (may be null). `extension` is added to a name typed without one, unless
    /// empty. An empty result means the user cancelled.
    std::function<QString(QWidget* padre, const QString& titulo, const QString& filtro,
                          const QString& extension, const QString& actual, QString* tipo)>
        guardaFichero;
};

/// The seam in use; starts with the real modal behaviour.
DialogoModal& Modal();

/// Puts the real modal behaviour back.
void RestauraModalReal();

} // namespace velmo

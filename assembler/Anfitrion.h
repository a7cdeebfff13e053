#pragma once
// What the core needs from a person or the desktop: message boxes, questions and trace lines. The
// desktop program answers with real dialogs, the command-line tools with their options, the tests with
// scripted fakes. The simulation engine extends it with the machine's own requests.

#include <string>

namespace velmo {

enum class IconoMensaje { Error, Aviso, Informacion, Pregunta };

enum class Respuesta { Si, No, Cancelar };

class Anfitrion {
public:
    virtual ~Anfitrion() = default;

    /// A modal message box; returns when the user has closed it.
    virtual void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) = 0;

    /// A modal Yes/No question with the question icon; true for Yes.
    virtual bool PreguntaSiNo(const std::string& texto, const std::string& titulo) = 0;

    /// A modal Yes/No/Cancel question with the question icon.
    virtual Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) = 0;

    /// Cheap test made before any trace text is built.
    virtual bool TrazaActiva() const = 0;

    /// One line for the trace window; only called when TrazaActiva() is true.
    virtual void AnadeLineaTraza(const std::string& linea) = 0;
};

} // namespace velmo

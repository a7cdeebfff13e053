#pragma once
// The desktop's answer to what the core asks of a person: real message boxes and questions, the trace
// window, the control-unit choice and the clock pause of the hard-wired units.

#include "Anfitrion.h"
#include "FormEligeSim.h"

class QWidget;

namespace velmo {

class TDebug;

class AnfitrionGUI : public virtual Anfitrion {
public:
    AnfitrionGUI(QWidget* padre, TDebug& debug, TFormElige& elige);

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override;
    void AnadeLineaTraza(const std::string& linea) override;

    /// "Elige Control", kept between uses; the answer as the dialog shows it when closed.
    EleccionControl EligeControl();

    /// A new simulation starts its trace afresh, in the normal state at 200, 200, 300 x 420.
    void ReiniciaTraza();

    /// The pause of a hard-wired cycle while the clock line is lit. The window keeps painting but takes
    /// no user input; a pause asked for during another one only waits.
    void PausaReloj(int milisegundos);

    /// Off for tests and batch runs: the pause then returns at once.
    bool pausaActiva = true;

private:
    QWidget* padre_;
    TDebug& debug_;
    TFormElige& elige_;
    bool enPausa_ = false;
};

} // namespace velmo

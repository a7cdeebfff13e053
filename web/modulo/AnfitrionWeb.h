#pragma once
// The host of a simulation run by a web page: boxes and questions go to the page's JavaScript object
// (synchronous calls, answered inside the engine's call); the control-unit choice, the microprogram and the
// ALU options come from the opening options and the page's later choices, never from dialogs. No clock
// pause and no trace window.

#include "AnfitrionMaquina.h"

#include <emscripten/val.h>

#include <array>

namespace velmo {

class AnfitrionWeb : public AnfitrionMaquina {
public:
    /// `pagina`: { mensaje(caja), pregunta(texto, titulo), avisoBreakpoint?() }; a missing answer is taken
    /// as a box nobody sees and a question answered Yes. An answer that throws fails the cycle or the
    /// opening under way, as a fault of the machine would.
    explicit AnfitrionWeb(emscripten::val pagina);

    TTipoControl control = tnormal;
    Microprograma microprograma = MicroprogramaInicial();
    std::array<int, 4> opcionesAlu{0, 0, 0, 0};

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override { return false; }
    void AnadeLineaTraza(const std::string&) override {}

    int OpcionAlu(int cop) override;
    TTipoControl EligeControl() override { return control; }
    Microprograma EditaMicroprograma() override { return microprograma; }
    void AvisoBreakpoint() override;

    // The page draws from the state picture: nothing to show here.
    void SetTipoControlMapaAlu(TTipoControl) override {}
    void ReiniciaTraza() override {}
    void Monitoriza(TOrganizacion&) override {}
    void MostrarMicroprograma(TFrameControl&) override {}
    void MostrarMaquinaEstados(TTipoControl) override {}
    void DestelloReloj(const TFrameControl&) override {}

private:
    bool Tiene(const char* metodo) const;
    /// Calls the page's `metodo`; what the page throws becomes a std::runtime_error here.
    emscripten::val Llama(const char* metodo, const emscripten::val& a, const emscripten::val& b);

    emscripten::val pagina_;
};

/// The box as the page receives it: { texto, titulo, icono }.
emscripten::val CajaJs(const std::string& texto, const std::string& titulo, IconoMensaje icono);

} // namespace velmo

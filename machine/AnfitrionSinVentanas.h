#pragma once
// The host of a simulation without windows (command line, benchmarks, tests): every answer comes from its
// settings, every box is recorded, questions are answered Yes, trace lines go to a stream when one is
// given, and the clock never pauses.

#include "AnfitrionMaquina.h"

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace velmo {

class AnfitrionSinVentanas : public AnfitrionMaquina {
public:
    /// Trace lines go to `traza`, one per line; nullptr switches tracing off.
    explicit AnfitrionSinVentanas(std::ostream* traza = nullptr);

    /// Answer to the control-unit choice of a plain-machine program.
    TTipoControl control = tnormal;
    /// Answer to the microprogram editor; starts as the editor's own initial microprogram.
    Microprograma microprograma;
    /// Selected item of each ALU option group (opcode 0..3); -1 = none selected.
    std::array<int, 4> opcionesAlu{0, 0, 0, 0};

    /// Text of every information, warning or error box, in the order shown.
    const std::vector<std::string>& Mensajes() const { return mensajes_; }

    /// How many questions were asked (all answered Yes).
    int PreguntasContestadas() const { return preguntas_; }

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override;
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override;
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override;
    bool TrazaActiva() const override { return traza_ != nullptr; }
    void AnadeLineaTraza(const std::string& linea) override;

    int OpcionAlu(int cop) override;
    TTipoControl EligeControl() override { return control; }
    Microprograma EditaMicroprograma() override { return microprograma; }

    // Nothing to show without windows.
    void SetTipoControlMapaAlu(TTipoControl) override {}
    void ReiniciaTraza() override {}
    void AvisoBreakpoint() override {}
    void Monitoriza(TOrganizacion&) override {}
    void MostrarMicroprograma(TFrameControl&) override {}
    void MostrarMaquinaEstados(TTipoControl) override {}
    void DestelloReloj(const TFrameControl&) override {}

private:
    std::ostream* traza_;
    bool tieVaciado_ = false;
    std::vector<std::string> mensajes_;
    int preguntas_ = 0;
};

} // namespace velmo

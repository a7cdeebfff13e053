#pragma once
// Test double of the machine's host: the recording host plus scriptable ALU option groups, control-unit
// choice and microprogram, and a record of every window the engine asked for.

#include "AnfitrionGrabador.h"
#include "AnfitrionMaquina.h"

#include <array>
#include <vector>

namespace velmo::pruebas {

class AnfitrionMaquinaGrabador : public AnfitrionGrabador, public AnfitrionMaquina {
public:
    AnfitrionMaquinaGrabador() { SetPausaReloj(false); }

    /// Selected item of each opcode's group; -1 = nothing selected.
    std::array<int, 4> opcionesAlu{0, 0, 0, 0};
    /// Answer of the control-unit choice.
    TTipoControl control = tnormal;
    /// What the microprogram editor returns.
    Microprograma microprograma{};

    int eleccionesControl = 0;
    int edicionesMicroprograma = 0;
    std::vector<TTipoControl> tiposMapaAlu;
    int reiniciosTraza = 0;
    int avisosBreakpoint = 0;
    int monitorizaciones = 0;
    int microprogramasMostrados = 0;
    std::vector<TTipoControl> maquinasEstados;
    int destellos = 0;
    int finesDeCiclo = 0;

    int OpcionAlu(int cop) override {
        if (cop < 0 || cop >= static_cast<int>(opcionesAlu.size())) {
            return -1;
        }
        return opcionesAlu[static_cast<std::size_t>(cop)];
    }

    TTipoControl EligeControl() override {
        ++eleccionesControl;
        return control;
    }

    Microprograma EditaMicroprograma() override {
        ++edicionesMicroprograma;
        return microprograma;
    }

    void SetTipoControlMapaAlu(TTipoControl tipo) override { tiposMapaAlu.push_back(tipo); }
    void ReiniciaTraza() override { ++reiniciosTraza; }
    void AvisoBreakpoint() override { ++avisosBreakpoint; }
    void Monitoriza(TOrganizacion&) override { ++monitorizaciones; }
    void MostrarMicroprograma(TFrameControl&) override { ++microprogramasMostrados; }
    void MostrarMaquinaEstados(TTipoControl tipo) override { maquinasEstados.push_back(tipo); }
    void DestelloReloj(const TFrameControl&) override { ++destellos; }
    void FinDeCiclo() override { ++finesDeCiclo; }
};

} // namespace velmo::pruebas

#pragma once
// What the machine and its engine need from the desktop beyond boxes and trace lines.

#include "Anfitrion.h"
#include "MicroInstruccion.h"
#include "TiposMaquina.h"

namespace velmo {

class TOrganizacion;
class TFrameControl;

class AnfitrionMaquina : public virtual Anfitrion {
public:
    /// The item selected in the configurable ALU's option group of opcode `cop` (0..3); -1 when none is.
    virtual int OpcionAlu(int cop) = 0;

    /// The control-unit choice of a plain-machine program, shown modally: tMicroprogramado, tnormal or
    /// toptimizado.
    virtual TTipoControl EligeControl() = 0;

    /// The microprogram editor, shown modally before a configurable machine starts; its 16
    /// microinstructions however it was closed.
    virtual Microprograma EditaMicroprograma() = 0;

    /// The ALU map's SetTipoControl (which picture it shows).
    virtual void SetTipoControlMapaAlu(TTipoControl tipo) = 0;

    /// A simulation opens: the trace window is emptied, set to the normal state and placed at left 200,
    /// top 200, 300 x 420.
    virtual void ReiniciaTraza() = 0;

    /// A breakpoint was just set: the notice, unless the user switched it off for good.
    virtual void AvisoBreakpoint() = 0;

    /// The monitor dialog over the datapath diagram's probes.
    virtual void Monitoriza(TOrganizacion& up) = 0;

    /// The microprogram view of the control-unit diagram: created on first use, restored when minimised.
    virtual void MostrarMicroprograma(TFrameControl& uc) = 0;

    /// The state-machine map of a hard-wired kind (tnormal, toptimizado, TVL1Modif), modal.
    virtual void MostrarMaquinaEstados(TTipoControl tipo) = 0;

    /// End of a hard-wired cycle: the clock line of the control-unit diagram drawn in yellow, left for
    /// 30 ms while PausaReloj() is true.
    virtual void DestelloReloj(const TFrameControl& uc) = 0;

    /// The end of every cycle, after the windows were told to repaint.
    virtual void FinDeCiclo() {}

    /// Tests and the command line run without the 30 ms pause.
    void SetPausaReloj(bool pausa) { pausaReloj_ = pausa; }
    bool PausaReloj() const { return pausaReloj_; }

private:
    bool pausaReloj_ = true;
};

} // namespace velmo

#include "VentanasMemoriaYTablas.h"

#include "VentanaMemoria.h"
#include "VentanasTablas.h"
#include "objSimulador.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace velmo {

VentanasMemoriaYTablas::VentanasMemoriaYTablas(TSimulador& motor, QMdiArea& mdi) {
    // In the order the engine opens them; each takes the place its state already holds.
    Memoria = new VentanaMemoria(motor.FrameMemoria());
    Memoria->Incrusta(mdi);
    Estado = new VentanaEstadoDeEjecucion(motor.FrameEstado());
    Estado->Incrusta(mdi);
    Registros = new VentanaRegRdD(motor.FrameRegistros());
    Registros->Incrusta(mdi);
    CablesMem = new VentanaCablesMem(motor.FrameCablesMEm());
    CablesMem->Incrusta(mdi);
    CablesCtrl = new VentanaCablesCtrl(motor.FrameCablesCtrl());
    CablesCtrl->Incrusta(mdi);
}

VentanasMemoriaYTablas::~VentanasMemoriaYTablas() {
    VentanaSimulacion* ventanas[] = {CablesCtrl, CablesMem, Registros, Estado, Memoria};
    for (VentanaSimulacion* v : ventanas) {
        if (v != nullptr) {
            delete v->Marco(); // the frame takes its contents with it
        }
    }
}

} // namespace velmo

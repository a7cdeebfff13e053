#pragma once
// The memory view and the four tables of one open simulation, as children of the main window's MDI area.
// They are made once the engine has opened the executable (its windows' state already placed) and go
// with the simulation.

#include <QPointer>

class QMdiArea;

namespace velmo {

class TSimulador;
class VentanaCablesCtrl;
class VentanaCablesMem;
class VentanaEstadoDeEjecucion;
class VentanaMemoria;
class VentanaRegRdD;

class VentanasMemoriaYTablas {
public:
    VentanasMemoriaYTablas(TSimulador& motor, QMdiArea& mdi);
    ~VentanasMemoriaYTablas();
    VentanasMemoriaYTablas(const VentanasMemoriaYTablas&) = delete;
    VentanasMemoriaYTablas& operator=(const VentanasMemoriaYTablas&) = delete;

    QPointer<VentanaMemoria> Memoria;
    QPointer<VentanaEstadoDeEjecucion> Estado;
    QPointer<VentanaRegRdD> Registros;
    QPointer<VentanaCablesMem> CablesMem;
    QPointer<VentanaCablesCtrl> CablesCtrl;
};

} // namespace velmo

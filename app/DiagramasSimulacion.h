#pragma once
// The datapath and control-unit windows of one simulation as children of the main window. They go with
// the simulation.

#include <QPointer>

namespace velmo {

class TSimuladorVelmo;
class TVentanaControl;
class TVentanaOrganizacion;
class TVentanaPrincipal;

class DiagramasSimulacion {
public:
    DiagramasSimulacion(TVentanaPrincipal& principal, TSimuladorVelmo& motor);
    ~DiagramasSimulacion();
    DiagramasSimulacion(const DiagramasSimulacion&) = delete;
    DiagramasSimulacion& operator=(const DiagramasSimulacion&) = delete;

    TVentanaOrganizacion* Organizacion() const;
    TVentanaControl* Control() const;

private:
    QPointer<TVentanaOrganizacion> organizacion_;
    QPointer<TVentanaControl> control_;
};

} // namespace velmo

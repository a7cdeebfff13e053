#include "SimulacionVelmo.h"

#include "AnfitrionGUI.h"
#include "DiagramasSimulacion.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

namespace velmo {

SimulacionVelmo::SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta)
    : motor_(anfitrion, ruta.toStdString()) {}

SimulacionVelmo::SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta)
    : motor_(principal.Anfitrion(), ruta.toStdString()),
      memoriaYTablas_(std::make_unique<VentanasMemoriaYTablas>(motor_, *principal.Mdi)),
      diagramas_(std::make_unique<DiagramasSimulacion>(principal, motor_)) {}

SimulacionVelmo::~SimulacionVelmo() = default;

} // namespace velmo

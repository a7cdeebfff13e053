#include "SimulacionVelmo.h"

namespace velmo {

SimulacionVelmo::SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta)
    : motor_(anfitrion, ruta.toStdString()) {}

} // namespace velmo

#include "SimulacionVelmo.h"

#include "VentanasMemoriaYTablas.h"

namespace velmo {

SimulacionVelmo::SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta, QMdiArea* mdi)
    : motor_(anfitrion, ruta.toStdString()) {
    if (mdi != nullptr) {
        memoriaYTablas_ = std::make_unique<VentanasMemoriaYTablas>(motor_, *mdi);
    }
}

SimulacionVelmo::~SimulacionVelmo() = default;

} // namespace velmo

#include "SimulacionVelmo.h"

#include "AnfitrionGUI.h"
#include "DiagramasSimulacion.h"
#include "EscrituraSegura.h"
#include "TrazaCiclos.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

#include <QFile>

namespace velmo {

SimulacionVelmo::SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta)
    : motor_(anfitrion, ruta.toStdString()), historia_(motor_, anfitrion) {}

SimulacionVelmo::SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta)
    : motor_(principal.Anfitrion(), ruta.toStdString()), historia_(motor_, principal.Anfitrion()),
      memoriaYTablas_(std::make_unique<VentanasMemoriaYTablas>(motor_, *principal.Mdi)),
      diagramas_(std::make_unique<DiagramasSimulacion>(principal, motor_)) {}

SimulacionVelmo::~SimulacionVelmo() = default;

bool SimulacionVelmo::GuardaTraza(const QString& ruta, bool vcd) {
    // Written whole or not at all, straight into the temporary file: a million cycles never sit in memory.
    EscrituraSegura escritura(QFile::encodeName(ruta).toStdString());
    if (!escritura.Abrir()) {
        return false;
    }
    std::unique_ptr<EscritorTraza> escritor;
    if (vcd) {
        escritor = std::make_unique<TrazaVcd>(escritura.Flujo());
    } else {
        escritor = std::make_unique<TrazaCsv>(escritura.Flujo());
    }
    const bool recorrido =
        historia_.Recorre([&](const TSimuladorVelmo& s) { escritor->Escribe(TomaMuestra(s)); });
    return recorrido && escritura.Confirmar();
}

} // namespace velmo

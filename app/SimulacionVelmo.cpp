#include "SimulacionVelmo.h"

#include "AnfitrionGUI.h"
#include "DiagramasSimulacion.h"
#include "TrazaCiclos.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

#include <QSaveFile>

#include <sstream>

namespace velmo {

SimulacionVelmo::SimulacionVelmo(AnfitrionMaquina& anfitrion, const QString& ruta)
    : motor_(anfitrion, ruta.toStdString()), historia_(motor_, anfitrion) {}

SimulacionVelmo::SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta)
    : motor_(principal.Anfitrion(), ruta.toStdString()), historia_(motor_, principal.Anfitrion()),
      memoriaYTablas_(std::make_unique<VentanasMemoriaYTablas>(motor_, *principal.Mdi)),
      diagramas_(std::make_unique<DiagramasSimulacion>(principal, motor_)) {}

SimulacionVelmo::~SimulacionVelmo() = default;

bool SimulacionVelmo::GuardaTraza(const QString& ruta, bool vcd) {
    // Written whole or not at all; the text goes out in pieces, so a million cycles never sit in memory.
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return false;
    }
    std::ostringstream texto;
    const auto vuelca = [&] {
        const std::string datos = texto.str();
        texto.str({});
        return fichero.write(datos.data(), static_cast<qint64>(datos.size())) ==
               static_cast<qint64>(datos.size());
    };
    std::unique_ptr<EscritorTraza> escritor;
    if (vcd) {
        escritor = std::make_unique<TrazaVcd>(texto);
    } else {
        escritor = std::make_unique<TrazaCsv>(texto);
    }
    constexpr std::streamoff kTrozo = 1 << 20;
    bool escrito = true;
    const bool recorrido = historia_.Recorre([&](const TSimuladorVelmo& s) {
        escritor->Escribe(TomaMuestra(s));
        if (texto.tellp() > kTrozo) {
            escrito = vuelca() && escrito;
        }
    });
    if (!recorrido || !vuelca() || !escrito) {
        fichero.cancelWriting();
        return false;
    }
    return fichero.commit();
}

} // namespace velmo

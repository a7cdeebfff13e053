#include "SimulacionVelmo.h"

#include "DiagramasSimulacion.h"
#include "EscrituraSegura.h"
#include "TrazaCiclos.h"
#include "VentanaPrincipal.h"
#include "VentanasMemoriaYTablas.h"

#include <QFile>

namespace velmo {

namespace {

/// The engine sets the ALU map only for the modified and configurable machines; a plain-machine program
/// opened after one of them must not show their ALU.
OrigenSimulacion Origen(AnfitrionMaquina& anfitrion, const QString& ruta) {
    anfitrion.SetTipoControlMapaAlu(tnormal);
    return {ruta.toStdString(), std::nullopt, std::nullopt};
}

} // namespace

SimulacionVelmo::SimulacionVelmo(TVentanaPrincipal& principal, const QString& ruta)
    : principal_(principal), anfitrion_(principal), sesion_(anfitrion_, Origen(anfitrion_, ruta)) {
    CreaVentanas();
}

SimulacionVelmo::~SimulacionVelmo() = default;

void SimulacionVelmo::CreaVentanas() {
    memoriaYTablas_ = std::make_unique<VentanasMemoriaYTablas>(Motor(), *principal_.Mdi);
    diagramas_ = std::make_unique<DiagramasSimulacion>(principal_, Motor());
    anfitrion_.SetDiagramas(diagramas_->Organizacion(), diagramas_->Control());
}

void SimulacionVelmo::QuitaVentanas() {
    anfitrion_.SetDiagramas(nullptr, nullptr);
    diagramas_.reset();
    memoriaYTablas_.reset();
}

void SimulacionVelmo::Reinicia() {
    // The windows watch the engine's state: they go before it, and come back over whichever engine the
    // session holds afterwards (the old one when the opening failed).
    QuitaVentanas();
    anfitrion_.SetTipoControlMapaAlu(tnormal);
    try {
        sesion_.Reinicia();
    } catch (...) {
        CreaVentanas();
        throw;
    }
    CreaVentanas();
}

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
        Historial().Recorre([&](const TSimuladorVelmo& s) { escritor->Escribe(TomaMuestra(s)); });
    return recorrido && escritura.Confirmar();
}

} // namespace velmo

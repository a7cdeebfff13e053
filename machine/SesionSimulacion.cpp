#include "SesionSimulacion.h"

#include <utility>

namespace velmo {

/// Passes everything on to the front end's host, keeps the text of every box, and answers the
/// microprogram editor from the origin when it brings one.
class SesionSimulacion::AnfitrionSesion : public AnfitrionMaquina {
public:
    AnfitrionSesion(AnfitrionMaquina& vivo, const std::optional<Microprograma>& microprograma)
        : vivo_(vivo), microprograma_(microprograma) {
        SetPausaReloj(vivo.PausaReloj());
    }

    std::vector<std::string> mensajes;

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override {
        mensajes.push_back(texto);
        vivo_.MuestraMensaje(texto, titulo, icono);
    }
    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override {
        return vivo_.PreguntaSiNo(texto, titulo);
    }
    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override {
        return vivo_.PreguntaSiNoCancelar(texto, titulo);
    }
    bool TrazaActiva() const override { return vivo_.TrazaActiva(); }
    void AnadeLineaTraza(const std::string& linea) override { vivo_.AnadeLineaTraza(linea); }
    int OpcionAlu(int cop) override { return vivo_.OpcionAlu(cop); }
    TTipoControl EligeControl() override { return vivo_.EligeControl(); }
    Microprograma EditaMicroprograma() override {
        return microprograma_ ? *microprograma_ : vivo_.EditaMicroprograma();
    }
    void SetTipoControlMapaAlu(TTipoControl tipo) override { vivo_.SetTipoControlMapaAlu(tipo); }
    void ReiniciaTraza() override { vivo_.ReiniciaTraza(); }
    void AvisoBreakpoint() override { vivo_.AvisoBreakpoint(); }
    void Monitoriza(TOrganizacion& up) override { vivo_.Monitoriza(up); }
    void MostrarMicroprograma(TFrameControl& uc) override { vivo_.MostrarMicroprograma(uc); }
    void MostrarMaquinaEstados(TTipoControl tipo) override { vivo_.MostrarMaquinaEstados(tipo); }
    void DestelloReloj(const TFrameControl& uc) override { vivo_.DestelloReloj(uc); }
    void FinDeCiclo() override { vivo_.FinDeCiclo(); }

private:
    AnfitrionMaquina& vivo_;
    std::optional<Microprograma> microprograma_;
};

SesionSimulacion::SesionSimulacion(AnfitrionMaquina& anfitrion, OrigenSimulacion origen, bool conHistoria)
    : origen_(std::move(origen)), conHistoria_(conHistoria),
      anfitrion_(std::make_unique<AnfitrionSesion>(anfitrion, origen_.microprograma)) {
    motor_ = Abre();
    if (conHistoria_) {
        historia_ = std::make_unique<Historia>(*motor_, *anfitrion_);
    }
}

SesionSimulacion::~SesionSimulacion() = default;

std::unique_ptr<TSimuladorVelmo> SesionSimulacion::Abre() {
    anfitrion_->mensajes.clear();
    return origen_.bytes ? std::make_unique<TSimuladorVelmo>(*anfitrion_, origen_.nombre, *origen_.bytes)
                         : std::make_unique<TSimuladorVelmo>(*anfitrion_, origen_.nombre);
}

void SesionSimulacion::Reinicia() {
    // Opened before the old one goes, so a reset that fails leaves the session as it was.
    std::unique_ptr<TSimuladorVelmo> nuevo = Abre();
    historia_.reset();
    motor_ = std::move(nuevo);
    if (conHistoria_) {
        historia_ = std::make_unique<Historia>(*motor_, *anfitrion_);
    }
}

ResultadoEjecucion
SesionSimulacion::Paso(ResultadoEjecucion (TSimuladorVelmo::*orden)(std::int64_t, const OpcionesEjecucion&),
                       std::int64_t n, const OpcionesEjecucion& opciones) {
    anfitrion_->mensajes.clear();
    return (motor_.get()->*orden)(n, opciones);
}

ResultadoEjecucion SesionSimulacion::Ciclos(std::int64_t n, const OpcionesEjecucion& opciones) {
    return Paso(&TSimuladorVelmo::EjecutaCiclos, n, opciones);
}

ResultadoEjecucion SesionSimulacion::Instrucciones(std::int64_t n, const OpcionesEjecucion& opciones) {
    return Paso(&TSimuladorVelmo::EjecutaInstrucciones, n, opciones);
}

ResultadoEjecucion SesionSimulacion::HastaBreakpoint(const OpcionesEjecucion& opciones) {
    anfitrion_->mensajes.clear();
    return motor_->EjecutaHastaBreakpoint(opciones);
}

EjecucionPorTramos SesionSimulacion::PorTramos(TipoEjecucion tipo, std::int64_t n,
                                               OpcionesEjecucion opciones) {
    anfitrion_->mensajes.clear();
    return EjecucionPorTramos(*motor_, tipo, n, std::move(opciones));
}

ResultadoEjecucion SesionSimulacion::Atras(bool instruccion) {
    anfitrion_->mensajes.clear();
    ResultadoEjecucion r;
    const std::int32_t ciclos = motor_->NumCiclos();
    const std::int32_t instrucciones = motor_->NumInst();
    const bool hecho =
        historia_ && (instruccion ? historia_->RetrocedeInstruccion() : historia_->RetrocedeCiclo());
    if (!hecho) {
        r.fin = FinEjecucion::NadaQueDeshacer;
        return r;
    }
    r.ciclos = ciclos - motor_->NumCiclos();
    r.instrucciones = instrucciones - motor_->NumInst();
    return r;
}

ResultadoEjecucion SesionSimulacion::CicloAnterior() {
    return Atras(false);
}

ResultadoEjecucion SesionSimulacion::InstruccionAnterior() {
    return Atras(true);
}

FotoEstado SesionSimulacion::Foto() const {
    FotoEstado f = TomaFoto(*motor_);
    f.mensajes = anfitrion_->mensajes;
    return f;
}

const std::vector<std::string>& SesionSimulacion::Mensajes() const {
    return anfitrion_->mensajes;
}

} // namespace velmo

#include "Historia.h"

#include "AnfitrionSinVentanas.h"

#include <algorithm>
#include <exception>

namespace velmo {

/// The host of the silent copy: a host without windows that opens the file with the live simulation's own
/// answers, asks the live host for the ALU options, and keeps no box (a replayed cycle must not show or
/// pile up a box twice).
class AnfitrionRepeticion : public AnfitrionSinVentanas {
public:
    AnfitrionRepeticion(AnfitrionMaquina& vivo, TTipoControl control, const Microprograma& microprograma)
        : vivo_(vivo) {
        this->control = control;
        this->microprograma = microprograma;
    }

    void MuestraMensaje(const std::string&, const std::string&, IconoMensaje) override {}
    int OpcionAlu(int cop) override { return vivo_.OpcionAlu(cop); }

private:
    AnfitrionMaquina& vivo_;
};

namespace {

std::size_t Texto(const std::string& s) {
    // Short texts live inside the string object itself.
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}

std::size_t Palabras(const std::array<TregInst, kPalabrasMemoria>& v) {
    std::size_t n = 0;
    for (const auto& r : v) {
        n += Texto(r.cop) + Texto(r.Descripcion);
    }
    return n;
}

std::size_t Cables(const TElemento& e) {
    std::size_t n = e.LosCables.capacity() * sizeof(TCable);
    for (const auto& c : e.LosCables) {
        n += Texto(c.Nombre);
    }
    return n;
}

std::size_t Tabla(const TablaNombreValor::Datos& d) {
    std::size_t n =
        d.NombreCables.capacity() * sizeof(std::string) + d.ValorCables.capacity() * sizeof(ValorCelda);
    for (const auto& s : d.NombreCables) {
        n += Texto(s);
    }
    for (const auto& v : d.ValorCables) {
        n += Texto(v.texto);
    }
    return n;
}

} // namespace

std::size_t Historia::BytesInstantanea(const TSimuladorVelmo::Instantanea& i) {
    std::size_t n = sizeof(i);
    n += std::visit([](const auto& uc) { return Cables(uc) + Texto(uc.tipo); }, i.uc);
    for (const TElemOrg* e : std::initializer_list<const TElemOrg*>{&i.pc, &i.a, &i.b, &i.ir, &i.fz, &i.mux,
                                                                    &i.alu, &i.memoria, &i.incrementador}) {
        n += Cables(*e) + Texto(e->tipo);
    }
    for (const TRegistro* r : {&i.pc, &i.a, &i.b, &i.ir, &i.fz}) {
        n += Texto(r->NombreReg);
    }
    n += Palabras(i.memoria.VectorReginst) + Palabras(i.vistaMemoria.VectorReginst);
    n += Tabla(i.registros) + Tabla(i.cablesMem) + Tabla(i.cablesCtrl);
    return n;
}

std::size_t Historia::BytesInstantanea(const TSimuladorVelmo::InstantaneaCompacta& i) {
    std::size_t n = sizeof(i);
    for (const auto* t : {&i.tablaRegistros, &i.tablaCablesMem, &i.tablaCablesCtrl}) {
        n += t->celdas.capacity() * sizeof(TSimuladorVelmo::CeldaCompacta) +
             t->textos.capacity() * sizeof(t->textos.front());
        for (const auto& [k, s] : t->textos) {
            n += Texto(s);
        }
    }
    return n;
}

void Historia::Bits::QuitaPrincipio(std::size_t k) {
    inicio_ += std::min(k, size());
    // Bit 0 past a whole word means that word was full.
    while (inicio_ >= 64) {
        llenas_.pop_front();
        inicio_ -= 64;
    }
}

void Historia::Bits::Recorta(std::size_t k) {
    if (k >= size()) {
        return;
    }
    const std::size_t fin = k + inicio_; // bits kept, counted from the first word's bit 0
    if (fin / 64 < llenas_.size()) {
        enCurso_ = llenas_[fin / 64];
        llenas_.resize(fin / 64);
    }
    fin_ = static_cast<unsigned>(fin % 64);
    enCurso_ &= (std::uint64_t{1} << fin_) - 1;
}

Historia::Historia(TSimuladorVelmo& sim, AnfitrionMaquina& anfitrion, std::int64_t ciclosMinimos,
                   int intervalo)
    : sim_(sim), ciclosMinimos_(ciclosMinimos), intervalo_(intervalo) {
    anfitrionSombra_ = std::make_unique<AnfitrionRepeticion>(anfitrion, sim.TipoControl(),
                                                             sim.FrameUnidadDeControl().VectorMicroInst());
    try {
        // From the bytes the live simulation was opened with: the file may have changed or vanished since.
        sombra_ =
            std::make_unique<TSimuladorVelmo>(*anfitrionSombra_, sim.NomFichVelmo(), sim.BytesEjecutable());
    } catch (const std::exception&) {
        // Its opening cycle fails now: only the moments held as snapshots can be reached.
        sombra_.reset();
    }
    fotos_.push_back(sim_.TomaCompacta());
    if (intervalo_ <= 0) {
        const std::size_t porFoto = BytesInstantanea(fotos_.front());
        intervalo_ = 64;
        while (static_cast<std::size_t>(ciclosMinimos_ / intervalo_ + 2) * porFoto > kMemoriaMaxima) {
            intervalo_ *= 2;
        }
    }
    base_ = actual_ = sim_.NumCiclos();
    hastaFoto_ = intervalo_;
    descarte_ = base_ + intervalo_ + ciclosMinimos_;
    finales_.push_back(sim_.findeinstruccion());
    sim_.SetHistoria(this);
}

Historia::~Historia() {
    sim_.SetHistoria(nullptr);
}

void Historia::Vacia() {
    fotos_.clear();
    finales_.clear();
    fotos_.push_back(sim_.TomaCompacta());
    finales_.push_back(sim_.findeinstruccion());
    base_ = actual_ = sim_.NumCiclos();
    hastaFoto_ = intervalo_;
    descarte_ = base_ + intervalo_ + ciclosMinimos_;
}

void Historia::CierraBloque() {
    if (hastaFoto_ == 0) {
        hastaFoto_ = intervalo_;
        fotos_.push_back(sim_.TomaCompacta());
    }
    while (actual_ >= descarte_ && fotos_.size() > 1) {
        fotos_.pop_front();
        finales_.QuitaPrincipio(static_cast<std::size_t>(intervalo_));
        base_ += intervalo_;
        descarte_ += intervalo_;
    }
}

std::optional<TSimuladorVelmo::InstantaneaCompacta> Historia::Reconstruye(std::int64_t ciclo) const {
    const auto j = static_cast<std::size_t>((ciclo - base_) / intervalo_);
    const std::int64_t desde = base_ + static_cast<std::int64_t>(j) * intervalo_;
    if (ciclo == desde) {
        return fotos_[j];
    }
    if (!sombra_) {
        return std::nullopt;
    }
    try {
        sombra_->RestauraCompacta(fotos_[j]);
        for (std::int64_t c = desde; c < ciclo; ++c) {
            sombra_->EjecutaCiclo();
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return sombra_->TomaCompacta();
}

bool Historia::VuelveA(std::int64_t ciclo) {
    if (ciclo < base_ || ciclo >= actual_) {
        return false;
    }
    const auto foto = Reconstruye(ciclo);
    if (!foto) {
        return false;
    }
    sim_.RestauraCompacta(*foto);
    // Going forward again runs the machine anew from here.
    actual_ = ciclo;
    fotos_.erase(fotos_.begin() + (ciclo - base_) / intervalo_ + 1, fotos_.end());
    hastaFoto_ = static_cast<int>(intervalo_ - (ciclo - base_) % intervalo_);
    finales_.Recorta(static_cast<std::size_t>(ciclo - base_) + 1);
    return true;
}

bool Historia::RetrocedeCiclo() {
    return VuelveA(actual_ - 1);
}

bool Historia::RetrocedeInstruccion() {
    std::int64_t ciclo = actual_ - 1;
    while (ciclo > base_ && !finales_[static_cast<std::size_t>(ciclo - base_)]) {
        --ciclo;
    }
    return VuelveA(ciclo);
}

std::size_t Historia::BytesOcupados() const {
    std::size_t n = finales_.Bytes();
    for (const auto& f : fotos_) {
        n += BytesInstantanea(f);
    }
    return n;
}

bool Historia::Recorre(const std::function<void(const TSimuladorVelmo&)>& visita) const {
    if (!sombra_) {
        return false;
    }
    try {
        sombra_->RestauraCompacta(fotos_.front());
        visita(*sombra_);
        for (std::int64_t c = base_; c < actual_; ++c) {
            sombra_->EjecutaCiclo();
            visita(*sombra_);
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace velmo

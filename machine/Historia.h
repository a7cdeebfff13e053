#pragma once
// The history of one simulation, so the user can step back a cycle or an instruction. It keeps a full
// snapshot every `intervalo` cycles and one bit per cycle (an instruction ended there); any moment in between
// is rebuilt by replaying the cycles after the snapshot before it on a second, silent copy of the machine
// opened from the same executable bytes. Snapshots hold values only (about 1 KB each); a full copy of
// the machine with its texts would take some 30 KB.

#include "objSimuladorVelmo.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace velmo {

class AnfitrionRepeticion;

class Historia {
public:
    /// Cycles held at least (older ones are dropped a block at a time).
    static constexpr std::int64_t kCiclosMinimos = 1'000'000;
    /// What the snapshots may take for kCiclosMinimos cycles; the interval grows until they fit.
    static constexpr std::size_t kMemoriaMaxima = 1u << 20;

    /// Follows `sim` from its current moment on (it becomes the oldest one held). `anfitrion` is the live
    /// simulation's host: replayed cycles ask it for the ALU options, as the live ones do, and show nothing.
    /// `intervalo` 0 picks the smallest power of two (at least 64) that keeps the snapshots within
    /// kMemoriaMaxima.
    Historia(TSimuladorVelmo& sim, AnfitrionMaquina& anfitrion, std::int64_t ciclosMinimos = kCiclosMinimos,
             int intervalo = 0);
    ~Historia();
    Historia(const Historia&) = delete;
    Historia& operator=(const Historia&) = delete;

    /// The live simulation just ran a cycle (it calls this itself, after every cycle: kept small and inline).
    /// A cycle that does not follow the last one held (the machine was put back some other way) starts the
    /// history again from there.
    void Registra() {
        const std::int64_t ciclo = sim_.NumCiclos();
        if (ciclo != actual_ + 1) [[unlikely]] {
            Vacia();
            return;
        }
        actual_ = ciclo;
        finales_.push_back(sim_.findeinstruccion());
        // Counted down rather than divided.
        if (--hastaFoto_ == 0 || actual_ >= descarte_) [[unlikely]] {
            CierraBloque();
        }
    }

    /// Puts the live simulation back one cycle; false when nothing older is held.
    bool RetrocedeCiclo();
    /// Back to where the last instruction ended before the current moment (undoing a partial one first),
    /// or to the oldest moment held; false when nothing older is held.
    bool RetrocedeInstruccion();

    /// Forgets everything but the current moment.
    void Vacia();

    /// How many cycles back can be undone.
    std::int64_t CiclosAtras() const { return actual_ - base_; }
    /// Cycle number (NumCiclos) of the oldest moment held.
    std::int64_t PrimerCiclo() const { return base_; }
    int Intervalo() const { return intervalo_; }
    /// Bytes the snapshots and the bits take now.
    std::size_t BytesOcupados() const;
    /// Bytes one snapshot takes, its text included.
    static std::size_t BytesInstantanea(const TSimuladorVelmo::Instantanea& i);
    /// Bytes one snapshot of the history takes.
    static std::size_t BytesInstantanea(const TSimuladorVelmo::InstantaneaCompacta& i);

    /// Calls `visita` with the machine at every moment held, oldest first, the current one last. The live
    /// simulation is not touched. False when the moments could not be rebuilt.
    bool Recorre(const std::function<void(const TSimuladorVelmo&)>& visita) const;

private:
    // A snapshot when one is due, and the oldest block dropped once the rest holds the cycles promised.
    void CierraBloque();
    bool VuelveA(std::int64_t ciclo);
    // The machine at `ciclo` (base_ <= ciclo <= actual_), rebuilt on the silent copy.
    std::optional<TSimuladorVelmo::InstantaneaCompacta> Reconstruye(std::int64_t ciclo) const;

    TSimuladorVelmo& sim_;
    std::unique_ptr<AnfitrionRepeticion> anfitrionSombra_;
    std::unique_ptr<TSimuladorVelmo> sombra_; // null when its opening cycle failed
    std::int64_t ciclosMinimos_;
    int intervalo_;
    std::int64_t base_ = 0;
    std::int64_t actual_ = 0;
    int hastaFoto_ = 0;         // cycles until the next snapshot is due
    std::int64_t descarte_ = 0; // from this cycle on the oldest block is no longer needed
    std::deque<TSimuladorVelmo::InstantaneaCompacta> fotos_; // fotos_[j] at cycle base_ + j * intervalo_
    // One bit per cycle, packed: the word being filled apart, the full ones dropped from the front a block
    // at a time.
    class Bits {
    public:
        void push_back(bool b) {
            enCurso_ |= std::uint64_t{b} << fin_;
            if (++fin_ == 64) {
                llenas_.push_back(enCurso_);
                enCurso_ = 0;
                fin_ = 0;
            }
        }
        bool operator[](std::size_t i) const {
            const std::size_t p = i + inicio_;
            const std::uint64_t w = p / 64 < llenas_.size() ? llenas_[p / 64] : enCurso_;
            return ((w >> (p % 64)) & 1U) != 0;
        }
        std::size_t size() const { return llenas_.size() * 64 + fin_ - inicio_; }
        void clear() {
            llenas_.clear();
            enCurso_ = 0;
            fin_ = inicio_ = 0;
        }
        /// Forgets the first `k` bits.
        void QuitaPrincipio(std::size_t k);
        /// Keeps the first `k` bits.
        void Recorta(std::size_t k);
        std::size_t Bytes() const { return (llenas_.size() + 1) * sizeof(std::uint64_t); }

    private:
        std::deque<std::uint64_t> llenas_;
        std::uint64_t enCurso_ = 0;
        unsigned fin_ = 0;       // bits in use in enCurso_
        std::size_t inicio_ = 0; // bit of the first word that is bit 0
    };
    Bits finales_; // finales_[c - base_]: an instruction ended at cycle c
};

} // namespace velmo

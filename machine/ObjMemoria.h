#pragma once
// The main memory: 128 words with their descriptions.

#include "ObjElemOrg.h"
#include "RegInst.h"

#include <array>
#include <cstdint>

namespace velmo {

class TMemoria : public TElemOrg {
public:
    std::int32_t Tamanyo = kPalabrasMemoria;
    std::array<TregInst, kPalabrasMemoria> VectorReginst; // index = address
    std::uint16_t ValorOUT = 0;                           // word read in this cycle
    std::uint16_t IndiceCableOutIR = 0;
    std::uint16_t IndiceCableOutA = 0;
    std::uint16_t IndiceCableOutB = 0;
    std::uint16_t PermisoCarga = 0; // 1: write at the next clock edge
    std::uint16_t IndiceCablein = 0;
    bool IsCopModif = false; // the word read is a CLEAR, ACUM or MOVD instruction
    std::int32_t ver = 0;    // 0 plain, 1 modified, 2 configurable

    TMemoria(Anfitrion& anfitrion, std::uint16_t ncables);

    void Inicializa() override;
    void Comportamiento() override;

    /// Addresses outside 0..127 write nothing and give false; the read of the cycle that selected such an
    /// address has already told the user.
    bool EscribirInstruccion(const TregInst& reg, int direccion);
    bool EscribirValor(std::uint16_t valor, int direccion);

    /// The word at `direccion`; false (and `reg` untouched) outside 0..127.
    bool LeerInstruccion(int direccion, TregInst& reg) const;

    void SetVersionVL(std::int32_t v) { ver = v; }
    void SetIndiceCableOutIR(std::uint16_t v) { IndiceCableOutIR = v; }
    void SetIndiceCableOutA(std::uint16_t v) { IndiceCableOutA = v; }
    void SetIndiceCableOutB(std::uint16_t v) { IndiceCableOutB = v; }
    void SetPermisoCarga(std::uint16_t v) { PermisoCarga = v; }
    void SetIndiceCableIn(std::uint16_t v) { IndiceCablein = v; }

    static bool DireccionValida(int direccion) { return direccion >= 0 && direccion < kPalabrasMemoria; }

    /// Bit i of word i / 64: word i was written by the machine since it was put in place (a written word is
    /// its file word decoded again from its value).
    using Escritas = std::array<std::uint64_t, 2>;
    const Escritas& PalabrasEscritas() const { return escritas_; }
    void SetPalabrasEscritas(const Escritas& e) { escritas_ = e; }

private:
    Escritas escritas_{};
    // Whether each word's mnemonic is CLEAR, ACUM or MOVD, kept with every write so a read compares no text.
    std::array<bool, kPalabrasMemoria> copLargo_{};
    void ActualizaCopLargo(std::size_t direccion);
};

} // namespace velmo

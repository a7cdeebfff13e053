#pragma once
// The microprogrammed control unit: the fixed microprogram of the plain machine, or the user's
// microprogram of the microprogrammable machine.

#include "MicroInstruccion.h"
#include "ObjUnidadControl.h"
#include "TiposMaquina.h"

#include <array>

namespace velmo {

class TUCMicroProgramada : public TUnidadControl {
public:
    bool microeditable = false;      // true: control words and sequencing come from VectorMicroInst
    Microprograma VectorMicroInst{}; // index = microaddress

    static constexpr std::array<TRegCAblesUP, 14> kMicroprogramaFijo = {{
        {0, 0, 0, 1, 1, 0, 0, 0}, // 0 fetch
        {0, 0, 0, 0, 0, 0, 0, 0}, // 1 decode, bit 0 of cop
        {0, 0, 0, 0, 0, 0, 0, 0}, // 2 decode ADD / MOV
        {2, 0, 0, 0, 0, 0, 1, 0}, // 3 ADD: B <- M[src]
        {3, 0, 0, 0, 0, 1, 0, 0}, // 4 ADD: A <- M[dst]
        {3, 0, 1, 0, 0, 0, 0, 1}, // 5 ADD: M[dst] <- A+B
        {2, 0, 0, 0, 0, 0, 1, 0}, // 6 MOV: B <- M[src]
        {3, 2, 1, 0, 0, 0, 0, 1}, // 7 MOV: M[dst] <- B
        {0, 0, 0, 0, 0, 0, 0, 0}, // 8 decode CMP / BEQ
        {2, 0, 0, 0, 0, 0, 1, 0}, // 9 CMP: B <- M[src]
        {3, 0, 0, 0, 0, 1, 0, 0}, // 10 CMP: A <- M[dst]
        {3, 1, 0, 0, 0, 0, 0, 1}, // 11 CMP: FZ
        {0, 0, 0, 0, 0, 0, 0, 0}, // 12 BEQ: decide on FZ
        {3, 0, 0, 1, 1, 0, 0, 0}, // 13 BEQ taken: fetch at dst
    }};

    /// The engine gives it 10 ports.
    explicit TUCMicroProgramada(Anfitrion& anfitrion, std::uint16_t ncables = 10);

    /// Stores microinstruction `mi` at `direccion`; outside 0..15 an error box and nothing stored.
    void SetMicroinst(int direccion, const TMicroInstProgramable& mi);

    void SetUp() override;
    void Comportamiento() override;

    /// Whether a user microinstruction's jump is taken for this opcode and zero flag.
    static bool SaltoTomado(std::uint16_t test, int cop, int fz);

private:
    void SiguienteFijo(int cop, int fz);
    /// Takes a decoding state's branch to `siguiente`, tracing the opcode between `antes` and `despues`.
    void DecideFijo(std::uint8_t siguiente, int cop, const char* antes, const char* despues);
    void SiguienteEditable(int cop, int fz);
    void ErrorMicroprograma(int direccion);
};

} // namespace velmo

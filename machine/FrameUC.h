#pragma once
// State of the control-unit diagram: the control kind, the five signals of its picture with their
// active flags, the current microinstruction row and the user's 16 microinstructions.

#include "EstadoVentana.h"
#include "FrameUP.h"
#include "MicroInstruccion.h"
#include "TiposMaquina.h"

#include <array>
#include <cstdint>

namespace velmo {

inline constexpr int kCablesFrameControl = 5;

struct DatosFrameControl {
    TTipoControl tipocontrol = tMicroprogramado;
    std::uint16_t FilaMicroprograma = 0;
    Microprograma VectorMicroInst{};
    std::array<bool, kCablesFrameControl> activado{};
    bool operator==(const DatosFrameControl&) const = default;
};

class TFrameControl : public EstadoVentanaConDatos<DatosFrameControl> {
public:
    static constexpr int kNumCables = kCablesFrameControl;
    /// Index of the clock line of the hard-wired pictures.
    static constexpr int kCableReloj = 2;

    TFrameControl() = default;

    /// The five signals of the picture of the current kind, all active (a fresh diagram shows them red).
    void CreaCablesControl() { datos_.activado.fill(true); }

    /// The signal `indice` of the picture of the current kind.
    const TRegConfCable& Cable(int indice) const;

    TTipoControl prtipocontrol() const { return datos_.tipocontrol; }
    void Settipocontrol(TTipoControl t) { datos_.tipocontrol = t; }

    /// The current microinstruction row (microprogrammed kinds); the window repaints.
    void SetFilaActual(std::uint16_t fila) {
        datos_.FilaMicroprograma = fila;
        Repinta();
    }
    std::uint16_t FilaActual() const { return datos_.FilaMicroprograma; }
    std::uint16_t prfilamicro() const { return datos_.FilaMicroprograma; }

    const Microprograma& VectorMicroInst() const { return datos_.VectorMicroInst; }
    void SetVectorMicroInst(const Microprograma& m) { datos_.VectorMicroInst = m; }

    bool Activado(int indice) const { return datos_.activado[static_cast<std::size_t>(indice)]; }
    void ActivaTodos() { datos_.activado.fill(true); }

    /// Draw the flagged signals over the current picture.
    void ActualizaBitmap() const { Avisa(Aviso::ActualizaBitmap); }

private:
};

} // namespace velmo

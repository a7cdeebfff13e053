#pragma once
// State of the memory view ("Memoria"): the view's copy of the 128 words with their descriptions, the
// breakpoints, the current row and which rows are visible. Breakpoints are toggled here, so the grid
// only passes the clicked row on.

#include "EstadoVentana.h"
#include "RegInst.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmo {

class AnfitrionMaquina;

struct DatosMemoriaVLM {
    std::array<TregInst, kPalabrasMemoria> VectorReginst;
    std::array<bool, kPalabrasMemoria> VectorBreakpoints{};
    std::uint16_t FilaActual = 0;
    bool HayBreakpoint = false;
    std::int32_t ver = 0;
    int PrimeraFilaVisible = 0;
    int FilasVisibles = 20;
    bool operator==(const DatosMemoriaVLM&) const = default;
};

class TMemoriaVLM : public EstadoVentanaConDatos<DatosMemoriaVLM> {
public:
    /// Gutter pictures: none, current row, current row with a breakpoint, breakpoint.
    enum ImagenGutter { SinImagen = 0, ImagenActual = 1, ImagenActualBreakpoint = 2, ImagenBreakpoint = 3 };

    /// `anfitrion` shows the notice after a breakpoint is set; without one no notice is shown.
    explicit TMemoriaVLM(AnfitrionMaquina* anfitrion = nullptr);

    void Inicializa() { SetFilaActual(0); }
    void SetVersionVL(std::int32_t v) { datos_.ver = v; }
    std::int32_t GetVersionVL() const { return datos_.ver; }

    void EscribirInstruccion(const TregInst& reg, int direccion);
    void LeerInstruccion(int direccion, TregInst& reg) const;
    /// A memory write: the word's value, then its mnemonic and operands decoded again for the version.
    void EscribirValor(std::uint16_t valor, std::uint16_t direccion);

    /// The row of the instruction being executed; scrolls so that it is visible. Does not repaint.
    void SetFilaActual(std::uint16_t direccion);
    /// Puts back a copy of the contents (stepping back) and repaints; its current row is kept in view
    /// like every other change of the current row.
    void RestauraContenido(const Datos& datos);
    std::uint16_t prFilaActual() const { return datos_.FilaActual; }
    bool prHayBreakpoints() const { return datos_.HayBreakpoint; }

    /// False for any address outside 0..127.
    bool Haybreakpointbyindex(std::int32_t direccion) const;

    /// A cell of row `fila` became selected: toggles that row's breakpoint, with the following row for
    /// MOVD and ACUM (their constant lives there); the notice after setting one; repaints.
    void TablaMemoriaSelectCell(int columna, int fila);

    /// The grid's visible rows, reported by the window when it scrolls or is resized.
    void SetFilasVisibles(int primera, int cuantas);

    /// The text of a cell (columns 1 to 4; the gutter has none).
    std::string TextoCelda(int columna, int fila) const;
    ImagenGutter ImagenDeFila(int fila) const;

private:
    AnfitrionMaquina* anfitrion_;
};

} // namespace velmo

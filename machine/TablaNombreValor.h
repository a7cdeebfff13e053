#pragma once
// The shape shared by the register, control-signal and memory-signal tables: names and their values.
// Values are stored as numbers with the way to write them and formatted only when a window asks, so a
// cycle that updates every entry builds no text.

#include "EstadoVentana.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

/// One value cell: a literal text, or a number written in binary (with a digit count) or in decimal.
struct ValorCelda {
    enum Forma : std::uint8_t { Texto, Binario, Decimal };
    Forma forma = Texto;
    std::uint8_t digitos = 0;
    std::int32_t numero = 0;
    std::string texto;

    std::string Formatea() const;
    bool operator==(const ValorCelda&) const = default;
};

struct DatosTablaNombreValor {
    std::vector<std::string> NombreCables;
    std::vector<ValorCelda> ValorCables;
    bool operator==(const DatosTablaNombreValor&) const = default;
};

class TablaNombreValor : public EstadoVentanaConDatos<DatosTablaNombreValor> {
public:
    /// Names and initial values; repaints.
    void Inicializa();

    /// The first entry whose name equals `nombre` exactly gets the text; an unknown name changes nothing.
    void SetValorCablesByName(const std::string& valor, const std::string& nombre);

    /// Index of the first entry with that exact name, -1 when there is none. Resolve once, then use the
    /// numeric setters below every cycle.
    int IndiceDe(const std::string& nombre) const;

    /// Entry `indice` shows `valor` as `digitos` binary digits.
    void SetValorBinario(int indice, int valor, int digitos);
    /// Entry `indice` shows `valor` in decimal.
    void SetValorDecimal(int indice, int valor);

    /// The engine's per-cycle stores into an entry it resolved (-1: none): no notice, since the end of every
    /// cycle repaints each table once.
    void PonBinario(int indice, int valor, int digitos) {
        if (indice >= 0) {
            auto& celda = datos_.ValorCables[static_cast<std::size_t>(indice)];
            celda.forma = ValorCelda::Binario;
            celda.numero = valor;
            celda.digitos = static_cast<std::uint8_t>(digitos);
        }
    }
    void PonDecimal(int indice, int valor) {
        if (indice >= 0) {
            auto& celda = datos_.ValorCables[static_cast<std::size_t>(indice)];
            celda.forma = ValorCelda::Decimal;
            celda.numero = valor;
        }
    }

    int NumCables() const { return static_cast<int>(datos_.NombreCables.size()); }
    const std::string& NombreCable(int i) const {
        return datos_.NombreCables.at(static_cast<std::size_t>(i));
    }
    /// The value text of entry i as the window shows it (without the two leading spaces).
    std::string ValorCable(int i) const {
        return datos_.ValorCables.at(static_cast<std::size_t>(i)).Formatea();
    }

    /// The text entry `i` shows before the engine writes it (what Inicializa puts back).
    const char* TextoInicial(int i) const { return entradas_.at(static_cast<std::size_t>(i)).inicial; }

    /// The grid cell text of the two-column tables: two spaces, then the name (column 0) or the value.
    virtual std::string TextoCelda(int columna, int fila) const;

protected:
    struct Entrada {
        const char* nombre;
        const char* inicial;
    };
    explicit TablaNombreValor(std::vector<Entrada> entradas);
    /// One more entry after the others, at its initial value.
    void AnadeEntrada(Entrada entrada);

    /// The control-signal table repaints after every change; the other two wait for the engine.
    virtual bool RepintaCadaCambio() const { return false; }

private:
    void Cambiado() const;

    std::vector<Entrada> entradas_;
};

} // namespace velmo

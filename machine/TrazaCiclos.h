#pragma once
// Recorded traces of a run: one sample of the machine per cycle, written as CSV (a line per cycle) or as a
// Value Change Dump (IEEE 1364) that waveform viewers read. The command line and the desktop's
// "Guardar traza..." share them.

#include "CablesMaquina.h"
#include "objSimuladorVelmo.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace velmo {

struct MuestraCiclo {
    std::int32_t ciclo = 0;
    std::int32_t instrucciones = 0;
    std::int32_t estado = 0;                               // the state or microaddress just executed
    std::array<std::uint16_t, mapa::kNumCables> senales{}; // datapath signals, cut to their width
    std::array<bool, mapa::kNumCables> activas{};
    std::uint16_t pc = 0, ir = 0, a = 0, b = 0, fz = 0;
    std::uint16_t direccion = 0; // memory address
    std::uint16_t entrada = 0;   // data into memory
    std::uint16_t salida = 0;    // data out of memory
    bool escritura = false;      // memory write at the next edge
    std::uint16_t regAux = 0;    // the configurable machine's auxiliary register; 0 on the others

    bool operator==(const MuestraCiclo&) const = default;
};

/// What the windows show after the last cycle run.
MuestraCiclo TomaMuestra(const TSimuladorVelmo& sim);

/// A column of the trace: its name and width in bits, in the order written.
struct ColumnaTraza {
    std::string nombre;
    int bits;
};
const std::vector<ColumnaTraza>& ColumnasTraza();
/// The sample's values in column order.
std::vector<std::uint32_t> ValoresMuestra(const MuestraCiclo& m);
/// The same into `valores`, reusing its storage.
void ValoresMuestra(const MuestraCiclo& m, std::vector<std::uint32_t>& valores);

class EscritorTraza {
public:
    virtual ~EscritorTraza() = default;
    virtual void Escribe(const MuestraCiclo& m) = 0;
};

/// Header line with the column names, then one line per sample, unsigned decimal values, '\n' endings.
class TrazaCsv : public EscritorTraza {
public:
    explicit TrazaCsv(std::ostream& salida);
    void Escribe(const MuestraCiclo& m) override;

private:
    std::ostream& salida_;
    std::vector<std::uint32_t> valores_;
    std::string linea_;
};

/// Header with a $var per column (the cycle number is the time), then "#ciclo" and only the values that
/// changed; the first sample dumps every value.
class TrazaVcd : public EscritorTraza {
public:
    explicit TrazaVcd(std::ostream& salida);
    void Escribe(const MuestraCiclo& m) override;
    /// The identifier code of column `i`.
    static std::string Identificador(std::size_t i);

private:
    std::ostream& salida_;
    std::vector<std::uint32_t> anteriores_;
    std::vector<std::uint32_t> valores_;
    std::vector<std::string> identificadores_;
    std::string linea_;
    bool primera_ = true;
};

} // namespace velmo

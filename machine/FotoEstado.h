#pragma once
// The state picture: everything the simulation windows show after a cycle, as plain copyable data
// (numbers, texts, vectors), made by one call. The desktop's windows, velmo-sim's report and a browser
// page read this instead of the machine's elements.

#include "TiposMaquina.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

class TSimuladorVelmo;

struct FilaMemoriaFoto {
    std::uint16_t valor = 0;
    /// The memory view's four text columns: address, description, value in binary, instruction.
    std::array<std::string, 4> textos;
    bool breakpoint = false;
    /// The gutter picture (TMemoriaVLM::ImagenGutter): 0 none, 1 current, 2 current with breakpoint, 3
    /// breakpoint.
    int imagen = 0;

    bool operator==(const FilaMemoriaFoto&) const = default;
};

/// A name with its value as a table shows it.
struct EntradaTablaFoto {
    std::string nombre;
    std::string valor;

    bool operator==(const EntradaTablaFoto&) const = default;
};

/// A datapath signal: its name, value (as the diagram's probes read it) and whether this cycle used it.
struct SenalFoto {
    std::string nombre;
    std::int16_t valor = 0;
    bool activa = false;

    bool operator==(const SenalFoto&) const = default;
};

struct FotoEstado {
    int version = 1; // 1, 2 or 3, as `.ver`
    TTipoControl control = tnormal;
    std::int32_t ciclos = -1;
    std::int32_t instrucciones = -1;
    /// The state (hard-wired) or microaddress just executed.
    std::int32_t estado = 0;
    /// The memory view's current row and the control-unit diagram's microinstruction row.
    std::int32_t filaActual = 0;
    std::int32_t filaMicroprograma = 0;
    bool finInstruccion = false;

    /// Each register's current output, unsigned; RegAux of the configurable machine.
    std::uint16_t pc = 0, ir = 0, a = 0, b = 0, fz = 0;
    std::int32_t regAux = 0;
    bool regAuxActivo = false;
    bool regAuxLeido = false;

    std::vector<FilaMemoriaFoto> memoria; // 128 rows
    std::vector<EntradaTablaFoto> registros, senalesMemoria, senalesControl;
    std::vector<SenalFoto> senales;      // the 23 datapath signals
    std::array<bool, 5> cablesControl{}; // the control-unit diagram's five lines, active or not
    std::vector<std::string> captions;   // window captions: datapath, control unit

    /// Text of every information, warning or error box raised since the last step began (or since
    /// the opening), in order; questions excluded. Filled by the session that keeps them.
    std::vector<std::string> mensajes;

    bool operator==(const FotoEstado&) const = default;
};

/// The picture of `sim` as it stands (messages left empty).
FotoEstado TomaFoto(const TSimuladorVelmo& sim);

} // namespace velmo

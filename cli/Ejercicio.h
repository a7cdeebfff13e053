#pragma once
// An exercise with test cases, as a teacher writes it in a JSON file: the machine it is for, how each case
// prepares the memory, how far it runs and what it must leave. Read from text (no file is touched), so the
// grading tool and a browser page read the same exercises the same way.

#include "MicroInstruccion.h"
#include "TiposMaquina.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

/// A memory word named in an exercise: by address, or by a name as the executable's word descriptions give
/// it (a variable, the first word of a vector, a label).
struct RefPalabra {
    int direccion = -1; // -1: by name
    std::string nombre;
    /// Where the exercise names it ("casos[0].memoria.suma"), for the messages.
    std::string campo;

    /// "20" or "suma".
    std::string Texto() const { return direccion >= 0 ? std::to_string(direccion) : nombre; }
};

/// Words from `donde` on: one value, or a list filling consecutive words.
struct ValoresMemoria {
    RefPalabra donde;
    std::vector<std::uint16_t> valores;
};

enum class ModoCaso { Instrucciones, Ciclos, Hasta };

/// What the state must be after the run; what is not given is not checked.
struct EsperadoCaso {
    std::vector<ValoresMemoria> memoria;
    std::optional<std::uint16_t> pc, ir, a, b, fz, regaux;
    std::optional<std::int32_t> ciclos, instrucciones;
    /// The boxes shown since the opening, exactly (an empty list: none).
    std::optional<std::vector<std::string>> mensajes;
};

struct CasoEjercicio {
    std::string nombre;
    double puntos = 0;
    bool oculto = false;
    std::vector<ValoresMemoria> memoria; // set before the opening
    ModoCaso modo = ModoCaso::Instrucciones;
    std::int64_t cuantos = 0; // instructions or cycles
    RefPalabra hasta;         // ModoCaso::Hasta: where the run stops
    std::int64_t maxCiclos = 0;
    EsperadoCaso esperado;
};

/// The bound of a case that gives none.
inline constexpr std::int64_t kMaxCiclosPorOmision = 100000;

struct Ejercicio {
    std::string titulo;
    int version = 1; // 1, 2 or 3, as `.ver`
    /// The control units every case runs under (version 1: any of the three; otherwise the only one).
    std::vector<TTipoControl> controles;
    /// Version 3: the exercise's own microprogram; none: each submission brings its own.
    std::optional<Microprograma> microprograma;
    /// Version 3: the selected item of each ALU option group.
    std::array<int, 4> alu{0, 0, 0, 0};
    std::vector<CasoEjercicio> casos;

    bool MicroprogramaDelAlumno() const { return version == 3 && !microprograma; }
    double PuntosTotales() const;
};

/// Reads and checks an exercise. On failure returns nothing and sets `error` to a Spanish text that begins
/// with the field at fault ("casos[1].puntos: debe ser un número mayor o igual que 0").
std::optional<Ejercicio> LeeEjercicio(const std::string& texto, std::string& error);


/// Points as a short text: "3", "1.5", "0.25".
std::string TextoPuntos(double puntos);

} // namespace velmo

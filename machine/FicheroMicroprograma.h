#pragma once
// The .mpr microprogram file: 17 records of 22 bytes (11 little-endian 16-bit words each); record 0 is a
// header whose Test word holds the magic 166, records 1 to 16 are microinstructions 0 to 15.

#include "MicroInstruccion.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmo {

inline constexpr std::size_t kTamRegistroMpr = 22;
inline constexpr std::size_t kRegistrosMpr = 1 + kMicroinstrucciones;
inline constexpr std::uint16_t kMagiaMpr = 166;

/// What the editor shows when a file is refused or a record is missing.
inline constexpr const char* kMensajeMprNoValido = "Fichero no válido (no se ha cargado)";
/// What the editor shows when saving fails.
inline constexpr const char* kMensajeMprErrorFichero = "Error de fichero";

enum class EstadoLecturaMpr {
    Correcto,
    NoSePuedeAbrir,     // the file cannot be opened: an error for the application's general report
    CabeceraIlegible,   // shorter than one record: the same
    CabeceraIncorrecta, // the magic is not 166: nothing loaded
    Incompleto,         // a microinstruction record is missing (the file is shorter than 374 bytes)
    FueraDeRango,       // a field holds a value the machine has no meaning for: nothing loaded
};

struct LecturaMicroprograma {
    EstadoLecturaMpr estado = EstadoLecturaMpr::NoSePuedeAbrir;
    /// Correcto: the 16 microinstructions. Incompleto: the first `leidas` are the whole records read.
    Microprograma microprograma{};
    int leidas = 0;
};

/// True when every field is within its range (MX10, ALU10 0..3; the bits 0..1; Salto 0..15; Test 0..7).
bool MicroinstruccionValida(const TMicroInstProgramable& m);

/// Reads the header and the 16 records only: whatever follows them is never read, so a device or a huge
/// file costs no more than a real one.
LecturaMicroprograma LeeFicheroMicroprograma(const std::string& ruta);
/// The same reading over the bytes of a microprogram held in memory (never NoSePuedeAbrir).
LecturaMicroprograma LeeMicroprograma(std::string_view bytes);

/// The whole file's bytes: header and the 16 microinstructions.
std::string BytesMicroprograma(const Microprograma& micro);

/// Writes header and the 16 microinstructions through a safe write (EscrituraSegura): a link is followed
/// and the file keeps its permissions; false on any failure (the old file, if any, is then left as it was).
bool GuardaFicheroMicroprograma(const std::string& ruta, const Microprograma& micro);

} // namespace velmo

#pragma once
// The .vlx executable: a header record naming the machine version, then the 128 memory words.

#include "RegInst.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmo {

inline constexpr int kRegistrosEjecutable = 1 + kPalabrasMemoria;

/// Header names of the three machine versions (`.ver` 1, 2, 3).
inline constexpr const char* kNombreVLM1 = "VLM1";
inline constexpr const char* kNombreVLM1Modif = "VLM1Modif";
inline constexpr const char* kNombreVLMConfigurable = "VLMConfigurable";

/// The header name of `.ver n`, or an empty text for any other n.
std::string NombreVersion(int ver);

/// The memory view's version code of a header name: 0 plain, 1 modified, 2 configurable; -1 unknown.
int CodigoVersionVL(const std::string& nombre);

using ImagenMemoria = std::array<TregInst, kPalabrasMemoria>;

/// 128 free words, each with its own address.
ImagenMemoria ImagenLibre();

enum class EstadoLectura {
    Correcto,
    NoSePuedeAbrir,     // the file could not be opened at all
    CabeceraIncorrecta, // record 0 missing or not one of the three version names; no word read
    Corrupto,           // a known header but fewer than 128 whole word records
};

struct LecturaEjecutable {
    EstadoLectura estado = EstadoLectura::NoSePuedeAbrir;
    TregInst cabecera;
    int version = -1;                       // CodigoVersionVL of the header
    ImagenMemoria palabras = ImagenLibre(); // words not read stay free
    int palabrasLeidas = 0;
};

/// Reads an executable as the simulator does: header first, then the words in order. Never throws for
/// the file's contents; what was found is in the result.
LecturaEjecutable LeeFicheroEjecutable(const std::string& ruta);

/// The same reading over the bytes of an executable held in memory (never NoSePuedeAbrir).
LecturaEjecutable LeeEjecutable(std::string_view bytes);

/// At most the first `limite` bytes of the file at `ruta` (the size of the records its reader looks at);
/// false when it cannot be opened or read (a folder cannot).
bool LeeBytesFichero(const std::string& ruta, std::string& bytes, std::size_t limite);

/// The header record of a finished executable: the version name and the listing's name (cut to 20).
TregInst CabeceraEjecutable(const std::string& nombreVersion, const std::string& nombreListado);

/// The bytes of a whole executable: the header and the 128 words.
std::string BytesEjecutable(const TregInst& cabecera, const ImagenMemoria& palabras);

/// Saves a whole executable through a safe write; false when the file could not be written.
bool GuardaFicheroEjecutable(const std::string& ruta, const TregInst& cabecera,
                             const ImagenMemoria& palabras);

} // namespace velmo

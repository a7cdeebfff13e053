#pragma once
// Conversions between the core's plain data and the plain JavaScript values of the page module: the
// state picture, run results, assembly results, microprograms and bytes. No machine or assembler rule
// lives here.

#include "EjecucionPorTramos.h"
#include "FotoEstado.h"
#include "MicroInstruccion.h"
#include "Montaje.h"
#include "ResultadoEjecucion.h"

#include <emscripten/val.h>

#include <stdexcept>
#include <string>

namespace velmo {

/// A Uint8Array (or an array of numbers) as bytes.
std::string BytesDeJs(const emscripten::val& bytes);
/// A new Uint8Array holding a copy of `bytes`.
emscripten::val BytesAJs(const std::string& bytes);

/// What the page asked for cannot be done; the binding that catches it throws a JavaScript Error with
/// this text once the C++ frames are gone.
class ErrorModulo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
[[noreturn]] inline void LanzaErrorJs(const std::string& mensaje) {
    throw ErrorModulo(mensaje);
}

/// A whole number from JavaScript; `porOmision` for undefined; an Error for anything else.
std::int64_t EnteroDeJs(const emscripten::val& v, std::int64_t porOmision);

emscripten::val ResultadoAJs(const ResultadoEjecucion& r);
emscripten::val FotoAJs(const FotoEstado& f);
/// The assembly and the boxes the assembler raised.
emscripten::val MontajeAJs(const MontajeEnMemoria& m, emscripten::val cajas);

emscripten::val MicroinstruccionAJs(const TMicroInstProgramable& m);
emscripten::val MicroprogramaAJs(const Microprograma& p, int filas = kMicroinstrucciones);
/// Each field a whole number within its 16-bit word; otherwise an Error (the range of each field is the
/// caller's check).
TMicroInstProgramable MicroinstruccionDeJs(const emscripten::val& m);
/// Exactly 16 valid microinstructions; otherwise an Error.
Microprograma MicroprogramaDeJs(const emscripten::val& p);

/// 'normal', 'optimizado', 'microprogramado', 'modificado', 'microprogramable'.
std::string NombreTipoControl(TTipoControl tipo);
/// 'ciclos', 'instrucciones', 'breakpoint'; an Error for anything else.
TipoEjecucion TipoEjecucionDeJs(const std::string& tipo);

} // namespace velmo

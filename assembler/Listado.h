#pragma once
// The text listing written beside an executable (UTF-8, lines ended by CR LF).

#include "RegInst.h"

#include <string>

namespace velmo {

/// The five header lines.
std::string CabeceraListado();

/// The nine lines that describe one record.
std::string RegistroListado(const TregInst& reg);

/// The three lines between the records as the parser wrote them and the final image.
std::string SeparadorListado();

} // namespace velmo

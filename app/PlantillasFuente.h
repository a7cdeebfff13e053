#pragma once
// The new-file templates of the assembler workbench, one per machine version, free of Qt so that every
// front end (the desktop's dialog, the browser page) offers the same text.

#include <string>
#include <vector>

namespace velmo {

/// The template's lines for machine version `version` (1, 2 or 3; any other value gives version 1's),
/// the last one empty.
std::vector<std::string> PlantillaFuente(int version);

} // namespace velmo

#pragma once
// State of the memory-signal table ("Cables Memoria"): address, data in and data out of the memory.

#include "TablaNombreValor.h"

namespace velmo {

class TCablesMem : public TablaNombreValor {
public:
    TCablesMem();
};

} // namespace velmo

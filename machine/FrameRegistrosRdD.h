#pragma once
// State of the register table ("Registros Ruta de Datos"): the five datapath registers in binary.

#include "TablaNombreValor.h"

namespace velmo {

class TRegRdD : public TablaNombreValor {
public:
    TRegRdD();
};

} // namespace velmo

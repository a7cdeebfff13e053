#pragma once
// State of the register table ("Registros Ruta de Datos"): the five datapath registers in binary, and on
// the configurable machine a sixth row after them for the auxiliary address register.

#include "TablaNombreValor.h"

namespace velmo {

class TRegRdD : public TablaNombreValor {
public:
    TRegRdD();

    /// Name of the auxiliary register's row.
    static constexpr const char* kNombreRegAux = "RegAux";
    static constexpr int kBitsRegAux = 7;

    /// Adds the auxiliary register's row after the fixed ones (once; the configurable machine only).
    void AnadeRegAux();
};

} // namespace velmo

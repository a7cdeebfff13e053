#pragma once
// State of the control-signal table ("Cables Control"): the control word the control unit sends to the
// datapath and the current microinstruction address.

#include "TablaNombreValor.h"

namespace velmo {

class TCablesCtrl : public TablaNombreValor {
public:
    TCablesCtrl();

    /// The grid cell text at (column, row): rows 0 and 2 hold names, rows 1 and 3 their values, each
    /// preceded by two spaces.
    std::string TextoCelda(int columna, int fila) const override;

protected:
    bool RepintaCadaCambio() const override { return true; }
};

} // namespace velmo

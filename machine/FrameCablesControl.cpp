#include "FrameCablesControl.h"

namespace velmo {

TCablesCtrl::TCablesCtrl()
    : TablaNombreValor({{"L/E", "0"},
                        {"pPC", "00"},
                        {"Mux10", "00"},
                        {"Co10", "00"},
                        {"pIR", "00"},
                        {"pA", "0"},
                        {"pB", "00"},
                        {"pFZ", "00"},
                        {"Alu10", "00"},
                        {"@uProg", "--"}}) {
    SetCaption("Cables Control");
}

std::string TCablesCtrl::TextoCelda(int columna, int fila) const {
    if (columna < 0 || columna > 4 || fila < 0 || fila > 3) {
        return {};
    }
    const int entrada = (fila >= 2 ? 5 : 0) + columna;
    return "  " + (fila % 2 == 0 ? NombreCable(entrada) : ValorCable(entrada));
}

} // namespace velmo

#include "FrameRegistrosRdD.h"

namespace velmo {

TRegRdD::TRegRdD()
    : TablaNombreValor({{"PC", "0"},
                        {"IR", "0000000000000000"},
                        {"ALU-> A", "0000000000000000"},
                        {"ALU-> B", "0000000000000000"},
                        {"FZ", "0"}}) {
    SetCaption("Registros Ruta de Datos");
}

void TRegRdD::AnadeRegAux() {
    if (IndiceDe(kNombreRegAux) < 0) {
        AnadeEntrada({kNombreRegAux, "0000000"});
    }
}

} // namespace velmo

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

} // namespace velmo

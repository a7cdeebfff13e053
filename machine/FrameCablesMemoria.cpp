#include "FrameCablesMemoria.h"

namespace velmo {

TCablesMem::TCablesMem()
    : TablaNombreValor({{"@Mem", "   0   "}, {"Ent", "0000000000000000"}, {"Sal", "0000000000000000"}}) {
    SetCaption("Cables Memoria");
}

} // namespace velmo

#include "CablesVl0.h"

namespace velmo {

TCablesVl0::TCablesVl0(std::span<const TRegConfCable> tabla)
    : NumCables(static_cast<std::int32_t>(tabla.size())) {
    Loscables.reserve(tabla.size());
    for (std::size_t i = 0; i < tabla.size(); ++i) {
        TCable cable(static_cast<std::int32_t>(i));
        cable.SetNumBits(tabla[i].NumBits);
        cable.SetNombre(std::string(tabla[i].Nombre));
        cable.SetTipoCable(tabla[i].TipoCable);
        cable.SetFrameMapa(tabla[i].FrameMapa);
        Loscables.push_back(std::move(cable));
    }
}

} // namespace velmo

#include "FrameUC.h"

#include "Utils.h"

namespace velmo {

namespace {

constexpr std::array<TRegConfCable, TFrameControl::kNumCables> kCablesCableada{{
    {3, "wFromUP", 0, TControl, TUCCableadaVl0},
    {10, "wToUP", 1, TControl, TUCCableadaVl0},
    {1, "wClock", 2, TControl, TUCCableadaVl0},
    {3, "RegsIn", 3, TDatos, TUCCableadaVl0},
    {3, "RegsOut", 4, TDatos, TUCCableadaVl0},
}};

constexpr std::array<TRegConfCable, TFrameControl::kNumCables> kCablesMicro{{
    {3, "wFromUP", 0, TControl, TUCCableadaVl0},
    {3, "wToUP", 1, TControl, TUCCableadaVl0},
    {3, "w@Rom", 2, TControl, TUCCableadaVl0},
    {3, "wSalto", 3, TControl, TUCCableadaVl0},
    {3, "wTest", 4, TControl, TUCCableadaVl0},
}};

} // namespace

const TRegConfCable& TFrameControl::Cable(int indice) const {
    const auto i = static_cast<std::size_t>(indice);
    return EsCableado(datos_.tipocontrol) ? kCablesCableada.at(i) : kCablesMicro.at(i);
}

} // namespace velmo

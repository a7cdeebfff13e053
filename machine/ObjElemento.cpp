#include "ObjElemento.h"

#include <stdexcept>

namespace velmo {

void TElemento::CreaCable(std::size_t indice, const TRegConfCable& conf) {
    if (indice >= LosCables.size()) {
        throw std::out_of_range("puerto fuera del elemento");
    }
    TCable cable(conf.IndiceMapa);
    cable.SetNumBits(conf.NumBits);
    cable.SetNombre(std::string(conf.Nombre));
    cable.SetTipoCable(conf.TipoCable);
    cable.SetFrameMapa(conf.FrameMapa);
    cable.SetActivado(false);
    LosCables[indice] = std::move(cable);
}

void TElemento::CreaCables(std::span<const TRegConfCable> tabla) {
    for (std::size_t i = 0; i < tabla.size(); ++i) {
        CreaCable(i, tabla[i]);
    }
}

} // namespace velmo

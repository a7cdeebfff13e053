#pragma once
// Base of every element: the ports it owns.

#include "ObjCable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmo {

class TElemento {
public:
    std::vector<TCable> LosCables; // by port index
    std::uint16_t Ncables = 0;

    virtual ~TElemento() = default;

    virtual void Inicializa() {}

    /// Makes port `indice` from its description; the port array is already sized by the constructor.
    void CreaCable(std::size_t indice, const TRegConfCable& conf);

    /// Makes the ports 0, 1, ... from a port table.
    void CreaCables(std::span<const TRegConfCable> tabla);

protected:
    explicit TElemento(std::uint16_t ncables) : LosCables(ncables), Ncables(ncables) {}
    TElemento(const TElemento&) = default;
    TElemento& operator=(const TElemento&) = default;
};

} // namespace velmo

#pragma once
// The shared signals of one diagram, indexed by IndiceMapa. Drawing data lives with the views.

#include "ObjCable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmo {

class TCablesVl0 {
public:
    std::vector<TCable> Loscables;
    std::int32_t NumCables = 0;

    TCablesVl0() = default;

    /// One signal per table row, in row order; entry i gets IndiceMapa i.
    explicit TCablesVl0(std::span<const TRegConfCable> tabla);
};

} // namespace velmo

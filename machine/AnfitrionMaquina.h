#pragma once
// What the machine and its engine need from the desktop beyond boxes and trace lines.

#include "Anfitrion.h"

namespace velmo {

class AnfitrionMaquina : public virtual Anfitrion {
public:
    /// The item selected in the configurable ALU's option group of opcode `cop` (0..3); -1 when none is.
    virtual int OpcionAlu(int cop) = 0;
};

} // namespace velmo

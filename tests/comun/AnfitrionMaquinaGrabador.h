#pragma once
// Test double of the machine's host: the recording host plus scriptable ALU option groups.

#include "AnfitrionGrabador.h"
#include "AnfitrionMaquina.h"

#include <array>

namespace velmo::pruebas {

class AnfitrionMaquinaGrabador : public AnfitrionGrabador, public AnfitrionMaquina {
public:
    /// Selected item of each opcode's group; -1 = nothing selected.
    std::array<int, 4> opcionesAlu{0, 0, 0, 0};

    int OpcionAlu(int cop) override {
        if (cop < 0 || cop >= static_cast<int>(opcionesAlu.size())) {
            return -1;
        }
        return opcionesAlu[static_cast<std::size_t>(cop)];
    }
};

} // namespace velmo::pruebas

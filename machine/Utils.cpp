#include "Utils.h"

namespace velmo {

void UpdateRegInst(std::uint16_t palabra, int version, TregInst& reg) {
    // "---" is kMarcaVacia, the data word's mark.
    if (!EsMnemonico(reg.cop, "CTE") && !EsMnemonico(reg.cop, "---")) {
        const unsigned cop = palabra >> 14;
        if (version == 2) {
            reg.cop = std::string(1, static_cast<char>('0' + cop));
        } else {
            switch (cop) {
            case 0:
                reg.cop = "ADD";
                break;
            case 1:
                reg.cop = "CMP";
                break;
            case 2:
                reg.cop = "MOV";
                break;
            default:
                switch (palabra >> 12) {
                case 12:
                    reg.cop = "BEQ";
                    break;
                case 13:
                    reg.cop = "CLEAR";
                    break;
                case 14:
                    reg.cop = "MOVD";
                    break;
                default:
                    reg.cop = "ACUM";
                    break;
                }
                break;
            }
        }
    }
    reg.op1 = static_cast<std::uint16_t>((palabra >> 7) & 0x7F);
    reg.op2 = static_cast<std::uint16_t>(palabra & 0x7F);
    reg.destino = reg.op1;
}

} // namespace velmo

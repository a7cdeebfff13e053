#include "RegistroGlobal.h"

namespace velmo {

TRegistroGlobal& RegistroGlobal() {
    static TRegistroGlobal registro;
    return registro;
}

} // namespace velmo

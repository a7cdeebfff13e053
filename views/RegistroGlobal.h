#pragma once
// Program-wide values the windows share: the simulator help file that the help commands open.

#include <QString>

namespace velmo {

struct TRegistroGlobal {
    /// Full path of the simulator manual; set at every start.
    QString FicheroAyuda;
};

TRegistroGlobal& RegistroGlobal();

} // namespace velmo

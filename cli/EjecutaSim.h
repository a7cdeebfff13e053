#pragma once
// velmo-sim from its arguments to its exit status: opens the executable as the simulator does, runs what
// the options ask and prints the state reached.

#include <iosfwd>
#include <string>
#include <vector>

namespace velmo {

/// `args` excludes the program name. The report goes to `salida`; trace lines (--traza) and error texts
/// to `errores`. Returns 0 when it ran, 1 when opening reported a wrong or corrupt file or a cycle failed
/// (the state is still printed), 2 for wrong arguments or a file that cannot be read.
int EjecutaVelmoSim(const std::vector<std::string>& args, std::ostream& salida, std::ostream& errores);

} // namespace velmo

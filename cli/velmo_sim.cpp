// velmo-sim: runs a Velmo executable without windows and reports the state it reaches.

#include "EjecutaSim.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return velmo::EjecutaVelmoSim(args, std::cout, std::cerr);
}

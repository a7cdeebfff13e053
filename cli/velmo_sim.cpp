// velmo-sim: runs a Velmo executable without windows and reports the state it reaches.

#include "EjecutaSim.h"

#include <iostream>

int main(int argc, char** argv) {
    // A traced run writes hundreds of thousands of lines to stderr: buffer them instead of one write each.
    std::ios::sync_with_stdio(false);
    std::cerr.unsetf(std::ios::unitbuf);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int codigo = velmo::EjecutaVelmoSim(args, std::cout, std::cerr);
    std::cerr.flush();
    std::cout.flush();
    return codigo;
}

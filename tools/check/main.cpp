// belegix-check FILE…: checks the students' plan files (see check.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/check/check.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return belegix::check::Run(args, std::cout, std::cerr);
}

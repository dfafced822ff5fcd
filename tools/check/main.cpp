// belegix-check FILE…: checks the students' plan files (see check.h).
#include <iostream>
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "tools/check/check.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    belegix::platform::UseUtf8Console();
    const std::vector<std::string> args = belegix::platform::Utf8Arguments(argc, argv);
    return belegix::check::Run(args, std::cout, std::cerr);
}

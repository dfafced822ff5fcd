// Writes plan files for the checker's benchmark: belegix_make_plans DIR COUNT ACTIONS writes
// COUNT files DIR/plan_NNNNN.belegix, each a session of at least ACTIONS actions recorded as the
// window records them (passes with "Zurücksetzen" between them; every fourth plan ends not
// admissible), with the summary of its replay. Prints the mean number of actions per file.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/support/plan_passes.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: belegix_make_plans DIR COUNT ACTIONS\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const long count = std::strtol(argv[2], nullptr, 10);
    const long actions = std::strtol(argv[3], nullptr, 10);
    if (count < 1 || actions < 1) {
        std::cerr << "belegix_make_plans: COUNT and ACTIONS must be positive\n";
        return 2;
    }
    std::filesystem::create_directories(dir);
    // Sessions differ only in their names: a few of them cover every variant.
    std::string texts[8];
    std::size_t total = 0;
    for (unsigned k = 0; k < 8; ++k) {
        const auto session =
            belegix::test::Session(static_cast<std::size_t>(actions), k, k % 4 != 3);
        total += session.size();
        texts[k] = belegix::test::PlanFileText(session);
    }
    for (long i = 0; i < count; ++i) {
        std::string name = std::to_string(i);
        name =
            "plan_" + std::string(name.size() < 5 ? 5 - name.size() : 0, '0') + name + ".belegix";
        std::ofstream out(dir / name, std::ios::binary);
        out << texts[i % 8];
        if (!out) {
            std::cerr << "belegix_make_plans: cannot write " << (dir / name) << "\n";
            return 1;
        }
    }
    // The mean number of actions per file, for the figures per action.
    std::cout << (total + 4) / 8 << "\n";
    return 0;
}

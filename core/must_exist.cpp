#include "core/must_exist.h"

#include <cstdio>
#include <cstdlib>

namespace belegix {

void MustExist(bool found, std::string_view what, std::source_location where) {
    if (found) return;
    std::fprintf(stderr, "belegix: programming error: %.*s does not exist (%s:%u)\n",
                 static_cast<int>(what.size()), what.data(), where.file_name(),
                 static_cast<unsigned>(where.line()));
    std::fflush(stderr);
    std::abort();
}

}  // namespace belegix

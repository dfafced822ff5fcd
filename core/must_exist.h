// The one error rule for lookups of something that must exist (a control in the design, a
// profile's lists, a row of a fixed table): not finding it is a programming error, never a state
// the student can reach. It fails loudly through MustExist, which writes the reason and where it
// was found to standard error and stops the program with std::abort, in the window, the driver
// and the tests alike. Nothing here throws, so no exception can leave a Qt slot this way.
// Failures of the environment (printer, files, fonts) are not programming errors: they return a
// value that the caller handles and end in a German message box.
#pragma once

#include <cstddef>
#include <iterator>
#include <source_location>
#include <string_view>

namespace belegix {

// Stops the program when `found` is false; `what` names what is missing.
void MustExist(bool found, std::string_view what,
               std::source_location where = std::source_location::current());

// Element `index` of a fixed table, which must hold it.
template <class Table>
auto& ElementOf(Table& table, std::size_t index, std::string_view what,
                std::source_location where = std::source_location::current()) {
    MustExist(index < std::size(table), what, where);
    return table[index];
}

}  // namespace belegix

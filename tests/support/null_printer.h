// The tests' name for the print stream that prints nothing.
#pragma once

#include "core/print_stream.h"

namespace belegix::test {

using NullPrinter = NullPrintStream;

}  // namespace belegix::test

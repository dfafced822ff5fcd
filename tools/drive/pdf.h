// The driver's `--pdf FILE`: a print stream that renders the printed page into a PDF file
// through the program's real page renderer.
#pragma once

#include <memory>
#include <string>

#include "core/print_stream.h"

namespace belegix::drive {

// The page renderer of the program, set to write the file.
std::unique_ptr<PrintStream> MakePdfPrintStream(const std::string& file);

}  // namespace belegix::drive

#include "drive_pdf.h"

namespace belegix::drive {

std::unique_ptr<PrintStream> MakePdfPrintStream(const std::string& /*file*/) {
    // Hook for the QPrinter page renderer (print/qt_print_stream.h) set to PDF output.
    return nullptr;
}

}  // namespace belegix::drive

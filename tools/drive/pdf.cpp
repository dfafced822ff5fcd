#include "tools/drive/pdf.h"

#include <QString>

#include "qt/print_stream.h"

namespace belegix::drive {

std::unique_ptr<PrintStream> MakePdfPrintStream(const std::string& file) {
    // The program's own page renderer, writing into the file instead of a printer.
    auto stream = std::make_unique<QtPrintStream>();
    stream->SetPdfFile(QString::fromStdString(file));
    return stream;
}

}  // namespace belegix::drive

#include "app/program.h"

#include <QString>

namespace belegix {

Planner::Planner() : window_(boxes_, printer_) {
    boxes_.setParent(&window_);
    printer_.SetDialogParent(&window_);
    // Without a printer the page is saved as a PDF named after the student.
    printer_.SetFileNameProposal([this] {
        return QtPrintStream::ProposedFileName(
            QString::fromStdString(window_.view().Text(Control::MaskEdit1)),
            QString::fromStdString(window_.view().Text(Control::MaskEdit2)));
    });
}

void Planner::Show() {
    window_.show();
    window_.activateWindow();
}

}  // namespace belegix

#include "app/program.h"

#include <QString>
#include <QTimer>

#include "qt/file_dialogs.h"

namespace belegix {

Planner::Planner() : window_(boxes_, printer_) {
    boxes_.setParent(&window_);
    printer_.SetDialogParent(&window_);
    window_.setFileDialogs(&dialogs_);
    // Without a printer the page is saved as a PDF named after the student.
    printer_.SetFileNameProposal([this] {
        return QtPrintStream::ProposedFileName(
            QString::fromStdString(window_.view().Text(Control::MaskEdit1)),
            QString::fromStdString(window_.view().Text(Control::MaskEdit2)));
    });
}

namespace {

const QString kPlanFilter = QStringLiteral("Belegix-Pläne (*.belegix);;Alle Dateien (*)");

}  // namespace

std::optional<QString> QtFileDialogs::OpenName(const QString& folder) {
    return AskOpenName(parent_, QStringLiteral("Plan öffnen"), folder, kPlanFilter);
}

std::optional<QString> QtFileDialogs::SaveName(const QString& proposed) {
    return AskSaveName(parent_, QStringLiteral("Plan speichern unter"), proposed, kPlanFilter,
                       QStringLiteral(".belegix"));
}

void Planner::OpenAtStart(const QString& file) {
    // After the start's own evaluation, so that the opened plan is the last word.
    QTimer::singleShot(0, &window_, [this, file] {
        window_.ActivateOnce();
        window_.openPlan(file);
    });
}

void Planner::Show() {
    window_.show();
    window_.activateWindow();
}

}  // namespace belegix

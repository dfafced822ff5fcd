#include "app/program.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QString>
#include <QTimer>

#include "qt/file_dialogs.h"
#include "qt/recovery.h"

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
    printer_.SetOnDone([this](const QString& where) { window_.showNote(where); });
    window_.keepRecoveryIn(RecoveryPath());
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ends: unsaved changes of the plan's file are saved or let go first,
    // where the session lets the program ask; the recovery file holds the plan in any case.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_,
                     [this](QSessionManager& session) {
                         if (session.allowsInteraction()) {
                             const bool go = window_.askToSave();
                             session.release();
                             if (!go) session.cancel();
                         }
                     });
#endif
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

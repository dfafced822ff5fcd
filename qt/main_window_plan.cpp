// The window's plan: the record of the student's actions, undo and redo, the plan file and the
// menu bar through which the student reaches them.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <algorithm>

#include "core/design.h"
#include "core/rules/window.h"
#include "qt/file_errors.h"
#include "qt/guide.h"
#include "qt/main_window.h"
#include "qt/recovery.h"
#include "qt/widgets.h"

namespace belegix {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

bool OwnEnabled(const QWidget* w) {
    return !w->testAttribute(Qt::WA_ForceDisabled);
}
bool OwnVisible(const QWidget* w) {
    return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
             w->testAttribute(Qt::WA_WState_Hidden));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Boxes

DlgResult MainWindow::ShowingBoxes::Show(const BoxRequest& box) {
    // The student sees the plan as the rules have left it so far.
    win_.render();
    return next_.Show(box);
}

void MainWindow::informFile(const std::string& text) {
    boxes_.Show(MessageDlgBox(text, DlgType::Information, DlgButtons::Ok));
}

// ---------------------------------------------------------------------------------------------
// Showing the door's window

plan::ControlState MainWindow::captureControl(Control c) const {
    const QWidget* widget = this->widget(c);
    plan::ControlState s;
    s.text = view_.Text(c);
    if (design::TakesPick(c)) {
        s.index = view_.ItemIndex(c);
        for (const QString& item : view_.Items(c)) s.items.push_back(item.toStdString());
    }
    s.enabled = OwnEnabled(widget);
    s.visible = OwnVisible(widget);
    s.colour = view_.OwnColour(c);
    s.fontColour = view_.FontColour(c);
    s.left = widget->x();
    return s;
}

plan::WindowState MainWindow::captureWindow() const {
    plan::WindowState w;
    for (Control c : AllControls()) w.at(c) = captureControl(c);
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col)
            w.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] =
                view_.Cell(col, row);
    for (std::size_t panel = 0; panel < w.status.size(); ++panel)
        w.status[panel] = view_.StatusText(static_cast<int>(panel));
    return w;
}

void MainWindow::applyControl(Control c, const plan::ControlState& want) {
    const plan::ControlState have = captureControl(c);
    if (want == have) return;
    QWidget* w = widget(c);
    if (want.items != have.items) {
        view_.ClearItems(c);
        for (const std::string& item : want.items) view_.AddItem(c, item);
    }
    if (design::Of(c).kind == design::Kind::Combo) {
        if (want.index >= 0) {
            if (view_.ItemIndex(c) != want.index || view_.Text(c) != want.text)
                view_.SetItemIndex(c, want.index);
        } else if (view_.ItemIndex(c) != -1 || view_.Text(c) != want.text) {
            view_.SetText(c, want.text);
        }
    } else {
        if (design::TakesPick(c) && view_.ItemIndex(c) != want.index)
            view_.SetItemIndex(c, want.index);
        if (view_.Text(c) != want.text) view_.SetText(c, want.text);
    }
    if (want.enabled != OwnEnabled(w)) view_.SetEnabled(c, want.enabled);
    if (want.visible != OwnVisible(w)) view_.SetVisible(c, want.visible);
    if (want.colour != view_.OwnColour(c)) view_.RestoreColour(c, want.colour);
    if (want.fontColour != view_.FontColour(c)) view_.SetFontColour(c, want.fontColour);
    if (want.left != w->x()) view_.SetLeft(c, want.left);
}

void MainWindow::render() {
    const plan::WindowState& target = door_.window();
    restoring_ = true;
    for (Control c : AllControls()) {
        const bool touched = std::find(touched_.begin(), touched_.end(), c) != touched_.end();
        if (touched || !(target.at(c) == shown_.at(c))) applyControl(c, target.at(c));
    }
    touched_.clear();
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col) {
            const std::string& cell =
                target.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            if (cell != shown_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)])
                view_.SetCell(col, row, cell);
        }
    for (std::size_t panel = 0; panel < target.status.size(); ++panel)
        if (target.status[panel] != shown_.status[panel])
            view_.SetStatusText(static_cast<int>(panel), target.status[panel]);
    // The focus where the door has it; none when the program took it away.
    QWidget* focus = QApplication::focusWidget();
    const bool mine = focus != nullptr && focus->window() == this;
    std::optional<Control> focused;
    for (QWidget* f = mine ? focus : nullptr; f != nullptr && f != this && !focused;
         f = f->parentWidget())
        focused = view_.ControlOf(f);
    if (target.focus) {
        if (focused != target.focus) widget(*target.focus)->setFocus(Qt::OtherFocusReason);
    } else if (mine && focused && !QApplication::activePopupWidget()) {
        focus->clearFocus();
    }
    shown_ = target;
    restoring_ = false;
    if (target.closed && !closed_) close();
    updateTitle();
    updateMenu();
    keepRecovery();
}

// ---------------------------------------------------------------------------------------------
// Undo, redo and the title

bool MainWindow::undo() {
    if (depth_ > 0 || !door_.Undo()) return false;
    render();
    return true;
}

bool MainWindow::redo() {
    if (depth_ > 0 || !door_.Redo()) return false;
    render();
    return true;
}

PlanStatus MainWindow::planStatus() const {
    PlanStatus s;
    s.file = file_;
    s.unsaved = !file_.isEmpty() && door_.Unsaved();
    s.undo = static_cast<int>(door_.UndoCount());
    s.redo = static_cast<int>(door_.RedoCount());
    return s;
}

void MainWindow::updateTitle() {
    QString title =
        QString::fromUtf8(design::kCaption.data(), static_cast<qsizetype>(design::kCaption.size()));
    if (!file_.isEmpty()) {
        title += QStringLiteral(" – ") + QFileInfo(file_).fileName();
        if (planStatus().unsaved) title += QLatin1Char('*');
    }
    if (windowTitle() != title) setWindowTitle(title);
}

void MainWindow::updateMenu() {
    // The items and their shortcuts are enabled exactly when there is a step to take, whether
    // the menu was opened or not.
    if (undoAction_ == nullptr) return;
    const QString undoName = Q(door_.UndoName());
    const QString redoName = Q(door_.RedoName());
    undoAction_->setEnabled(door_.UndoCount() > 0);
    redoAction_->setEnabled(door_.RedoCount() > 0);
    undoAction_->setText(undoName.isEmpty() ? QStringLiteral("Rückgängig")
                                            : QStringLiteral("Rückgängig: ") + undoName);
    redoAction_->setText(redoName.isEmpty() ? QStringLiteral("Wiederholen")
                                            : QStringLiteral("Wiederholen: ") + redoName);
}

// ---------------------------------------------------------------------------------------------
// The plan file

bool MainWindow::savePlan(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    const std::string text =
        door_.FileText(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
    // Written beside the target and renamed over it only when complete: never a damaged file.
    // (QSaveFile commits even when its last buffered write failed, so that write is checked.)
    QSaveFile out(path);
    const bool ok = out.open(QIODevice::WriteOnly) &&
                    out.write(text.data(), static_cast<qint64>(text.size())) ==
                        static_cast<qint64>(text.size()) &&
                    out.flush() && out.commit();
    if (!ok) {
        const std::string reason =
            SaveFailureReason(path, out.error(), static_cast<qint64>(text.size()));
        out.cancelWriting();
        informFile("Der Plan konnte nicht gespeichert werden:\n" + path.toStdString() + "\n\n" +
                   reason + "\n\nDie bisherige Datei ist unverändert.");
        return false;
    }
    file_ = path;
    door_.MarkSaved();
    updateTitle();
    showNote(QStringLiteral("Gespeichert: ") + path);
    return true;
}

bool MainWindow::askToSave() {
    if (!planStatus().unsaved) return true;
    // While the question is open, nothing the widgets report is an action of the student.
    ++depth_;
    const DlgResult answer =
        boxes_.Show(SaveQuestionBox(QFileInfo(file_).fileName().toStdString()));
    --depth_;
    switch (answer) {
        case DlgResult::Save:
            return savePlan(file_);
        case DlgResult::Discard:
            return true;
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------------------------
// The recovery file

void MainWindow::keepRecoveryIn(const QString& path) {
    recoveryPath_ = path;
    recovered_.reset();
    if (const auto earlier = ReadRecovery(path)) {
        // Offered only when it holds a plan that differs from the empty start.
        plan::Planning probe;
        if (probe.Open(earlier->text).error.empty() && probe.UndoCount() > 0) {
            recovered_ = earlier->text;
            recoveredAt_ = earlier->written;
            showNote(
                QStringLiteral("Datei → „Letzten Plan wiederherstellen“ holt Deinen letzten "
                               "Plan zurück."));
        }
    }
    updateRestoreItem();
}

void MainWindow::keepRecovery() {
    // A moment after the last change, so that a run of keystrokes is written once and a long
    // plan is not written whole after every action.
    if (recoveryPath_.isEmpty() || door_.Revision() == kept_ || recoveryTimer_.isActive()) return;
    recoveryTimer_.start();
}

void MainWindow::writeRecovery() {
    // Only what changed is written, and nothing before this run's first step: until then the
    // file keeps the earlier run's plan.
    if (recoveryPath_.isEmpty() || door_.Revision() == kept_) return;
    if (!keptOnce_ && door_.UndoCount() == 0) return;
    const std::string error = WriteDurably(
        recoveryPath_,
        door_.FileText(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString()));
    if (!error.empty()) {
        // Said once; the plan itself goes on, and the next change tries again.
        if (!keepFailed_)
            showNote(QStringLiteral("Die Sicherungskopie des Plans ließ sich nicht schreiben: ") +
                     Q(error));
        keepFailed_ = true;
        return;
    }
    keepFailed_ = false;
    keptOnce_ = true;
    kept_ = door_.Revision();
}

bool MainWindow::canRestore() const {
    return recovered_.has_value();
}

bool MainWindow::restoreRecovered() {
    if (!recovered_ || depth_ > 0 || !askToSave()) return false;
    ++depth_;
    const plan::Planning::OpenResult opened = door_.Open(*recovered_);
    --depth_;
    if (!opened.error.empty()) {
        informFile("Der letzte Plan lässt sich nicht wiederherstellen:\n\n" + opened.error +
                   "\n\nDer bisherige Plan bleibt, wie er war.");
        return false;
    }
    file_.clear();
    render();
    showNote(
        QStringLiteral("Der letzte Plan ist wiederhergestellt; Strg+Z nimmt seine Schritte "
                       "zurück."));
    return true;
}

void MainWindow::updateRestoreItem() {
    if (restoreAction_ == nullptr) return;
    restoreAction_->setEnabled(recovered_.has_value());
    restoreAction_->setText(
        recovered_ ? QStringLiteral("Letzten Plan wiederherstellen (%1)")
                         .arg(QLocale(QLocale::German)
                                  .toString(recoveredAt_, QStringLiteral("d.M.yyyy, HH:mm")))
                   : QStringLiteral("Letzten Plan wiederherstellen"));
}

// ---------------------------------------------------------------------------------------------
// Notes

void MainWindow::showNote(const QString& text) {
    if (note_ == nullptr) return;
    note_->setToolTip(text);
    const int room = note_->maximumWidth() - note_->contentsMargins().left() -
                     note_->contentsMargins().right() - 4;
    note_->setText(note_->fontMetrics().elidedText(text, Qt::ElideMiddle, room));
    note_->show();
    noteTimer_.start();
}

QString MainWindow::note() const {
    return note_ != nullptr && note_->isVisible() ? note_->toolTip() : QString();
}

bool MainWindow::openPlan(const QString& file) {
    if (depth_ > 0) return false;
    const QString path = QFileInfo(file).absoluteFilePath();
    const plan::LoadResult load = plan::LoadFile(path.toStdString());
    plan::Planning::OpenResult opened;
    if (load.error.empty()) {
        ++depth_;
        opened = door_.Open(load.text);
        --depth_;
    } else {
        opened.error = load.error;
    }
    if (!opened.error.empty()) {
        informFile("Der Plan lässt sich nicht öffnen:\n" + path.toStdString() + "\n\n" +
                   opened.error + "\n\nDer bisherige Plan bleibt, wie er war.");
        return false;
    }
    file_ = path;
    render();
    if (!opened.differences.empty()) {
        std::string text = "Die Angaben in der Datei\n" + path.toStdString() +
                           "\npassen nicht zu dem, was die Regeln aus den gespeicherten "
                           "Schritten ergeben. Angezeigt wird das Ergebnis der Regeln.\n";
        for (const plan::Difference& d : opened.differences)
            text += "\n" + d.figure + ": gespeichert „" + d.stored + "“, berechnet „" + d.replayed +
                    "“";
        informFile(text);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The menu bar

void MainWindow::buildMenu() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    QMenu* file = menuBar_->addMenu(QStringLiteral("&Datei"));
    QAction* open =
        file->addAction(QStringLiteral("Plan öffnen…"), this, [this] { openByDialog(); });
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QAction* save =
        file->addAction(QStringLiteral("Plan speichern"), this, [this] { saveByMenu(); });
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    QAction* saveAs = file->addAction(QStringLiteral("Plan speichern unter…"), this,
                                      [this] { saveAsByDialog(); });
    saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    restoreAction_ = file->addAction(QStringLiteral("Letzten Plan wiederherstellen"), this,
                                     [this] { restoreRecovered(); });
    restoreAction_->setEnabled(false);
    file->addSeparator();
    file->addAction(QStringLiteral("Beenden"), this, [this] { quitByMenu(); });

    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* undoAction = edit->addAction(QStringLiteral("Rückgängig"), this, [this] { undo(); });
    undoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* redoAction = edit->addAction(QStringLiteral("Wiederholen"), this, [this] { redo(); });
    redoAction->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    undoAction_ = undoAction;
    redoAction_ = redoAction;

    QMenu* help = menuBar_->addMenu(QStringLiteral("&Hilfe"));
    AddGuideAction(help, this);
    help->addAction(QStringLiteral("Über Belegix-LiH"), this, [this] { showAbout(); });
    // Notes in the bar's free right corner: the status bar's panels stay as they are.
    note_ = new QLabel(menuBar_);
    note_->setTextFormat(Qt::PlainText);
    note_->setMaximumWidth(design::kClientWidth - 260);
    note_->setContentsMargins(0, 0, 8, 0);
    note_->hide();
    menuBar_->setCornerWidget(note_, Qt::TopRightCorner);
    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(8000);
    connect(&noteTimer_, &QTimer::timeout, note_, &QWidget::hide);

    // The shortcuts work while the menus are closed, also over the intro screen.
    for (QAction* a : {open, save, saveAs, undoAction, redoAction}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

void MainWindow::openByDialog() {
    if (dialogs_ == nullptr) return;
    const QString folder = file_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(file_).absolutePath();
    if (!askToSave()) return;
    if (const auto chosen = dialogs_->OpenName(folder)) openPlan(*chosen);
}

void MainWindow::saveByMenu() {
    if (file_.isEmpty())
        saveAsByDialog();
    else
        savePlan(file_);
}

void MainWindow::saveAsByDialog() {
    if (dialogs_ == nullptr) return;
    const QString folder = file_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(file_).absolutePath();
    const QString name =
        Q(plan::ProposedFileName(view_.Text(Control::MaskEdit1), view_.Text(Control::MaskEdit2)));
    if (const auto chosen = dialogs_->SaveName(QDir(folder).filePath(name))) savePlan(*chosen);
}

void MainWindow::quitByMenu() {
    // The same questions as "  Ende"; a menu command, so no action of the plan.
    if (depth_ > 0 || !askToSave()) return;
    ++depth_;
    closeAnswered_ = true;
    QuitAfterAsking(view_);
    closeAnswered_ = false;
    --depth_;
}

void MainWindow::showAbout() {
    boxes_.Show(PlainBox(plan::ProgramVersion() +
                         "\nKurswahlen für die Qualifikationsphase am Gymnasium Lindenhain / "
                         "Morlstadt\n\nPläne werden als Datei mit der Endung .belegix "
                         "gespeichert und lassen sich wieder öffnen."));
}

}  // namespace belegix

// The window's plan: the record of the student's actions, undo and redo, the plan file and the
// menu bar through which the student reaches them.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "core/design.h"
#include "core/rules/course_plan.h"
#include "qt/file_errors.h"
#include "qt/guide.h"
#include "qt/main_window.h"
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

bool IsVerdict(const std::string& text) {
    for (std::string_view v : VerdictTexts())
        if (v == text) return true;
    return false;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Boxes

DlgResult MainWindow::RecordingBoxes::Show(const BoxRequest& box) {
    const DlgResult answer = next_.Show(box);
    if (box.kind == BoxKind::Plain && IsVerdict(box.text)) win_.verdict_ = box.text;
    if (win_.answers_ != nullptr && box.buttons.size() > 1) win_.answers_->push_back(answer);
    return answer;
}

void MainWindow::informFile(const std::string& text) {
    boxes_.Show(MessageDlgBox(text, DlgType::Information, DlgButtons::Ok));
}

// ---------------------------------------------------------------------------------------------
// Snapshots

plan::WindowState MainWindow::captureWindow() const {
    plan::WindowState w;
    for (Control c : AllControls()) {
        const QWidget* widget = this->widget(c);
        plan::ControlState& s = w.at(c);
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
    }
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col)
            w.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] =
                view_.Cell(col, row);
    for (const QWidget* f = QApplication::focusWidget(); f != nullptr && f != this && !w.focus;
         f = f->parentWidget())
        w.focus = view_.ControlOf(f);
    w.closed = closed_;
    return w;
}

std::shared_ptr<const MainWindow::KeptWindow> MainWindow::KeptWindow::Keep(
    const plan::WindowState& w, const KeptWindow* previous) {
    auto kept = std::make_shared<KeptWindow>();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto& before = previous != nullptr ? previous->controls[i] : nullptr;
        kept->controls[i] = before && *before == w.controls[i]
                                ? before
                                : std::make_shared<const plan::ControlState>(w.controls[i]);
    }
    for (std::size_t r = 0; r < kGridRows; ++r) {
        const auto& before = previous != nullptr ? previous->rows[r] : nullptr;
        kept->rows[r] =
            before && *before == w.cells[r]
                ? before
                : std::make_shared<const std::array<std::string, kGridColumns>>(w.cells[r]);
    }
    kept->focus = w.focus;
    kept->closed = w.closed;
    return kept;
}

plan::WindowState MainWindow::KeptWindow::Unpack() const {
    plan::WindowState w;
    for (std::size_t i = 0; i < kControlCount; ++i) w.controls[i] = *controls[i];
    for (std::size_t r = 0; r < kGridRows; ++r) w.cells[r] = *rows[r];
    w.focus = focus;
    w.closed = closed;
    return w;
}

bool MainWindow::KeptWindow::SamePlan(const KeptWindow& other) const {
    if (closed != other.closed) return false;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (controls[i] != other.controls[i] && !(*controls[i] == *other.controls[i])) return false;
    for (std::size_t r = 0; r < kGridRows; ++r)
        if (rows[r] != other.rows[r] && *rows[r] != *other.rows[r]) return false;
    return true;
}

MainWindow::Snapshot MainWindow::capture() {
    auto window = KeptWindow::Keep(captureWindow(), lastWindow_.get());
    if (lastWindow_ && lastWindow_->controls == window->controls &&
        lastWindow_->rows == window->rows && lastWindow_->focus == window->focus &&
        lastWindow_->closed == window->closed)
        window = lastWindow_;
    else
        lastWindow_ = window;
    return {st_, std::move(window), verdict_, actions_.size()};
}

const MainWindow::Snapshot& MainWindow::settled() {
    if (!settled_) settled_ = capture();
    return *settled_;
}

namespace {}  // namespace

void MainWindow::applyWindow(const plan::WindowState& target) {
    const plan::WindowState now = captureWindow();
    for (Control c : AllControls()) {
        const plan::ControlState& want = target.at(c);
        const plan::ControlState& have = now.at(c);
        if (want == have) continue;
        QWidget* w = widget(c);
        if (want.items != have.items) {
            view_.ClearItems(c);
            for (const std::string& item : want.items) view_.AddItem(c, item);
        }
        if (design::Of(c).kind == design::Kind::Combo) {
            if (want.index >= 0)
                view_.SetItemIndex(c, want.index);
            else
                view_.SetText(c, want.text);
        } else {
            if (design::TakesPick(c)) view_.SetItemIndex(c, want.index);
            if (view_.Text(c) != want.text) view_.SetText(c, want.text);
        }
        if (want.enabled != OwnEnabled(w)) view_.SetEnabled(c, want.enabled);
        if (want.visible != OwnVisible(w)) view_.SetVisible(c, want.visible);
        if (want.colour != view_.OwnColour(c)) view_.RestoreColour(c, want.colour);
        if (want.fontColour != view_.FontColour(c)) view_.SetFontColour(c, want.fontColour);
        if (want.left != w->x()) view_.SetLeft(c, want.left);
    }
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col) {
            const std::string& cell =
                target.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            if (view_.Cell(col, row) != cell) view_.SetCell(col, row, cell);
        }
    if (target.focus) {
        if (view_.ControlOf(QApplication::focusWidget()) != target.focus)
            widget(*target.focus)->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* f = QApplication::focusWidget(); f != nullptr && f->window() == this) {
        f->clearFocus();
    }
}

void MainWindow::restore(const Snapshot& s) {
    restoring_ = true;
    st_ = s.st;
    verdict_ = s.verdict;
    applyWindow(s.window->Unpack());
    // The focus as put back is where the student's next focus move starts from.
    QWidget* focus = QApplication::focusWidget();
    lastFocus_ = focus != nullptr && focus->window() == this ? focus : nullptr;
    restoring_ = false;
    lastWindow_ = s.window;
    settled_ = s;
}

// ---------------------------------------------------------------------------------------------
// Steps

void MainWindow::noteStep(std::optional<Control> typedInto) {
    if (!pendingStart_) return;
    Snapshot after = capture();
    settled_ = after;
    const Snapshot& before = *pendingStart_;
    if (before.st == after.st && before.verdict == after.verdict &&
        before.window->SamePlan(*after.window))
        return;  // nothing changed: no step (the actions stay recorded)
    // Further keystrokes into the field just typed into, with nothing in between, extend that
    // step.
    if (typedInto && !steps_.empty() && steps_.back().typedInto == typedInto &&
        steps_.back().after.actions + 1 == actions_.size() && redo_.empty()) {
        steps_.back().after = std::move(after);
    } else {
        steps_.push_back({before, std::move(after), typedInto, ++nextStepId_, {}});
    }
    pendingStart_.reset();
    redo_.clear();
    updateTitle();
}

bool MainWindow::undo() {
    if (steps_.empty()) return false;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    const auto from = actions_.begin() + static_cast<std::ptrdiff_t>(step.before.actions);
    const auto to = actions_.begin() + static_cast<std::ptrdiff_t>(step.after.actions);
    step.actions.assign(from, to);
    actions_.resize(step.before.actions);
    pendingStart_.reset();
    restore(step.before);
    redo_.push_back(std::move(step));
    updateTitle();
    return true;
}

bool MainWindow::redo() {
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    // Actions after the last step that made no change are left behind, as an undo would.
    actions_.resize(step.before.actions);
    actions_.insert(actions_.end(), step.actions.begin(), step.actions.end());
    step.actions.clear();
    pendingStart_.reset();
    restore(step.after);
    steps_.push_back(std::move(step));
    updateTitle();
    return true;
}

PlanStatus MainWindow::planStatus() const {
    PlanStatus s;
    s.file = file_;
    // Changes count from the last save or open; before either there is nothing to lose to a file.
    s.unsaved = !file_.isEmpty() && (steps_.empty() ? 0 : steps_.back().id) != savedStepId_;
    s.undo = static_cast<int>(steps_.size());
    s.redo = static_cast<int>(redo_.size());
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

// ---------------------------------------------------------------------------------------------
// The plan file

bool MainWindow::savePlan(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    const plan::PlanState now{st_, captureWindow(), verdict_};
    const std::string text = plan::WritePlan(
        actions_, now, QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());
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
    savedStepId_ = steps_.empty() ? 0 : steps_.back().id;
    updateTitle();
    return true;
}

bool MainWindow::openPlan(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    plan::Opened opened = plan::OpenFile(path.toStdString());
    if (!opened.error.empty()) {
        informFile("Der Plan lässt sich nicht öffnen:\n" + path.toStdString() + "\n\n" +
                   opened.error + "\n\nDer bisherige Plan bleibt, wie er war.");
        return false;
    }
    // The replay is the rules' answer; it replaces the plan in the window.
    actions_ = std::move(opened.file->actions);
    Snapshot s{opened.plan->st, KeptWindow::Keep(opened.plan->window, lastWindow_.get()),
               opened.plan->verdict, actions_.size()};
    restore(s);
    steps_.clear();
    redo_.clear();
    pendingStart_.reset();
    savedStepId_ = 0;
    file_ = path;
    updateTitle();
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
    file->addSeparator();
    file->addAction(QStringLiteral("Beenden"), this, [this] { quitByMenu(); });

    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* undoAction = edit->addAction(QStringLiteral("Rückgängig"), this, [this] { undo(); });
    undoAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* redoAction = edit->addAction(QStringLiteral("Wiederholen"), this, [this] { redo(); });
    redoAction->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(edit, &QMenu::aboutToShow, this, [this, undoAction, redoAction] {
        undoAction->setEnabled(!steps_.empty());
        redoAction->setEnabled(!redo_.empty());
    });

    QMenu* help = menuBar_->addMenu(QStringLiteral("&Hilfe"));
    AddGuideAction(help, this);
    help->addAction(QStringLiteral("Über Belegix-LiH"), this, [this] { showAbout(); });
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
    ++depth_;
    Dispatch(form_, Control::BeendenBitBtn, Event::Click);
    --depth_;
}

void MainWindow::showAbout() {
    boxes_.Show(PlainBox(plan::ProgramVersion() +
                         "\nKurswahlen für die Qualifikationsphase am Gymnasium Lindenhain / "
                         "Morlstadt\n\nPläne werden als Datei mit der Endung .belegix "
                         "gespeichert und lassen sich wieder öffnen."));
}

}  // namespace belegix

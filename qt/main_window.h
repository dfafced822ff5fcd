// The planner's one window, `KurswahlenLiH`: every control of the design, the steps from left to
// right, the intro screen in front at start, the status bar with its clock. It owns the choice
// state and sends every user event through Dispatch (core/rules/events.h).
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/choice_state.h"
#include "core/message_boxes.h"
#include "core/plan/plan.h"
#include "core/print_stream.h"
#include "core/rules/events.h"
#include "qt/widget_view.h"

class QApplication;
class QMenuBar;

namespace belegix {

// Application-wide settings shared by the program and the driver: the application title, the
// widget style and the replacements of the design's fonts.
void PrepareApplication(QApplication& app);

// The design's fonts of which neither the font nor its stand-in is installed, each named with
// its stand-in; empty when all are there.
std::vector<std::string> MissingFonts();

// Where a window whose frame has `frame`'s size goes in the available `area` of its screen:
// centred, or at the area's top-left corner in each direction in which it does not fit.
QPoint PlacedInside(const QRect& area, const QSize& frame);
// The file dialogs of "Plan öffnen…" and "Plan speichern unter…": the chosen file, or nothing
// when the student cancelled. The program shows real dialogs; the driver names files itself.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> OpenName(const QString& folder) = 0;
    virtual std::optional<QString> SaveName(const QString& proposed) = 0;
};

// What the window knows about its plan file and its undo history.
struct PlanStatus {
    QString file;  // absolute path; empty before the first save or open
    bool unsaved = false;
    int undo = 0;
    int redo = 0;
};

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and starts the planner in it (`StartPlanner`).
    MainWindow(MessageBoxes& boxes, PrintStream& printer, QWidget* parent = nullptr);
    ~MainWindow() override;

    QtView& view() { return view_; }
    ChoiceState& state() { return st_; }
    Form& form() { return form_; }
    QWidget* widget(Control c) const { return view_.Widget(c); }

    // The first activation after creation runs the plan evaluation, then says which fonts are
    // missing, if any; later activations do neither.
    void ActivateOnce();
    bool activated() const { return activated_; }
    bool closed() const { return closed_; }
    // Moves the window inside the available area of its screen (see PlacedInside); once placed,
    // it moves again only when its frame does not lie within that area.
    void placeOnScreen();
    // Whether the intro screen still covers the window.
    bool introShown() const;

    // The clock of the status bar (the system clock unless replaced) and its timer.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    void stopTimer() { timer_.stop(); }
    // `ShowClock` with the clock's current time and date.
    void tick();

    // Runs the operation bound to `event` on `c` as a user event; records it for the plan file
    // and the undo history.
    void userEvent(Control c, Event event);

    // The designed 862 x 637 area below the menu bar; every control of the design lies in it.
    QWidget* clientArea() const { return client_; }

    // "Rückgängig" and "Wiederholen": false when there is nothing to undo or redo.
    bool undo();
    bool redo();
    // Saves the plan into `file` / opens the plan file `file`. A failure shows a box naming the
    // file and the reason and changes nothing; false then.
    bool savePlan(const QString& file);
    bool openPlan(const QString& file);
    PlanStatus planStatus() const;
    // The student's actions since program start (or since the opened plan's start).
    const std::vector<plan::Action>& actions() const { return actions_; }
    void setFileDialogs(FileDialogs* dialogs) { dialogs_ = dialogs; }

  signals:
    void windowClosed();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Boxes pass through here: the answers to questions go into the action being recorded, and
    // the verdict shown is kept for the plan's summary.
    class RecordingBoxes : public MessageBoxes {
      public:
        RecordingBoxes(MessageBoxes& next, MainWindow& win) : next_(next), win_(win) {}
        DlgResult Show(const BoxRequest& box) override;

      private:
        MessageBoxes& next_;
        MainWindow& win_;
    };
    // A window state as the undo history keeps it: every control and every grid row is shared
    // with the snapshot before it while unchanged, so a step costs only what it changed and the
    // unlimited history stays small over long use.
    struct KeptWindow {
        std::array<std::shared_ptr<const plan::ControlState>, kControlCount> controls;
        std::array<std::shared_ptr<const std::array<std::string, kGridColumns>>, kGridRows> rows;
        std::optional<Control> focus;
        bool closed = false;

        // `w`, sharing each part that equals the same part of `previous`.
        static std::shared_ptr<const KeptWindow> Keep(const plan::WindowState& w,
                                                      const KeptWindow* previous);
        plan::WindowState Unpack() const;
        // Whether both hold the same plan (the focus alone is no change).
        bool SamePlan(const KeptWindow& other) const;
    };
    // The plan at one moment: the state, every control, the verdict, and how many actions led
    // there. Window states are shared between snapshots that are equal.
    struct Snapshot {
        ChoiceState st;
        std::shared_ptr<const KeptWindow> window;
        std::string verdict;
        std::size_t actions = 0;
    };
    struct Step {
        Snapshot before;
        Snapshot after;
        std::optional<Control> typedInto;  // keystrokes into one field are one step
        std::uint64_t id = 0;
        std::vector<plan::Action> actions;  // kept while the step waits to be redone
    };

    void buildMenu();
    Snapshot capture();
    const Snapshot& settled();
    plan::WindowState captureWindow() const;
    // Puts `s` into the window and the state without running any handler.
    void restore(const Snapshot& s);
    void applyWindow(const plan::WindowState& target);
    void noteStep(std::optional<Control> typedInto);
    void updateTitle();
    void informFile(const std::string& text);
    void openByDialog();
    void saveByMenu();
    void saveAsByDialog();
    void quitByMenu();
    void showAbout();

    void build();
    QWidget* makeControl(const design::ControlDesign& d, QWidget* parent);
    void connectControl(Control c, QWidget* w);
    void onFocusChanged(QWidget* old, QWidget* now);
    // Puts the controls into the keyboard order of core/accessibility.h.
    void applyTabOrder();
    // Cuts controls that a shown memo or panel covers but for a thin strip to the covered part.
    void trimSlivers();
    // The next (or previous) control after `from` that Tab may visit now.
    QWidget* tabNeighbour(QWidget* from, bool next) const;

    RecordingBoxes recorder_;
    MessageBoxes& boxes_;
    ChoiceState st_;
    QtView view_;
    Form form_;
    QTimer timer_;
    std::function<QDateTime()> clock_;
    QPointer<QWidget> lastFocus_;
    // Where Tab goes on from while no control has the focus: the control the program took it
    // from, or the control that opened the period panel once the panel has closed again.
    QPointer<QWidget> resumeFrom_;
    QPointer<QWidget> panelOpener_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    FileDialogs* dialogs_ = nullptr;
    // The plan record and the undo history.
    std::vector<plan::Action> actions_;
    std::vector<DlgResult>* answers_ = nullptr;  // of the action being dispatched
    std::string verdict_;
    int depth_ = 0;                         // user events being dispatched
    bool restoring_ = false;                // the program puts a plan into the widgets
    std::optional<Snapshot> settled_;       // the plan after the last recorded action
    std::optional<Snapshot> pendingStart_;  // where the next step begins
    std::vector<Step> steps_;
    std::vector<Step> redo_;
    std::uint64_t nextStepId_ = 0;
    std::uint64_t savedStepId_ = 0;
    std::shared_ptr<const KeptWindow> lastWindow_;
    QString file_;
    bool built_ = false;
    bool placed_ = false;
    bool activated_ = false;
    bool closed_ = false;
};

}  // namespace belegix

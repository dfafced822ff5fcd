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
#include "core/plan/planning.h"
#include "core/print_stream.h"
#include "core/rules/events.h"
#include "qt/widget_view.h"

class QAction;
class QApplication;
class QLabel;
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
    // Builds the window and starts the planner in it (the door's program start).
    MainWindow(MessageBoxes& boxes, PrintStream& printer, QWidget* parent = nullptr);
    ~MainWindow() override;

    QtView& view() { return view_; }
    const ChoiceState& state() const { return door_.state(); }
    // The plan's one door: every action of the student goes through it.
    plan::Planning& door() { return door_; }
    const plan::Planning& door() const { return door_; }
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

    // The student did `event` on `c` in the widgets: handed to the door, then the door's window
    // is shown.
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
    // When the plan belongs to a file and has unsaved changes, asks whether to save them first
    // ("Speichern", "Nicht speichern", "Abbrechen"). True when the plan may be closed or
    // replaced now: nothing unsaved, saved, or discarded; false for "Abbrechen" or a failed save.
    bool askToSave();

    // Keeps the plan in the recovery file `path` after every change (qt/recovery.h). A plan
    // found there from an earlier run is offered by Datei → "Letzten Plan wiederherstellen"
    // and named by a short note; it is not loaded, and the file keeps it until this run's plan
    // has its first step.
    void keepRecoveryIn(const QString& path);
    // "Letzten Plan wiederherstellen": the plan of the earlier run becomes the current plan, as
    // when it is opened from a file, with its steps to undo; it belongs to no file. False when
    // there is none, or the student kept the unsaved plan.
    bool restoreRecovered();
    bool canRestore() const;

    // A short note in the menu bar's free corner, gone after a few seconds; no box, nothing
    // waits for it. `note()` is the note shown now (empty for none).
    void showNote(const QString& text);
    QString note() const;
    // The student's actions since program start (or since the opened plan's start).
    const std::vector<plan::Action>& actions() const { return door_.record(); }
    void setFileDialogs(FileDialogs* dialogs) { dialogs_ = dialogs; }

  signals:
    void windowClosed();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Boxes the door raises: the window first shows the plan as it stands, then asks.
    class ShowingBoxes : public MessageBoxes {
      public:
        ShowingBoxes(MessageBoxes& next, MainWindow& win) : next_(next), win_(win) {}
        DlgResult Show(const BoxRequest& box) override;

      private:
        MessageBoxes& next_;
        MainWindow& win_;
    };

    void buildMenu();
    // Puts the door's window into the widgets, running no handler.
    void render();
    plan::ControlState captureControl(Control c) const;
    plan::WindowState captureWindow() const;
    void applyControl(Control c, const plan::ControlState& want);
    void updateTitle();
    void updateMenu();
    void informFile(const std::string& text);
    void openByDialog();
    void saveByMenu();
    void saveAsByDialog();
    void quitByMenu();
    void keepRecovery();
    void writeRecovery();
    void updateRestoreItem();
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

    ShowingBoxes showing_;
    MessageBoxes& boxes_;
    QtView view_;
    plan::Planning door_;
    // The door's window as last put into the widgets, and the controls the student changed in
    // the widgets since.
    plan::WindowState shown_;
    std::vector<Control> touched_;
    QTimer timer_;
    std::function<QDateTime()> clock_;
    QPointer<QWidget> lastFocus_;
    // Where Tab goes on from while no control has the focus: the control the program took it
    // from, or the control that opened the period panel once the panel has closed again.
    QPointer<QWidget> resumeFrom_;
    QPointer<QWidget> panelOpener_;
    QMenuBar* menuBar_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* restoreAction_ = nullptr;
    QLabel* note_ = nullptr;
    QTimer noteTimer_;
    QString recoveryPath_;
    std::optional<std::string> recovered_;  // the earlier run's plan, while it is offered
    QDateTime recoveredAt_;
    std::uint64_t kept_ = 0;  // the revision of the record last written to the recovery file
    QTimer recoveryTimer_;    // writes the recovery file a moment after the last change
    bool keptOnce_ = false;
    bool keepFailed_ = false;
    bool closeAnswered_ = false;  // the save question was answered for the close under way
    QWidget* client_ = nullptr;
    FileDialogs* dialogs_ = nullptr;
    QString file_;
    int depth_ = 0;           // the door is running an action
    bool restoring_ = false;  // the program puts the door's window into the widgets
    bool built_ = false;
    bool placed_ = false;
    bool activated_ = false;
    bool closed_ = false;
};

}  // namespace belegix

// The planner's one window, `KurswahlenLiH`: every control of the design, the steps from left to
// right, the intro screen in front at start, the status bar with its clock. It owns the choice
// state and sends every user event through Dispatch (core/rules/events.h).
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/choice_state.h"
#include "core/message_boxes.h"
#include "core/print_stream.h"
#include "core/rules/events.h"
#include "qt/widget_view.h"

class QApplication;

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

    // Runs the operation bound to `event` on `c` as a user event.
    void userEvent(Control c, Event event);

  signals:
    void windowClosed();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool focusNextPrevChild(bool next) override;

  private:
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
    bool built_ = false;
    bool placed_ = false;
    bool activated_ = false;
    bool closed_ = false;
};

}  // namespace belegix

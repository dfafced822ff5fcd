// The program's own start: the window with the real message boxes and the real printer,
// shown and activated. The planner and its start-up measurement both start this way.
#pragma once

#include "print/qt_print_stream.h"
#include "ui/qt_main_window.h"
#include "ui/qt_message_boxes.h"

namespace belegix {

class Planner {
  public:
    Planner();
    // Shows and activates the window; the first activation evaluates the plan.
    void Show();
    MainWindow& window() { return window_; }

  private:
    QtMessageBoxes boxes_;
    QtPrintStream printer_;
    MainWindow window_;
};

}  // namespace belegix

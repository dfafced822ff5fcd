// The program's own start: the window with the real message boxes and the real printer,
// shown and activated. The planner and its start-up measurement both start this way.
#pragma once

#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/print_stream.h"

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

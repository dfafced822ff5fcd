// The program's own start: the window with the real message boxes and the real printer,
// shown and activated. The planner and its start-up measurement both start this way.
#pragma once

#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/print_stream.h"

namespace belegix {

// The real file dialogs of "Plan öffnen…" and "Plan speichern unter…".
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<QString> OpenName(const QString& folder) override;
    std::optional<QString> SaveName(const QString& proposed) override;

  private:
    QWidget* parent_;
};

class Planner {
  public:
    Planner();
    // Shows and activates the window; the first activation evaluates the plan.
    void Show();
    // Opens the plan file given on the command line once the window has started.
    void OpenAtStart(const QString& file);
    MainWindow& window() { return window_; }

  private:
    QtMessageBoxes boxes_;
    QtPrintStream printer_;
    MainWindow window_;
    QtFileDialogs dialogs_{&window_};
};

}  // namespace belegix

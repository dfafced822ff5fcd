// The planner: the application title, the one window, the event loop.
#include <QApplication>
#include <optional>
#include <string>

#include "print/print_stream.h"
#include "ui/qt_main_window.h"
#include "ui/qt_message_boxes.h"

namespace {

// Stands in for the printer until the QPrinter stream is wired in here.
class NoPrinter : public belegix::PrintStream {
  public:
    std::optional<std::string> Open() override { return std::nullopt; }
    void SetFontName(const std::string&) override {}
    void SetFontSize(int) override {}
    void SetFontStyle(bool, bool) override {}
    void SetColour(belegix::Colour) override {}
    void Write(const std::string&) override {}
    void NewLine() override {}
    std::optional<std::string> Close() override { return std::nullopt; }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);

    belegix::QtMessageBoxes boxes;
    // The printer of the printed plan: replace with belegix::QtPrintStream
    // (print/qt_print_stream.h) once it exists.
    NoPrinter printer;

    belegix::MainWindow window(boxes, printer);
    boxes.setParent(&window);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}

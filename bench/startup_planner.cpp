// The planner's start-up for measurement: the program's own start (application, boxes, printer,
// window, shown and activated, as app/main.cpp does), ended as soon as the first activation has
// evaluated the plan and the event loop has nothing left to do.
#include <QApplication>
#include <QString>
#include <QTimer>

#include "print/qt_print_stream.h"
#include "startup_quit.h"
#include "ui/qt_main_window.h"
#include "ui/qt_message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);

    belegix::QtMessageBoxes boxes;
    belegix::QtPrintStream printer;

    belegix::MainWindow window(boxes, printer);
    boxes.setParent(&window);
    printer.SetDialogParent(&window);
    printer.SetFileNameProposal([&window] {
        return belegix::QtPrintStream::ProposedFileName(
            QString::fromStdString(window.view().Text(belegix::Control::MaskEdit1)),
            QString::fromStdString(window.view().Text(belegix::Control::MaskEdit2)));
    });

    window.show();
    window.activateWindow();
    belegix::bench::QuitWhenIdleAfter([&window] { return window.activated(); }, window);
    return QApplication::exec();
}

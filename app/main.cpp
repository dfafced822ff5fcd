// The planner: the application title, the one window, the event loop.
#include <QApplication>
#include <QString>

#include "print/qt_print_stream.h"
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
    // Without a printer the page is saved as a PDF named after the student.
    printer.SetFileNameProposal([&window] {
        return belegix::QtPrintStream::ProposedFileName(
            QString::fromStdString(window.view().Text(belegix::Control::MaskEdit1)),
            QString::fromStdString(window.view().Text(belegix::Control::MaskEdit2)));
    });

    window.show();
    window.activateWindow();
    return QApplication::exec();
}

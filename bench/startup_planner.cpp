// The planner's start-up for measurement: the program's own start (application, boxes, printer,
// window, shown and activated, as app/main.cpp does), ended as soon as the first activation has
// evaluated the plan and the event loop has nothing left to do.
#include <QApplication>

#include "app/program.h"
#include "bench/startup_quit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);
    belegix::Planner planner;
    planner.Show();
    belegix::MainWindow& window = planner.window();
    belegix::bench::QuitWhenIdleAfter([&window] { return window.activated(); }, window);
    return QApplication::exec();
}

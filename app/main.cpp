// The planner: the application title, the one window, the event loop.
#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);
    belegix::Planner planner;
    planner.Show();
    return QApplication::exec();
}

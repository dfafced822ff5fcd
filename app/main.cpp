// The planner: the application title, the one window (with a plan file named on the command
// line opened at start), the event loop.
#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);
    belegix::Planner planner;
    planner.Show();
    // `belegix FILE`: the plan file opens at start (a double click on a plan does this).
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) planner.OpenAtStart(args.at(1));
    return QApplication::exec();
}

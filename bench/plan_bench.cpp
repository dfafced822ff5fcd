// The plan's speed in the real window (offscreen): a student's passes worked through the driver's
// machinery, then every step undone and redone one by one, and the saved plan opened again
// (read, replayed in memory and put into the widgets) and replayed alone, as the checker does.
//
//   belegix_plan_bench SCRIPT PASSES...
//
// SCRIPT holds one pass (driver lines); for each count of passes one line of figures: actions,
// steps, undo and redo of one step (median and slowest), opening the saved plan and replaying it
// without a window (medians of 9), all in processor time of the window's thread. Figures only;
// nothing here fails on a time.
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/plan/plan.h"
#include "qt/main_window.h"
#include "tests/support/null_printer.h"
#include "tools/drive/script.h"
#include "tools/drive/session.h"

namespace {

using namespace belegix;

// The processor time of this thread: the machine is shared, and other load would otherwise
// show up in the figures.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
};

double Ms(double a, double b) {
    return b - a;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Max(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

int Run(const std::string& scriptFile, const std::vector<int>& counts) {
    std::ifstream in(scriptFile);
    std::stringstream ss;
    ss << in.rdbuf();
    const drive::Script pass = drive::ParseScript(ss.str());
    const drive::Script intro = drive::ParseScript("click BitBtnHinweise\n");
    if (pass.error || !in) {
        std::fprintf(stderr, "belegix_plan_bench: cannot read %s\n", scriptFile.c_str());
        return 2;
    }
    QTemporaryDir dir;
    std::printf("%8s %8s %8s | %9s %9s | %9s %9s | %9s %11s\n", "actions", "steps", "passes",
                "undo med", "undo max", "redo med", "redo max", "open", "replay only");
    for (const int passes : counts) {
        const drive::Output out{[](const drive::Json&) {},
                                [](int, const std::string& m) {
                                    std::fprintf(stderr, "belegix_plan_bench: %s\n", m.c_str());
                                    std::exit(1);
                                }};
        drive::ScriptedBoxes boxes(out);
        boxes.SetAnswerer([](const BoxRequest& b) { return b.buttons.front(); });
        test::NullPrinter printer;
        MainWindow win(boxes, printer);
        win.stopTimer();
        win.show();
        QApplication::processEvents();
        win.ActivateOnce();
        drive::Driver driver(win, boxes, out, nullptr);
        for (const drive::Command& c : intro.commands) driver.Run(c);
        for (int p = 0; p < passes; ++p)
            for (const drive::Command& c : pass.commands) driver.Run(c);

        const QString file = dir.filePath(QStringLiteral("plan%1.belegix").arg(passes));
        if (!win.savePlan(file)) return 1;
        const std::size_t actions = win.actions().size();
        const int steps = win.planStatus().undo;

        std::vector<double> undo, redo;
        while (true) {
            const auto t0 = Clock::now();
            if (!win.undo()) break;
            undo.push_back(Ms(t0, Clock::now()));
        }
        while (true) {
            const auto t0 = Clock::now();
            if (!win.redo()) break;
            redo.push_back(Ms(t0, Clock::now()));
        }
        std::vector<double> open, replay;
        for (int r = 0; r < 9; ++r) {
            auto t0 = Clock::now();
            if (!win.openPlan(file)) return 1;
            open.push_back(Ms(t0, Clock::now()));
            t0 = Clock::now();
            const plan::Opened o = plan::OpenFile(file.toStdString());
            replay.push_back(Ms(t0, Clock::now()));
            if (!o.error.empty() || !o.differences.empty()) return 1;
        }
        std::printf("%8zu %8d %8d | %6.3f ms %6.3f ms | %6.3f ms %6.3f ms | %6.2f ms %8.2f ms\n",
                    actions, steps, passes, Median(undo), Max(undo), Median(redo), Max(redo),
                    Median(open), Median(replay));
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareApplication(app);
    if (argc < 3) {
        std::fprintf(stderr, "usage: belegix_plan_bench SCRIPT PASSES...\n");
        return 2;
    }
    std::vector<int> counts;
    for (int i = 2; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    return Run(argv[1], counts);
}

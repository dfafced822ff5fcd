// belegix-drive: opens the real planner window offscreen, runs a script of user actions on it
// and prints what happens as JSON lines (message boxes, printed pages, ignored actions, dumps).
#include <stdlib.h>
#include <QApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

#include "core/choice_state.h"
#include "core/design.h"
#include "qt/main_window.h"
#include "qt/recovery.h"
#include "tools/drive/dump.h"
#include "tools/drive/json_writer.h"
#include "tools/drive/pdf.h"
#include "tools/drive/script.h"
#include "tools/drive/session.h"

namespace belegix::drive {
namespace {

void Emit(const Json& line) {
    std::cout << line.Dump() << '\n' << std::flush;
}

// The folder of the program's recovery file, made at start and removed at exit, so that no
// run sees another run's plan.
std::string recoveryHome;

void RemoveRecoveryHome() {
    if (recoveryHome.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(recoveryHome, ignored);
    recoveryHome.clear();
}

// Ends the driver at once: the window and its handlers are left as they are.
[[noreturn]] void Fail(int status, const std::string& message) {
    RemoveRecoveryHome();
    std::cout << std::flush;
    std::cerr << "belegix-drive: " << message << '\n' << std::flush;
    std::fflush(nullptr);
    std::_Exit(status);
}

bool ReadAll(const std::string& name, std::string& out) {
    if (name == "-") {
        out.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

// Standard error carries the driver's own complaints only.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
        std::abort();
    }
}

int Main(int argc, char* argv[]) {
    std::string pdf;
    std::string scriptName;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pdf" && i + 1 < argc) {
            pdf = argv[++i];
        } else if (scriptName.empty() && (arg == "-" || arg.rfind("-", 0) != 0)) {
            scriptName = arg;
        } else {
            Fail(2, "usage: belegix-drive [--pdf FILE] SCRIPT");
        }
    }
    if (scriptName.empty()) Fail(2, "usage: belegix-drive [--pdf FILE] SCRIPT");

    std::string source;
    if (!ReadAll(scriptName, source)) Fail(2, "cannot read the script " + scriptName);
    const Script script = ParseScript(source);
    if (script.error)
        Fail(2, "line " + std::to_string(script.error->line) + ": " + script.error->reason);
    for (const Command& cmd : script.commands)
        if (cmd.op == Op::Key && Driver::ParseKeys(cmd.text).isEmpty())
            Fail(2, "line " + std::to_string(cmd.line) + ": unknown keys \"" + cmd.text + "\"");

    std::string home = (std::filesystem::temp_directory_path() / "belegix-drive-XXXXXX").string();
    if (::mkdtemp(home.data()) == nullptr) Fail(2, "cannot make a folder for the recovery file");
    recoveryHome = home;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home));

    // Headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    QApplication app(argc, argv);
    PrepareApplication(app);

    const Output out{Emit, [](int status, const std::string& message) { Fail(status, message); }};
    ScriptedBoxes boxes(out);
    std::unique_ptr<PrintStream> pdfStream;
    if (!pdf.empty()) pdfStream = MakePdfPrintStream(pdf);
    RecordingPrintStream printer(out, std::move(pdfStream));

    MainWindow win(boxes, printer);
    win.keepRecoveryIn(RecoveryPath());
    win.stopTimer();
    win.setClock([] { return QDateTime(QDate(2016, 6, 1), QTime(8, 0, 0)); });
    win.show();
    win.activateWindow();
    QApplication::setActiveWindow(&win);
    QApplication::processEvents();
    win.ActivateOnce();

    Driver driver(win, boxes, out, [&win] { Emit(DumpJson(win)); });
    for (const Command& cmd : script.commands)
        if (!driver.Run(cmd)) break;

    if (boxes.Pending() > 0)
        Fail(3, std::to_string(boxes.Pending()) + " queued answer(s) left unused");
    RemoveRecoveryHome();
    return 0;
}

}  // namespace
}  // namespace belegix::drive

int main(int argc, char* argv[]) {
    return belegix::drive::Main(argc, argv);
}

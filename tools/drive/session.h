// The machinery with which belegix-drive works the real window: message boxes answered from the
// script, the recording printer, what a person can reach, and the user actions themselves.
// The driver program and the window-level tests share it, so that both work the window the same
// way.
#pragma once

#include <QKeySequence>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "core/print_stream.h"
#include "qt/main_window.h"
#include "tools/drive/json_writer.h"
#include "tools/drive/script.h"

class QWidget;

namespace belegix::drive {

// Where the driver's output lines (`write`) and complaints go. `fail` ends the run with the exit
// status; should it return, the action in progress is abandoned.
struct Output {
    std::function<void(const Json&)> write;
    std::function<void(int status, const std::string& message)> fail;
};

// The control's own flags, not its parent's.
bool OwnEnabled(const QWidget* w);
bool OwnVisible(const QWidget* w);
// Whether a person can use the control now: enabled and visible up to the window, and not
// covered by the intro screen.
bool Usable(const MainWindow& win, Control c);

// Message boxes answered from the queue of `answer` commands; a box with one button takes it.
// An answerer, when set, answers every box instead (tests use it to answer at random).
class ScriptedBoxes : public MessageBoxes {
  public:
    using Answerer = std::function<DlgResult(const BoxRequest&)>;

    explicit ScriptedBoxes(const Output& out) : out_(out) {}
    void Queue(DlgResult answer) { answers_.push_back(answer); }
    std::size_t Pending() const { return answers_.size(); }
    void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

    DlgResult Show(const BoxRequest& box) override;

  private:
    const Output& out_;
    std::deque<DlgResult> answers_;
    Answerer answerer_;
};

// The printer: every call recorded, one output line per printed page; optionally passed on to
// the real page renderer. Tests may also watch each page's text.
class RecordingPrintStream : public PrintStream {
  public:
    RecordingPrintStream(const Output& out, std::unique_ptr<PrintStream> next)
        : out_(out), next_(std::move(next)) {}

    // The text of each closed document, one string per line (fragments joined; the last line
    // has no line break after it).
    using PageLines = std::vector<std::string>;
    void SetOnPage(std::function<void(const PageLines&)> onPage) { onPage_ = std::move(onPage); }

    std::optional<std::string> Open() override;
    void SetFontName(const std::string& family) override;
    void SetFontSize(int points) override;
    void SetFontStyle(bool bold, bool underline) override;
    void SetColour(Colour colour) override;
    void Write(const std::string& fragment) override;
    void NewLine() override;
    std::optional<std::string> Close() override;

  private:
    const Output& out_;
    std::unique_ptr<PrintStream> next_;
    Json ops_ = Json::Array();
    PageLines lines_;
    std::function<void(const PageLines&)> onPage_;
    PrintFont font_;
};

// Runs the commands of a script on the window.
class Driver {
  public:
    // `dump` writes the `dump` output line.
    Driver(MainWindow& win, ScriptedBoxes& boxes, const Output& out, std::function<void()> dump)
        : win_(win), boxes_(boxes), out_(out), dump_(std::move(dump)) {}

    // Runs one command; false when the window has closed.
    bool Run(const Command& cmd);

    // The keys of `key` as Qt's key sequence text; empty when they cannot be read.
    static QKeySequence ParseKeys(const std::string& text);

  private:
    bool Reachable(const Command& cmd);
    void Click(const Command& cmd);
    void Pick(const Command& cmd);
    void Type(const Command& cmd);
    void Keys(const Command& cmd);
    static void ClosePopups();
    // The text a key types: a printable character without Ctrl, Alt or Meta.
    static QString KeyText(QKeyCombination k);
    static void Key(QWidget* target, int key, const QString& text,
                    Qt::KeyboardModifiers mods = Qt::NoModifier);

    MainWindow& win_;
    ScriptedBoxes& boxes_;
    const Output& out_;
    std::function<void()> dump_;
};

}  // namespace belegix::drive

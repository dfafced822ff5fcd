// The planner as the web page works it: the plan in memory (core/plan), the student's gestures
// (a click, a pick, a keystroke, a focus move) turned into the rules' events, the record of the
// actions with the answers to their boxes, undo and redo, the plan file. No GUI toolkit: the page
// calls it through the bridge (web/bridge.cpp) with JSON.
//
// Message boxes: the rules ask in the middle of an operation, but a page cannot wait there. A
// gesture therefore runs on a copy of the session with the answers given so far; when a question
// has no answer yet, the copy is dropped and the question goes back to the page, which shows it
// and runs the gesture again with one answer more. The rules are deterministic, so the boxes
// before the question come out the same every time.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "core/plan/plan.h"
#include "core/plan/planning.h"
#include "core/rules/events.h"

namespace belegix::web {

using Json = nlohmann::ordered_json;

// One gesture of the student, or of the page on the student's behalf.
struct Gesture {
    enum class Op { Click, Pick, Type, Edit, Focus, Key, Tick, Close, Undo, Redo } op = Op::Click;
    Control control = Control::BitBtnHinweise;
    int index = 0;
    std::string text;      // Type: the characters; Key: the key names; Tick: "time|date"
    bool focused = false;  // Key with NAME "-": the keys go to the focused control
    std::string source;    // the command as written, for an ignored line
};

struct Outcome {
    Json events = Json::array();  // {"box": …}, {"print": …}, {"ignored": …}, {"closed": true}
    std::optional<BoxRequest> ask;  // a question still without an answer
    std::string printHtml;          // the printed page as HTML, when the gesture printed
    int fail = 0;                   // 2: the gesture cannot be done (reason in `failure`)
    std::string failure;
};

// Whether `text` is a key sequence the session knows (up to four keys separated by ", ").
bool KeysReadable(const std::string& text);

class Session {
  public:
    Session();

    // Runs the gesture with `answers` to its questions, in order.
    Outcome Run(const Gesture& g, const std::vector<DlgResult>& answers);

    // The plan file's text, saved at `savedUtc`.
    std::string PlanText(const std::string& savedUtc) const;
    // The text was written to `file`: the plan belongs to it and counts as saved.
    void Saved(const std::string& file);
    // Writing `file` failed for `why` (folder-missing, folder-is-file, is-folder, permission,
    // write-error, rename, other): the box that says so; the plan stays as it was.
    Outcome SaveFailed(const std::string& file, const std::string& why);
    // Opens the plan file at `path`; a box about the file itself goes into the outcome.
    Outcome Open(const std::string& path);
    // Puts back a plan kept by the page (its file text, the file it belongs to and whether it
    // had unsaved changes), without any box; false when the text is no usable plan.
    bool Restore(const std::string& text, const std::string& file, bool unsaved);

    // Everything the page shows, and the driver's dump (without measured label sizes).
    Json ViewJson() const;
    Json DumpJson() const;
    std::string Title() const;
    std::string FileText() const;  // the current plan as a file's text (for the browser's storage)
    bool closed() const { return closed_ || window().closed; }
    std::string ProposedName() const;

  private:
    void Exec(const Gesture& g);
    bool Reachable(const Gesture& g);
    bool Usable(Control c) const { return !closed_ && door_.Usable(c); }
    void Ignored(const Gesture& g);
    // The door's call, with what the page's focus keeping needs to know around it.
    void Through(const std::function<void()>& call);
    void FocusMove(Control to);
    void Pick(Control c, int index);
    void Edit(Control c, const std::string& text);
    void Keys(const Gesture& g);
    void Key(const std::string& key);
    void TabMove(bool next);
    const plan::WindowState& window() const { return door_.window(); }

    plan::Planning door_;
    bool closed_ = false;  // closed through the title bar
    std::string file_;
    int focusOption_ = -1;  // the option of the focused radio group that holds the focus
    std::optional<Control> resumeFrom_;   // where Tab goes on when no control holds the focus
    std::optional<Control> panelOpener_;  // the control that had the focus when the panel opened
    std::optional<Control> popup_;        // the combo box whose list is open
    int popupRow_ = -1;
    bool selected_ = false;  // the focused field's whole text is selected
};

}  // namespace belegix::web

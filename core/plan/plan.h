// The student's plan kept apart from any window: a window held in memory, the record of what the
// student did, the replay of that record from program start, the plan file (.belegix) and the
// summary of a plan with the comparison of two summaries. No GUI toolkit: the window, the
// driver and the school's checker all use this.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/choice_state.h"
#include "core/message_boxes.h"
#include "core/plan/limits.h"
#include "core/view.h"

namespace belegix::plan {

// The plan file's format: 1 held every keystroke's whole text; 2 holds keystrokes as edits and
// a summary taken from the rules' own values.
inline constexpr int kFormatVersion = 2;

// ---------------------------------------------------------------------------------------------
// The window in memory

// What one control shows.
struct ControlState {
    std::string text;  // caption, edit text or memo lines; empty for the grid and the status bar
    int index = -1;    // combo boxes and radio groups
    std::vector<std::string> items;
    bool enabled = true;  // the control's own flag, not its parent's
    bool visible = true;
    std::optional<Colour> colour;  // unset: shows its parent's colour (or the design's)
    Colour fontColour = Colour::Navy;
    int left = 0;
    bool operator==(const ControlState&) const = default;
};

using Cells = std::array<std::array<std::string, kGridColumns>, kGridRows>;  // [row][column]

// Everything of the window that belongs to the plan (not the status bar's clock).
struct WindowState {
    std::array<ControlState, kControlCount> controls{};
    Cells cells{};
    std::optional<Control> focus;      // the control holding the input focus, if any
    std::optional<Control> lastFocus;  // the last control that held it (kept when it went)
    bool closed = false;
    std::array<std::string, 4> status{};  // the status bar's panels
    bool operator==(const WindowState&) const = default;

    ControlState& at(Control c) { return controls.at(static_cast<std::size_t>(c)); }
    const ControlState& at(Control c) const { return controls.at(static_cast<std::size_t>(c)); }
};

// The window as the design builds it, before the creation handler runs.
WindowState DesignedWindow();

// The colour a control shows: its own, else its parent's or the design's.
Colour ShownColour(const WindowState& w, Control c);
// Whether a person could use the control: it and every parent enabled and visible, the window
// open, and not covered by the intro screen (only its button is usable then).
bool Usable(const WindowState& w, Control c);

// A `View` that keeps every control's state in memory and behaves as the real widgets do (a text
// written into a combo box is no selection, refilling a list keeps its text, disabling or hiding
// the control with the focus leaves the focus on none, the period panel takes the focus to its
// options when it opens). Boxes go to the answerer; without one, questions are answered Closed.
class MemoryView : public View {
  public:
    using Answerer = std::function<DlgResult(const BoxRequest&)>;

    // A window of its own, as the design builds it.
    MemoryView() : own_(DesignedWindow()), w_(&own_) {}
    // Works on `window` in place, which must outlive the view.
    explicit MemoryView(WindowState& window) : w_(&window) {}
    MemoryView(const MemoryView&) = delete;
    MemoryView& operator=(const MemoryView&) = delete;

    void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
    WindowState& window() { return *w_; }
    const WindowState& window() const { return *w_; }
    const std::array<std::string, 4>& status() const { return w_->status; }

    // What the student does: picks item `index` (which must exist), or types `text`.
    void Pick(Control c, int index);
    void Type(Control c, const std::string& text);

    int ItemIndex(Control c) const override;
    void SetItemIndex(Control c, int index) override;
    void ClearItems(Control c) override;
    void AddItem(Control c, const std::string& item) override;
    std::string Text(Control c) const override;
    void SetText(Control c, const std::string& text) override;
    void SetEnabled(Control c, bool enabled) override;
    void SetVisible(Control c, bool visible) override;
    void SetColour(Control c, Colour colour) override;
    Colour GetColour(Control c) const override;
    void SetFontColour(Control c, Colour colour) override;
    void SetLeft(Control c, int left) override;
    void SetFocus(Control c) override;
    void Repaint(Control c) override;
    std::string Cell(int column, int row) const override;
    void SetCell(int column, int row, const std::string& text) override;
    void SetStatusText(int panel, const std::string& text) override;
    DlgResult MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) override;
    void ShowMessage(const std::string& text) override;
    void Close() override;

  private:
    DlgResult Ask(const BoxRequest& box);
    void DropFocusInside(Control c);

    WindowState own_;
    WindowState* w_;
    Answerer answerer_;
};

// ---------------------------------------------------------------------------------------------
// What the student did

enum class ActionKind {
    Click,   // a button, or a frame
    Change,  // a pick (index) or a keystroke (the text the field then held)
    Enter,   // the focus moved into the control from outside it
    Focus,   // the control now holds the input focus
};
std::string_view ActionWord(ActionKind k);  // "click", "change", "enter", "focus"

// A keystroke's change of a field's text, in bytes: of the text before it, the last `keepEnd`
// bytes stay, the `cut` bytes before them go, and `insert` stands in their place. A character
// typed at the end is {0, 0, "x"}, whatever the text before it.
struct TextEdit {
    std::size_t cut = 0;
    std::size_t keepEnd = 0;
    std::string insert;
    bool operator==(const TextEdit&) const = default;
};
// The edit that turns `before` into `after`.
TextEdit EditBetween(std::string_view before, std::string_view after);

struct Action {
    Control control = Control::BitBtnHinweise;
    ActionKind kind = ActionKind::Click;
    std::optional<int> index;         // Change by a pick
    std::optional<std::string> text;  // Change by typing: the whole text (older files)
    std::optional<TextEdit> edit;     // Change by typing: the keystroke's edit
    std::vector<DlgResult> answers;   // to each question box (Yes/No) the action raised
    bool operator==(const Action&) const = default;
};

inline Action MakeAction(Control c, ActionKind kind) {
    Action a;
    a.control = c;
    a.kind = kind;
    return a;
}

// The text a typing action leaves in a field that held `before` (the edit's numbers fit it).
std::string TypedText(std::string_view before, const Action& typing);

// What a click on `c` (or, with `change`, a pick or typing in it) does, in German.
std::string ActionName(Control c, bool change);
// What a step of the student did, in German ("Profil wählen"), from its actions.
std::string StepName(std::span<const Action> step);

// A plan as the rules left it: the choice state (with the last evaluation) and the window.
struct PlanState {
    ChoiceState st;
    WindowState window;
    bool operator==(const PlanState&) const = default;
};

struct ReplayResult {
    std::optional<PlanState> plan;  // set when every action could run
    std::string error;              // German, naming the action by its number (from 1)
};
// Program start, then every action in order, through the door with no person answering.
ReplayResult Replay(const std::vector<Action>& actions);

// ---------------------------------------------------------------------------------------------
// The summary for people and for the school's checker

struct Summary {
    std::string name, vorname, klasse, schule;
    std::string profil;
    std::array<std::string, 5> pruefungsfaecher;  // P1 to P5
    Cells grid{};
    std::array<std::int64_t, 4> stunden{};  // weekly hours, 1st to 4th half-year
    std::int64_t durchschnitt = 0;
    std::int64_t kurse = 0;             // number of courses
    std::int64_t gqKurse = 0;           // results for the overall qualification
    std::array<std::string, 7> ampeln;  // colour words of Semester1..4, SemesterD, Kurse_ok, Gsq_ok
    bool zulaessig = false;             // the last evaluation found the plan admissible
    std::string urteil;                 // the last evaluation's verdict, empty for none
    bool operator==(const Summary&) const = default;
};

// The controls whose colours are the traffic lights, in the order of `Summary::ampeln`.
const std::array<Control, 7>& TrafficLights();

Summary Summarise(const PlanState& plan);

struct Difference {
    std::string figure;  // German label ("P1", "Durchschnitt", "Zeile 3 (Französich)", …)
    std::string stored;
    std::string replayed;
};
// The figures in which the stored summary differs from the replayed one, in summary order.
std::vector<Difference> Compare(const Summary& stored, const Summary& replayed);

// ---------------------------------------------------------------------------------------------
// The plan file

inline constexpr std::string_view kFileExtension = ".belegix";

struct PlanFile {
    int formatVersion = kFormatVersion;
    std::string program;  // "Belegix-LiH 1.0"
    std::string saved;    // ISO 8601, UTC
    std::vector<Action> actions;
    std::optional<Summary> summary;  // as stored; absent only in files written by hand
};

// The program name and version written into every file.
std::string ProgramVersion();

// What `action` adds to a file after `previous`: bytes, and the values the reader counts
// (keystrokes at a field's end are written together, as one entry).
struct FileCost {
    std::size_t bytes = 0;
    std::size_t values = 0;
};
FileCost CostInFile(const Action& action, const Action* previous);

// The file's text: UTF-8 JSON, one action a line, the summary derived from `plan`.
std::string WritePlan(const std::vector<Action>& actions, const PlanState& plan,
                      const std::string& savedUtc);

struct ReadResult {
    std::optional<PlanFile> file;
    std::string error;  // German reason when the text is no usable plan file
};
// Reads a file's text (at most kMaxFileBytes); never throws.
ReadResult ReadPlan(std::string_view text);
// Reads the file at `path` from disk with the size limit; never throws.
struct LoadResult {
    std::string text;
    std::string error;  // German reason when the file cannot be read
};
LoadResult LoadFile(const std::string& path);

// Everything a window or the checker needs from one file: read, replayed, compared.
struct Opened {
    std::string error;  // non-empty: the file is unusable, for this reason
    std::optional<PlanFile> file;
    std::optional<PlanState> plan;  // the replay
    Summary replayed;
    std::vector<Difference> differences;  // stored summary against the replay
};
Opened OpenText(std::string_view text);
Opened OpenFile(const std::string& path);

// The file name proposed for saving: "Kurswahl_Name_Vorname.belegix" from the personal data
// (letters, digits, '-' kept; everything else replaced), "Kurswahl.belegix" without a name.
std::string ProposedFileName(const std::string& name, const std::string& vorname);

}  // namespace belegix::plan

// The plan's one door. Every front end (the Qt window, the driver, the school's checker, opening a
// file, the tests) starts the planner here and hands every action of the student to it: the door
// checks that the control can be used, runs the event table on the window it keeps in memory,
// records the action with the answers given to the boxes it raised, and marks the undo steps.
// Undo and redo rebuild the window from the record; the record is also the plan's file form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_boxes.h"
#include "core/plan/plan.h"
#include "core/print_stream.h"

namespace belegix::plan {

class Planning {
  public:
    enum class Outcome {
        Done,     // the action ran (a click without a handler included) and is recorded
        Ignored,  // the control cannot be used now: nothing ran, nothing is recorded
        Refused,  // the action would pass a limit or cannot be: nothing ran (see `Result::reason`)
    };
    struct Result {
        Outcome outcome = Outcome::Done;
        std::string reason;  // German, for Refused
    };

    // Program start: the window as the design builds it, its creation handler run. Boxes that an
    // action raises are shown through `boxes` and their answers recorded; without boxes (a plan
    // replayed) they are answered from the action. Printing goes to `printer`, or nowhere.
    explicit Planning(MessageBoxes* boxes = nullptr, PrintStream* printer = nullptr);
    Planning(Planning&&) noexcept;
    Planning& operator=(Planning&&) noexcept;
    // A copy shares the boxes and the printer (the web edition tries an action on a copy).
    Planning(const Planning&);
    Planning& operator=(const Planning&);
    ~Planning();

    // The window's first activation: evaluates the empty plan once. Later calls do nothing.
    void Activate();

    // The one entry for what the student does.
    Result Act(Action action);
    Result Click(Control c);
    Result Pick(Control c, int index);
    // The field of `c` now holds `text` (a keystroke, or a paste).
    Result Type(Control c, std::string_view text);
    // The input focus moved onto `c`: recorded, and every control entered runs its focus handler.
    Result Focus(Control c);

    // Whether a person can use `c` now.
    bool Usable(Control c) const;

    // Undo and redo one step; false when there is none.
    bool Undo();
    bool Redo();
    std::size_t UndoCount() const { return steps_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    // What the step that Undo (Redo) would take did, in German ("Profil wählen"); empty for none.
    std::string UndoName() const;
    std::string RedoName() const;

    // Whether the plan differs from the last save or open (false before either).
    bool Unsaved() const;
    // The plan's file text, saved at `savedUtc`; MarkSaved once it is written.
    std::string FileText(const std::string& savedUtc) const;
    void MarkSaved();

    // Replaces the plan by the one in a file's text, with the undo history of its actions. On
    // failure the plan stays exactly as it was; the result says why.
    struct OpenResult {
        std::string error;                    // German; empty on success
        std::vector<Difference> differences;  // stored summary against the rules' answer
    };
    OpenResult Open(std::string_view text);
    // Builds a plan from a file's text, with no person answering (the school's checker).
    static Opened Replayed(std::string_view text);

    // The status bar's clock; no action of the student.
    void ShowClock(const std::string& time, const std::string& date);

    const PlanState& plan() const { return plan_; }
    const WindowState& window() const { return plan_.window; }
    const ChoiceState& state() const { return plan_.st; }
    const std::vector<Action>& record() const { return record_; }
    // Changes whenever the record does (a new action, undo, redo, a plan opened); never the same
    // for two different records of one run.
    std::uint64_t Revision() const { return revision_; }
    Summary Summarise() const { return plan::Summarise(plan_); }

  private:
    friend ReplayResult Replay(const std::vector<Action>& actions);

    struct Step {
        std::size_t begin = 0;  // record positions: the step's actions are [begin, end)
        std::size_t end = 0;
        std::uint64_t id = 0;
        std::optional<Control> typedInto;  // keystrokes into one field are one step
        std::vector<Action> actions;       // kept while the step waits to be redone
    };
    struct Checkpoint {
        std::size_t position = 0;  // the plan after this many actions
        PlanState plan;
    };

    // The action checked against the window and the limits, run, and recorded. `live`: done
    // now by the student (boxes go to the person, whose answers are recorded; a click or focus
    // entry that nothing handles is no action); otherwise replayed from a record, boxes
    // answered from the action.
    Result ActAs(Action action, bool live);
    Result Check(const Action& action, const FileCost& cost) const;
    Result Run(Action& action, bool live);
    void Record(Action action, FileCost cost);
    // The plan after the first `position` actions, from the nearest kept plan before it; the
    // record is cut there.
    void Rebuild(std::size_t position);
    // Replays a file's actions; the German reason of the first that cannot run, or empty.
    std::string Feed(const std::vector<Action>& actions);
    std::uint64_t CurrentId() const { return steps_.empty() ? baseId_ : steps_.back().id; }

    MessageBoxes* boxes_ = nullptr;
    PrintStream* printer_ = nullptr;
    PlanState plan_;
    std::vector<Action> record_;
    std::vector<FileCost> costs_;  // each action's share of the file
    FileCost file_;                // the record's share of the file
    std::vector<Checkpoint> checkpoints_;
    PlanState stepStart_;  // the plan where the next step begins
    std::vector<Step> steps_;
    std::vector<Step> redo_;
    std::uint64_t nextId_ = 0;
    std::uint64_t baseId_ = 0;   // the plan before the first step
    std::uint64_t savedId_ = 0;  // the plan as last saved or opened
    bool hasSaved_ = false;
    bool activated_ = false;
    bool history_ = true;
    std::uint64_t revision_ = 0;  // undo steps and kept plans (not for a plan only checked)
};

}  // namespace belegix::plan

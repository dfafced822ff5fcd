#include "core/plan/planning.h"

#include <algorithm>

#include "core/design.h"
#include "core/plan/limits.h"
#include "core/rules/events.h"
#include "core/rules/steps.h"
#include "core/rules/window.h"

namespace belegix::plan {

namespace {

// Revisions of records, counted over the whole run.
std::uint64_t NextRevision() {
    static std::uint64_t last = 0;
    return ++last;
}

// Actions between two kept plans: an undo replays at most this many.
constexpr std::size_t kCheckpointEvery = 512;

std::string Quoted(std::string_view s) {
    return "„" + std::string(s) + "“";
}

// Everything of the window that belongs to the plan: not where the focus is, not the clock.
bool SamePlan(const WindowState& a, const WindowState& b) {
    return a.controls == b.controls && a.cells == b.cells && a.closed == b.closed;
}

// The controls that a focus move from `before` onto `now` enters, the outermost first.
std::vector<Control> Entered(std::optional<Control> before, Control now) {
    std::vector<Control> entered;
    for (std::optional<Control> c = now; c; c = design::Of(*c).parent) {
        if (before && (*before == *c || design::IsInside(*before, *c))) break;
        entered.push_back(*c);
    }
    std::reverse(entered.begin(), entered.end());
    return entered;
}

// The stored summary against the rules' answer.
std::vector<Difference> Differences(const PlanFile& file, const Summary& replayed) {
    if (!file.summary) return {{"Zusammenfassung", "fehlt", "neu berechnet"}};
    return Compare(*file.summary, replayed);
}

}  // namespace

Planning::Planning(MessageBoxes* boxes, PrintStream* printer) : boxes_(boxes), printer_(printer) {
    plan_.window = DesignedWindow();
    MemoryView view(plan_.window);
    ShowStatusTexts(view);
    StartPlanner(plan_.st, view);
    view.SetFocus(Control::BitBtnHinweise);
}

Planning::Planning(const Planning&) = default;
Planning& Planning::operator=(const Planning&) = default;
Planning::Planning(Planning&&) noexcept = default;
Planning& Planning::operator=(Planning&&) noexcept = default;
Planning::~Planning() = default;

void Planning::Activate() {
    if (activated_) return;
    activated_ = true;
    MemoryView view(plan_.window);
    NullPrintStream nowhere;
    view.SetAnswerer([this](const BoxRequest& box) {
        if (boxes_ != nullptr) return boxes_->Show(box);
        return box.buttons.size() == 1 ? box.buttons.front() : DlgResult::Closed;
    });
    Form form{plan_.st, view, printer_ != nullptr ? *printer_ : nowhere};
    Dispatch(form, Control::ErgebnisBitBtn, Event::Activate);
    // The plan starts here.
    checkpoints_.clear();
    if (history_) checkpoints_.push_back({0, plan_});
    stepStart_ = plan_;
}

bool Planning::Usable(Control c) const {
    return plan::Usable(plan_.window, c);
}

// ---------------------------------------------------------------------------------------------
// Running one action

Planning::Result Planning::Run(Action& a, bool live) {
    const bool person = live && boxes_ != nullptr;
    const Control c = a.control;
    const std::string name = Quoted(ControlName(c));
    MemoryView view(plan_.window);
    NullPrintStream nowhere;
    std::size_t next = 0;
    std::string error;
    view.SetAnswerer([&](const BoxRequest& box) -> DlgResult {
        if (person) {
            const DlgResult answer = boxes_->Show(box);
            if (box.buttons.size() > 1) a.answers.push_back(answer);
            return answer;
        }
        if (box.buttons.size() == 1) return box.buttons.front();
        if (next >= a.answers.size()) {
            if (error.empty())
                error = "Die Datei enthält keine Antwort auf die Frage " + Quoted(box.text) + ".";
            return DlgResult::Closed;
        }
        const DlgResult answer = a.answers[next++];
        if (answer != DlgResult::Closed &&
            std::find(box.buttons.begin(), box.buttons.end(), answer) == box.buttons.end()) {
            if (error.empty())
                error = "Die Antwort passt nicht zur Frage " + Quoted(box.text) + ".";
            return DlgResult::Closed;
        }
        return answer;
    });
    Form form{plan_.st, view, live && printer_ != nullptr ? *printer_ : nowhere};
    bool handled = true;
    switch (a.kind) {
        case ActionKind::Click:
            handled = Dispatch(form, c, Event::Click);
            break;
        case ActionKind::Change:
            if (a.index)
                view.Pick(c, *a.index);
            else
                view.Type(c, TypedText(view.Text(c), a));
            Dispatch(form, c, Event::Change);
            break;
        case ActionKind::Enter:
            handled = Dispatch(form, c, Event::Enter);
            break;
        case ActionKind::Focus:
            view.SetFocus(c);
            break;
    }
    if (!error.empty()) return {Outcome::Refused, error};
    // A click or a focus entry that no handler takes changes nothing and is no action of the
    // plan; a replayed file keeps its record as it is.
    if (!handled && live) return {Outcome::Ignored, {}};
    return {};
}

Planning::Result Planning::Check(const Action& a, const FileCost& cost) const {
    const Control c = a.control;
    const std::string name = Quoted(ControlName(c));
    const design::Kind kind = design::Of(c).kind;
    switch (a.kind) {
        case ActionKind::Click:
            if (kind != design::Kind::Button && kind != design::Kind::GroupBox)
                return {Outcome::Refused, name + " lässt sich nicht anklicken."};
            break;
        case ActionKind::Change: {
            const int ways = (a.index ? 1 : 0) + (a.text ? 1 : 0) + (a.edit ? 1 : 0);
            if (ways != 1)
                return {Outcome::Refused, "Eine Änderung von " + name +
                                              " braucht genau eine Auswahl oder einen Text."};
            if (a.index) {
                const auto& items = plan_.window.at(c).items;
                if (!design::TakesPick(c))
                    return {Outcome::Refused, name + " bietet keine Auswahl."};
                if (*a.index < 0 || static_cast<std::size_t>(*a.index) >= items.size())
                    return {Outcome::Refused,
                            name + " hat keinen Eintrag Nummer " + std::to_string(*a.index) + "."};
                break;
            }
            if (!design::TakesTyping(c))
                return {Outcome::Refused, "In " + name + " lässt sich nichts eingeben."};
            const std::string& before = plan_.window.at(c).text;
            if (a.edit && a.edit->cut + a.edit->keepEnd > before.size())
                return {Outcome::Refused, "Die Änderung von " + name + " passt nicht zum Text."};
            if (const std::string problem = TextProblem(c, TypedText(before, a)); !problem.empty())
                return {Outcome::Refused, problem + " (" + name + ")"};
            break;
        }
        case ActionKind::Enter:
        case ActionKind::Focus:
            break;
    }
    if (a.answers.size() > kMaxAnswers)
        return {Outcome::Refused, "Zu viele Antworten für " + name + "."};
    // Answers a person gives are not known yet: room for the most is kept.
    if (record_.size() >= kMaxActions ||
        file_.bytes + cost.bytes + kMaxAnswers * 8 + kFileReserveBytes > kMaxFileBytes ||
        file_.values + cost.values + kMaxAnswers + kFileReserveValues > kMaxFileValues)
        return {Outcome::Refused,
                "Der Plan ist so lang geworden, wie eine Plandatei sein darf. Diese Aktion wird "
                "nicht mehr ausgeführt.\n\nSpeichere den Plan, oder nimm Schritte mit Strg+Z "
                "zurück und plane kürzer weiter."};
    return {};
}

Planning::Result Planning::ActAs(Action a, bool live) {
    const bool person = live && boxes_ != nullptr;
    if (!activated_) Activate();
    if (!Usable(a.control))
        return {Outcome::Ignored,
                Quoted(ControlName(a.control)) + " ist in diesem Moment nicht bedienbar."};
    if (person) a.answers.clear();
    const Action* previous = record_.empty() ? nullptr : &record_.back();
    FileCost cost = CostInFile(a, previous);
    if (Result problem = Check(a, cost); problem.outcome != Outcome::Done) {
        // A person is told about the limits of the plan, not about a refused character.
        if (person && problem.reason.starts_with("Der Plan ist so lang"))
            boxes_->Show(MessageDlgBox(problem.reason, DlgType::Information, DlgButtons::Ok));
        return problem;
    }
    Result r = Run(a, live);
    if (r.outcome != Outcome::Done) return r;
    if (!a.answers.empty()) cost = CostInFile(a, previous);
    Record(std::move(a), cost);
    return r;
}

void Planning::Record(Action a, FileCost cost) {
    const ActionKind kind = a.kind;
    const Control c = a.control;
    const bool typed = kind == ActionKind::Change && !a.index;
    record_.push_back(std::move(a));
    costs_.push_back(cost);
    file_.bytes += cost.bytes;
    file_.values += cost.values;
    revision_ = NextRevision();
    if (history_ && record_.size() % kCheckpointEvery == 0)
        checkpoints_.push_back({record_.size(), plan_});
    // Getting to a control belongs to the step of what is done there.
    if (!history_ || kind == ActionKind::Enter || kind == ActionKind::Focus) return;
    if (plan_.st == stepStart_.st && SamePlan(plan_.window, stepStart_.window)) return;
    stepStart_ = plan_;
    redo_.clear();
    // Further keystrokes into the field just typed into, with nothing in between, extend that
    // step.
    if (typed && !steps_.empty() && steps_.back().typedInto == c &&
        steps_.back().end + 1 == record_.size()) {
        steps_.back().end = record_.size();
        steps_.back().id = ++nextId_;
        return;
    }
    const std::size_t begin = steps_.empty() ? 0 : steps_.back().end;
    steps_.push_back(
        {begin, record_.size(), ++nextId_, typed ? std::optional<Control>(c) : std::nullopt, {}});
}

Planning::Result Planning::Act(Action action) {
    return ActAs(std::move(action), true);
}

Planning::Result Planning::Click(Control c) {
    return Act(MakeAction(c, ActionKind::Click));
}

Planning::Result Planning::Pick(Control c, int index) {
    Action a = MakeAction(c, ActionKind::Change);
    a.index = index;
    return Act(std::move(a));
}

Planning::Result Planning::Type(Control c, std::string_view text) {
    Action a = MakeAction(c, ActionKind::Change);
    a.edit = EditBetween(plan_.window.at(c).text, text);
    return Act(std::move(a));
}

Planning::Result Planning::Focus(Control c) {
    if (!activated_) Activate();
    if (!Usable(c)) return {Outcome::Ignored, {}};
    if (plan_.window.focus == c) return {};
    const std::optional<Control> before = plan_.window.lastFocus;
    Result r = Act(MakeAction(c, ActionKind::Focus));
    if (r.outcome != Outcome::Done) return r;
    for (Control entered : Entered(before, c)) Act(MakeAction(entered, ActionKind::Enter));
    return {};
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

void Planning::Rebuild(std::size_t position) {
    while (!checkpoints_.empty() && checkpoints_.back().position > position)
        checkpoints_.pop_back();
    const auto status = plan_.window.status;
    const Checkpoint& from = ElementOf(checkpoints_, checkpoints_.size() - 1, "kept plan");
    plan_ = from.plan;
    for (std::size_t i = from.position; i < position; ++i) {
        Action a = record_[i];
        Run(a, false);
    }
    plan_.window.status = status;
    if (record_.size() > position) revision_ = NextRevision();
    while (record_.size() > position) {
        file_.bytes -= costs_.back().bytes;
        file_.values -= costs_.back().values;
        costs_.pop_back();
        record_.pop_back();
    }
}

bool Planning::Undo() {
    if (steps_.empty()) return false;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    step.actions.assign(record_.begin() + static_cast<std::ptrdiff_t>(step.begin),
                        record_.begin() + static_cast<std::ptrdiff_t>(step.end));
    Rebuild(step.begin);
    stepStart_ = plan_;
    redo_.push_back(std::move(step));
    return true;
}

bool Planning::Redo() {
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    // Actions after the last step that made no change are left behind, as an undo would.
    Rebuild(step.begin);
    for (Action& a : step.actions) {
        Run(a, false);
        const FileCost cost = CostInFile(a, record_.empty() ? nullptr : &record_.back());
        record_.push_back(std::move(a));
        costs_.push_back(cost);
        file_.bytes += cost.bytes;
        file_.values += cost.values;
        if (record_.size() % kCheckpointEvery == 0) checkpoints_.push_back({record_.size(), plan_});
    }
    step.actions.clear();
    stepStart_ = plan_;
    steps_.push_back(std::move(step));
    revision_ = NextRevision();
    return true;
}

std::string Planning::UndoName() const {
    if (steps_.empty()) return {};
    const Step& s = steps_.back();
    return StepName(std::span<const Action>(record_).subspan(s.begin, s.end - s.begin));
}

std::string Planning::RedoName() const {
    return redo_.empty() ? std::string() : StepName(redo_.back().actions);
}

// ---------------------------------------------------------------------------------------------
// Saving and opening

bool Planning::Unsaved() const {
    return hasSaved_ && CurrentId() != savedId_;
}

std::string Planning::FileText(const std::string& savedUtc) const {
    return WritePlan(record_, plan_, savedUtc);
}

void Planning::MarkSaved() {
    savedId_ = CurrentId();
    hasSaved_ = true;
}

Planning::OpenResult Planning::Open(std::string_view text) {
    OpenResult result;
    ReadResult read = ReadPlan(text);
    if (!read.file) {
        result.error = read.error;
        return result;
    }
    Planning opened(boxes_, printer_);
    opened.Activate();
    if (std::string error = opened.Feed(read.file->actions); !error.empty()) {
        result.error = error;
        return result;
    }
    opened.plan_.window.status = plan_.window.status;
    result.differences = Differences(*read.file, opened.Summarise());
    opened.MarkSaved();
    *this = std::move(opened);
    return result;
}

std::string Planning::Feed(const std::vector<Action>& actions) {
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Result r = ActAs(actions[i], false);
        if (r.outcome != Outcome::Done)
            return "Aktion " + std::to_string(i + 1) + " von " + std::to_string(actions.size()) +
                   ": " + r.reason;
    }
    return {};
}

Opened Planning::Replayed(std::string_view text) {
    Opened o;
    ReadResult read = ReadPlan(text);
    if (!read.file) {
        o.error = read.error;
        return o;
    }
    Planning p;
    p.history_ = false;
    p.Activate();
    if (std::string error = p.Feed(read.file->actions); !error.empty()) {
        o.error = error;
        return o;
    }
    o.replayed = p.Summarise();
    o.differences = Differences(*read.file, o.replayed);
    o.plan = std::move(p.plan_);
    o.file = std::move(read.file);
    return o;
}

ReplayResult Replay(const std::vector<Action>& actions) {
    ReplayResult result;
    Planning p;
    p.history_ = false;
    p.Activate();
    result.error = p.Feed(actions);
    if (result.error.empty()) result.plan = std::move(p.plan_);
    return result;
}

void Planning::ShowClock(const std::string& time, const std::string& date) {
    MemoryView view(plan_.window);
    belegix::ShowClock(view, time, date);
}

}  // namespace belegix::plan

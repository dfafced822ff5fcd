#include <algorithm>

#include "core/design.h"
#include "core/plan/plan.h"
#include "core/rules/course_plan.h"
#include "core/rules/events.h"
#include "core/rules/steps.h"
#include "core/rules/window.h"

namespace belegix::plan {

namespace {

using design::Kind;

bool IsVerdict(const std::string& text) {
    const auto& verdicts = VerdictTexts();
    return std::find(verdicts.begin(), verdicts.end(), text) != verdicts.end();
}

std::string Quoted(std::string_view s) {
    return "„" + std::string(s) + "“";
}

}  // namespace

std::string_view ActionWord(ActionKind k) {
    switch (k) {
        case ActionKind::Click:
            return "click";
        case ActionKind::Change:
            return "change";
        case ActionKind::Enter:
            return "enter";
        case ActionKind::Focus:
            return "focus";
    }
    return "click";
}

PlanState StartState() {
    PlanState plan;
    plan.window = DesignedWindow();
    MemoryView view(plan.window);
    NullPrintStream printer;
    view.SetAnswerer([&plan](const BoxRequest& box) {
        if (box.kind == BoxKind::Plain && IsVerdict(box.text)) plan.verdict = box.text;
        return box.buttons.size() == 1 ? box.buttons.front() : DlgResult::Closed;
    });
    Form form{plan.st, view, printer};
    ShowStatusTexts(view);
    StartPlanner(plan.st, view);
    view.SetFocus(Control::BitBtnHinweise);
    Dispatch(form, Control::ErgebnisBitBtn, Event::Activate);
    return plan;
}

std::optional<std::string> Apply(PlanState& plan, const Action& a) {
    const Control c = a.control;
    const std::string name = Quoted(ControlName(c));
    if (!Usable(plan.window, c))
        return "„" + std::string(ControlName(c)) + "“ ist in diesem Moment nicht bedienbar.";

    MemoryView view(plan.window);
    NullPrintStream printer;
    std::size_t next = 0;
    std::optional<std::string> error;
    view.SetAnswerer([&](const BoxRequest& box) -> DlgResult {
        if (box.kind == BoxKind::Plain && IsVerdict(box.text)) plan.verdict = box.text;
        if (box.buttons.size() == 1) return box.buttons.front();
        if (next >= a.answers.size()) {
            if (!error)
                error = "Die Datei enthält keine Antwort auf die Frage " + Quoted(box.text) + ".";
            return DlgResult::Closed;
        }
        const DlgResult answer = a.answers[next++];
        if (answer != DlgResult::Closed &&
            std::find(box.buttons.begin(), box.buttons.end(), answer) == box.buttons.end()) {
            if (!error) error = "Die Antwort passt nicht zur Frage " + Quoted(box.text) + ".";
            return DlgResult::Closed;
        }
        return answer;
    });
    Form form{plan.st, view, printer};
    const Kind kind = design::Of(c).kind;

    switch (a.kind) {
        case ActionKind::Click:
            if (kind != Kind::Button && kind != Kind::GroupBox)
                error = name + " lässt sich nicht anklicken.";
            else
                Dispatch(form, c, Event::Click);
            break;
        case ActionKind::Change:
            if (a.index.has_value() == a.text.has_value()) {
                error =
                    "Eine Änderung von " + name + " braucht genau eine Auswahl oder einen Text.";
            } else if (a.index) {
                const auto& items = view.window().at(c).items;
                if (!design::TakesPick(c))
                    error = name + " bietet keine Auswahl.";
                else if (*a.index < 0 || static_cast<std::size_t>(*a.index) >= items.size())
                    error = name + " hat keinen Eintrag Nummer " + std::to_string(*a.index) + ".";
                else
                    view.Pick(c, *a.index);
            } else if (!design::TakesTyping(c)) {
                error = "In " + name + " lässt sich nichts eingeben.";
            } else if (a.text->size() > kMaxTextBytes) {
                error = "Der Text für " + name + " ist zu lang.";
            } else {
                view.Type(c, *a.text);
            }
            if (!error) Dispatch(form, c, Event::Change);
            break;
        case ActionKind::Enter:
            Dispatch(form, c, Event::Enter);
            break;
        case ActionKind::Focus:
            view.window().focus = c;
            break;
    }
    return error;
}

ReplayResult Replay(const std::vector<Action>& actions) {
    ReplayResult result;
    PlanState plan = StartState();
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (auto error = Apply(plan, actions[i])) {
            result.error = "Aktion " + std::to_string(i + 1) + " von " +
                           std::to_string(actions.size()) + ": " + *error;
            return result;
        }
    }
    result.plan = std::move(plan);
    return result;
}

}  // namespace belegix::plan

// The record's pieces that the door, the file and the undo menu share: keystrokes as edits, the
// names of steps, and the replay of a whole record.
#include <algorithm>

#include "core/plan/plan.h"
#include "core/plan/planning.h"

namespace belegix::plan {

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

TextEdit EditBetween(std::string_view before, std::string_view after) {
    std::size_t front = 0;
    const std::size_t most = std::min(before.size(), after.size());
    while (front < most && before[front] == after[front]) ++front;
    std::size_t back = 0;
    while (back < most - front &&
           before[before.size() - 1 - back] == after[after.size() - 1 - back])
        ++back;
    return {before.size() - front - back, back,
            std::string(after.substr(front, after.size() - front - back))};
}

std::string TypedText(std::string_view before, const Action& a) {
    if (a.text) return *a.text;
    if (!a.edit) return std::string(before);
    const TextEdit& e = *a.edit;
    const std::size_t keepFront = before.size() - e.cut - e.keepEnd;
    std::string after(before.substr(0, keepFront));
    after += e.insert;
    after += before.substr(before.size() - e.keepEnd);
    return after;
}

std::string StepName(std::span<const Action> step) {
    // The step is named by the last thing the student did in it that is no focus move.
    for (auto it = step.rbegin(); it != step.rend(); ++it) {
        if (it->kind == ActionKind::Focus || it->kind == ActionKind::Enter) continue;
        return std::string(ActionName(it->control, it->kind == ActionKind::Change));
    }
    return {};
}

}  // namespace belegix::plan

// Step 5: the course plan. The evaluation completes the grid from the choice state and the
// step-3 boxes, counts courses and weekly hours, grades the result panels and tells the student
// the verdict.
#pragma once

#include <array>
#include <string_view>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// "Ergebnis", and the window's activation: evaluates the plan. It only ever writes cells (never
// clears one), so running it again on the same state gives the same plan and message.
void EvaluatePlan(ChoiceState& st, View& view);

// `ErgebnisBitBtn` got the input focus: from now on each additional course re-evaluates.
void KeepPlanEvaluated(ChoiceState& st);

// The verdicts the evaluation may show, each in a plain box: optimal, admissible with no room for
// a further course, admissible with very many courses, too few weekly hours.
const std::array<std::string_view, 4>& VerdictTexts();

// The traffic-light colour of one half-year's weekly hours (0 hours: neutral).
Colour HalfYearColour(Counter hours);

}  // namespace belegix

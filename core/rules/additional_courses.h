// Step 4: further optional courses, and the period panel that also places the two-hour
// obligation courses of step 3 in two chosen half-years.
#pragma once

#include <string_view>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

inline constexpr std::string_view kSchonBelegt = "\nDieses Fach hast Du schon belegt!\n";

// The focus moves into the frame of step 4.
void OpenAdditionalCourses(ChoiceState& st, View& view);
// A click on the frame of step 4 itself.
void StartAdditionalCourse(ChoiceState& st, View& view);

// Choose a course: `changed` is the box the student changed (`ZusatzBox` in step 4, or
// `KuMuBox`, `PoBox`, `GeBox` in step 3). Refuses a subject already taken, marks the two-hour
// subject whose period is asked and opens the period panel.
void ChooseCourse(ChoiceState& st, View& view, Control changed);

// "  Fertig" of the period panel: stores the chosen half-years and closes the panel.
void ConfirmPeriod(ChoiceState& st, View& view);

// "Weiter": writes the chosen course into its half-years of the plan, then re-opens step 4.
// While the period panel is open, or before any period has been confirmed, it only asks for
// an option: the half-years to write are not known yet.
void EnterCourse(ChoiceState& st, View& view);

}  // namespace belegix

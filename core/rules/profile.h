// Step 1 of the workflow: the profile, which decides the subjects offered at each exam position.
#pragma once

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// "  Fertig" of step 1: names the profile above the plan grid, marks its core positions, fills
// the five exam-subject boxes and the box of the additional obligation, closes step 1 and opens
// step 2. Without a chosen profile only a message is shown.
void ConfirmProfile(ChoiceState& st, View& view);

}  // namespace belegix

// The steps of the window from left to right, what opening and closing one does, and the reset
// that returns state and window to the beginning.
#pragma once

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

enum class Step : int { IntensiveLanguage, Profile, ExamSubjects, Obligations, AdditionalCourses };

struct StepControls {
    Control frame;   // orange while the step is open, silver while closed
    Control body;    // usable while open: the frame itself, or the list of step 0
    Control button;  // the step's "Fertig" or "Weiter"
};

const StepControls& ControlsOf(Step step);

// Opening a step colours its frame orange and makes it and its button usable; closing colours it
// silver and makes both unusable.
void OpenStep(View& view, Step step);
void CloseStep(View& view, Step step);
// A step is done: it closes and the next one opens.
void FinishStep(View& view, Step done);

// The window as at the beginning, step 0 open when `intensiveStep` is set.
void ResetWindow(View& view, bool intensiveStep);

// "Zurücksetzen", and the restart after a refused choice: state and window as at the beginning.
void ResetPlan(ChoiceState& st, View& view);

// The window's creation: step 0 switched off, then the reset.
void StartPlanner(ChoiceState& st, View& view);

}  // namespace belegix

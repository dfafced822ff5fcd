// A student's way through the steps on the window in memory, one function per step, so that each
// benchmark can prepare the window up to the handler it measures. Every step reports what went
// wrong instead of measuring a path the student would not take.
#pragma once

#include <string>

#include "core/choice_state.h"
#include "core/rules/profile_lists.h"
#include "tests/support/test_view.h"

namespace belegix::bench {

// The five exam subjects, as indices into the profile's lists.
struct ExamChoice {
    Profile profile;
    int p1, p2, p3, p4, p5;
};

// An accepted choice for each profile: every task field, two core subjects, at most 36 results.
ExamChoice AdmissibleChoice(Profile p);

struct Window {
    ChoiceState st;
    test::TestView view;
};

// Empty when the step went as a student expects, otherwise what happened instead.
using StepError = std::string;

// The window as the program creates it: design items, creation handler, first evaluation.
StepError Create(Window& w);
// Step 1: the profile chosen and confirmed.
StepError ChooseProfile(Window& w, Profile p);
// Step 2: the five exam subjects picked (not yet confirmed).
StepError PickExamSubjects(Window& w, const ExamChoice& c);
// Step 2 confirmed: the profile's check accepts the choice without a message and opens step 3.
StepError ConfirmExamSubjects(Window& w);
// Step 3: every open obligation picked (two-hour courses with their half-years), not confirmed.
StepError PickObligations(Window& w);
// Step 3 confirmed: all obligations met, step 4 open.
StepError ConfirmObligations(Window& w);
// Step 4: one additional course picked with its half-years, not yet written by "Weiter".
StepError PickAdditionalCourse(Window& w);
// "Weiter" writes the course.
StepError Continue(Window& w);
// Step 5: "Ergebnis" gets the focus and evaluates the plan; one verdict box.
StepError Evaluate(Window& w);

// Every step from creation to the evaluated plan.
StepError CompletePass(Window& w, Profile p);

}  // namespace belegix::bench

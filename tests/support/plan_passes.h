// Plans made the way the window records them: a student's actions from program start, for the
// plan-file tests, the checker's tests and the checker's benchmark.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/plan/plan.h"

namespace belegix::test {

// One recorded action of each kind, as the window records it.
plan::Action Click(Control c);
plan::Action Enter(Control c);
plan::Action Pick(Control c, int index);
// A change by typing: the text the field then holds.
plan::Action Typed(Control c, std::string text);
plan::Action Answered(plan::Action a, DlgResult answer);

// A social-sciences student from the intro screen to the evaluated plan. Admissible: with an
// additional course, the verdict accepted and the personal data typed key by key (the print
// question answered No). Not admissible: evaluated without the additional course, so the
// average stays below 34 hours (such a plan has no personal data: they are typed only when
// printing).
std::vector<plan::Action> PassB(const std::string& name, const std::string& vorname,
                                const std::string& klasse, bool admissible);

// A longer session of at least `actions` actions: passes with "Zurücksetzen" between them, the
// last one admissible or not. Varies with `seed`.
std::vector<plan::Action> Session(std::size_t actions, unsigned seed, bool admissible);

// The plan file of `actions` as the window writes it (replayed; a sequence that cannot be
// replayed is a fault of the caller and throws std::logic_error).
std::string PlanFileText(const std::vector<plan::Action>& actions);

}  // namespace belegix::test

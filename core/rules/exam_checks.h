// Step 2 of the workflow: confirming the exam subjects and the check of each profile.
#pragma once

#include <string_view>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// "  Fertig" of step 2: closes step 2, opens step 3 and runs the check of the chosen profile.
void CheckExamSubjects(ChoiceState& st, View& view);

// The checks, one per profile, each called only by CheckExamSubjects.
void CheckProfilA(ChoiceState& st, View& view);
void CheckProfilKuMu(ChoiceState& st, View& view);
void CheckProfilB(ChoiceState& st, View& view);
void CheckProfilC(ChoiceState& st, View& view);
void CheckProfilSport(ChoiceState& st, View& view);

// Why the exam subjects must not bring more than 36 half-year results, per profile.
extern const std::string_view kGqTextA;
extern const std::string_view kGqTextKuMu;
extern const std::string_view kGqTextC;
extern const std::string_view kGqTextSport;

// Profiles B and sport: a language course already taken as an exam subject makes the
// additional obligation unnecessary for a student with an intensive language.
void ZusatzauflageNichtNoetig(ChoiceState& st, View& view);

}  // namespace belegix

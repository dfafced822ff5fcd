#include "rules/exam_checks/checks.h"

namespace belegix {

// Runs no check yet: the exam subjects are taken as chosen.
void CheckProfilKuMu(ChoiceState&, View&) {}

}  // namespace belegix

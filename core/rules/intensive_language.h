// Step 0 of the workflow: the intensive foreign language begun in the introductory year.
#pragma once

#include <string_view>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// The question asked after a language was chosen; Yes means only one foreign language was
// learnt before.
inline constexpr std::string_view kNurEineFsFrage =
    "\n Hast Du bisher nur eine einzige Fremdsprache erlernt  \n"
    " von der Klasse 6 oder 7 bis zur Klasse 9 oder 10?  \n"
    " Dies kann (muss aber nicht) für Realschüler zutreffen!\n"
    "\n"
    " Für Gymnasialschüler gilt immer: Nein!";

// "  Fertig" of step 0: records the intensive language (or none), enters it into the plan grid,
// closes step 0 and opens step 1. Without a chosen option only a message is shown.
void ChooseIntensiveLanguage(ChoiceState& st, View& view);

}  // namespace belegix

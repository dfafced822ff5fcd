// The planner's own explanations: the five help texts, the intro screen, the hint memo, the
// fixed status-bar texts and the panel hints.
#pragma once

#include <string>
#include <string_view>

#include "core/view.h"

namespace belegix::help {

// Memo contents, lines joined by "\n".
std::string_view MemoIntro();
std::string_view MemoHead();
std::string_view MemoHead2();
std::string_view Memo1();

// Status-bar panels 2 and 3 (0 and 1 are the clock); empty for other panels.
std::string_view StatusText(int panel);

// The help text of step 0 (intensive foreign language) to step 4 (further courses).
std::string_view HelpText(int step);

// Hilfe → "Anleitung" (F1): how to plan, change an earlier step, undo, save and open, for the
// whole program; lines joined by "\n", an empty line between sections.
std::string_view Guide();

// The hint shown when the mouse rests on a control; empty where it has none.
std::string_view Hint(Control c);

// The responsible role and the contact addresses, shared by the status bar and the quit box.
inline constexpr std::string_view kResponsible = "Oberstufenkoordination";
inline constexpr std::string_view kContactMail = "kurswahl@lih.example";
inline constexpr std::string_view kContactMail2 = "oberstufe@lih.example";

}  // namespace belegix::help

namespace belegix {

// The "Hilfe" buttons of steps 0 to 4: each shows its text in an information box.
void ShowHelpIntensiveLanguage(View& view);
void ShowHelpProfile(View& view);
void ShowHelpExamSubjects(View& view);
void ShowHelpObligations(View& view);
void ShowHelpCourses(View& view);

}  // namespace belegix

#include "core/rules/events.h"

#include <array>

#include "core/help_texts.h"
#include "core/rules/additional_courses.h"
#include "core/rules/course_plan.h"
#include "core/rules/exam_checks.h"
#include "core/rules/intensive_language.h"
#include "core/rules/obligations.h"
#include "core/rules/printing.h"
#include "core/rules/profile.h"
#include "core/rules/steps.h"
#include "core/rules/window.h"

namespace belegix {

namespace {

using enum Control;
using E = Event;

// The operations take what they need of the window; each row adapts the form to them.
constexpr std::array kTable = std::to_array<EventBinding>({
    // The intro screen and the window itself.
    {BitBtnHinweise, E::Click, [](Form& f) { CloseIntro(f.view); }},
    {std::nullopt, E::Activate, [](Form& f) { EvaluatePlan(f.st, f.view); }},
    // Step 0: the intensive foreign language.
    {IntFSprBitBtn, E::Click, [](Form& f) { ChooseIntensiveLanguage(f.st, f.view); }},
    {IntHilfeBitBtn, E::Click, [](Form& f) { ShowHelpIntensiveLanguage(f.view); }},
    // Step 1: the profile.
    {ProfilBitBtn, E::Click, [](Form& f) { ConfirmProfile(f.st, f.view); }},
    {ProfilHilfeBitBtn, E::Click, [](Form& f) { ShowHelpProfile(f.view); }},
    // Step 2: the exam subjects.
    {PFachBitBtn, E::Click, [](Form& f) { CheckExamSubjects(f.st, f.view); }},
    {PFachHilfeBitBtn, E::Click, [](Form& f) { ShowHelpExamSubjects(f.view); }},
    // Step 3: the obligations, with the period panel for the two-hour courses.
    {KuMuBox, E::Change, [](Form& f) { ChooseCourse(f.st, f.view, KuMuBox); }},
    {PoBox, E::Change, [](Form& f) { ChooseCourse(f.st, f.view, PoBox); }},
    {GeBox, E::Change, [](Form& f) { ChooseCourse(f.st, f.view, GeBox); }},
    {NaturBox, E::Change, [](Form& f) { ChooseScience(f.st, f.view); }},
    {FZusatzkurseBitBtn, E::Click, [](Form& f) { ConfirmPeriod(f.st, f.view); }},
    {AuflagenBitBtn, E::Click, [](Form& f) { CheckObligations(f.st, f.view); }},
    {AuflagenHilfeBitBtn, E::Click, [](Form& f) { ShowHelpObligations(f.view); }},
    // Step 4: further courses.
    {GroupBox3, E::Enter, [](Form& f) { OpenAdditionalCourses(f.st, f.view); }},
    {GroupBox3, E::Click, [](Form& f) { StartAdditionalCourse(f.st, f.view); }},
    {ZusatzBox, E::Change, [](Form& f) { ChooseCourse(f.st, f.view, ZusatzBox); }},
    {WeiterBitBtn, E::Click, [](Form& f) { EnterCourse(f.st, f.view); }},
    {KurseHilfeBitBtn, E::Click, [](Form& f) { ShowHelpCourses(f.view); }},
    // Step 5: the plan, printing, reset and quitting.
    {ErgebnisBitBtn, E::Enter, [](Form& f) { KeepPlanEvaluated(f.st); }},
    {ErgebnisBitBtn, E::Click, [](Form& f) { EvaluatePlan(f.st, f.view); }},
    {DruckenBitBtn, E::Click, [](Form& f) { AskToPrint(f.view); }},
    {PersDatenBitBtn, E::Click, [](Form& f) { PrintPlan(f.view, f.printer); }},
    {ResetBitBtn, E::Click, [](Form& f) { ResetPlan(f.st, f.view); }},
    {BeendenBitBtn, E::Click, [](Form& f) { QuitAfterAsking(f.view); }},
});

}  // namespace

std::span<const EventBinding> EventTable() {
    return kTable;
}

bool Dispatch(Form& form, Control control, Event event) {
    for (const EventBinding& row : kTable) {
        if (row.event == event && (!row.control || *row.control == control)) {
            row.operation(form);
            return true;
        }
    }
    return false;
}

}  // namespace belegix

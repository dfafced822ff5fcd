#include "core/rules/steps.h"

#include <array>
#include <utility>

#include "core/box_items.h"
#include "core/must_exist.h"
#include "core/plan_limits.h"

namespace belegix {

namespace {

using C = Control;

constexpr std::array<StepControls, 5> kSteps = {{
    {C::GroupBoxIntFSpr, C::IntFSprComboBox, C::IntFSprBitBtn},
    {C::ProfilRadioGroup, C::ProfilRadioGroup, C::ProfilBitBtn},
    {C::GroupBox1, C::GroupBox1, C::PFachBitBtn},
    {C::GroupBox2, C::GroupBox2, C::AuflagenBitBtn},
    {C::GroupBox3, C::GroupBox3, C::WeiterBitBtn},
}};

constexpr std::array<Control, 10> kObligationBoxes = {
    C::DeBox,   C::FspBox, C::KuMuBox,  C::PoBox, C::GeBox,
    C::ReWnBox, C::MaBox,  C::NaturBox, C::SpBox, C::BExtraBox};

constexpr std::array<std::pair<Control, const char*>, 5> kExamPrompts = {{
    {C::Lk1Box, "1. Prüfungsfach (eA)"},
    {C::Lk2Box, "2. Prüfungsfach (eA)"},
    {C::P3Box, "3. Prüfungsfach (eA)"},
    {C::P4Box, "P4 (gA schriftlich)"},
    {C::P5Box, "P5 (gA mündlich)"},
}};

// No profile: the position labels as designed, the exam-subject boxes waiting for a profile.
void ResetExamSubjects(View& v) {
    const std::array<std::pair<Control, const char*>, 3> labels = {
        {{C::Label15, "P1"}, {C::Label16, "P2"}, {C::Label17, "P3"}}};
    for (const auto& [label, caption] : labels) {
        v.SetLeft(label, 10);
        v.SetFontColour(label, Colour::Navy);
        v.SetText(label, caption);
    }
    v.SetItemIndex(C::ProfilRadioGroup, -1);
    for (const auto& [box, prompt] : kExamPrompts) v.SetText(box, prompt);
    for (const auto& [box, prompt] : kExamPrompts) {
        v.ClearItems(box);
        v.AddItem(box, "zuerst ein Profil wählen");
    }
}

// Nothing selected in the obligation boxes, the seminar box and the additional courses.
void ClearSelections(View& v) {
    for (Control box : kObligationBoxes) v.SetItemIndex(box, -1);
    v.SetItemIndex(C::SeminarBox, -1);
    v.SetText(C::SeminarBox, "Seminarfach");
    v.SetItemIndex(C::ZusatzBox, -1);
}

// The result panels empty and neutral.
void ClearResults(View& v) {
    for (Control c : {C::ProfilLabel, C::Semester1, C::Semester2, C::Semester3, C::Semester4,
                      C::SemesterD, C::Kurse_ok})
        v.SetText(c, "");
    v.SetColour(C::Kurse_ok, Colour::Neutral);
    v.SetText(C::Gks, "");
    v.SetText(C::Gsq, "");
    v.SetColour(C::Gsq_ok, Colour::Neutral);
    v.SetText(C::Gsq_ok, "");
    for (Control c : {C::Semester1, C::Semester2, C::Semester3, C::Semester4, C::SemesterD})
        v.SetColour(c, Colour::Neutral);
}

// Step 0 open only when switched on, step 1 open, the later steps closed.
void ResetSteps(View& v, bool intensiveStep) {
    v.SetVisible(C::GroupBoxIntFSpr, true);
    v.SetEnabled(C::GroupBoxIntFSpr, true);
    v.SetItemIndex(C::IntFSprComboBox,
                   items::IndexOf(items::Of(C::IntFSprComboBox), items::Means::None));
    if (intensiveStep) {
        OpenStep(v, Step::IntensiveLanguage);
    } else {
        CloseStep(v, Step::IntensiveLanguage);
        v.SetCell(plan::kFieldColumn, plan::kHeaderRow, "  ");
    }
    OpenStep(v, Step::Profile);
    CloseStep(v, Step::ExamSubjects);
    CloseStep(v, Step::Obligations);
    CloseStep(v, Step::AdditionalCourses);
    v.SetText(C::ZusatzBox, "");
    // A reset while the period panel of step 4 is open would otherwise leave the course box
    // disabled for the rest of the run: nothing else enables it before a course is chosen.
    v.SetEnabled(C::ZusatzBox, true);
    v.SetFontColour(C::ErgebnisBitBtn, Colour::Teal);
    v.SetEnabled(C::ErgebnisBitBtn, false);
    v.SetEnabled(C::DruckenBitBtn, false);
}

// The personal data of the printout: empty but for the school.
void ClearPersonalData(View& v) {
    v.SetText(C::MaskEdit1, "");
    v.SetText(C::MaskEdit2, "");
    v.SetText(C::MaskEdit3, "");
    v.SetText(C::MaskEdit4, "Gymnasium Lindenhain");
}

// Exam roles and half-years blank; names, task fields and headers stay.
void BlankPlan(View& v) {
    for (int col = plan::kRoleColumn; col <= plan::kLastHalfYearColumn; ++col)
        for (int row = 1; row < kGridRows; ++row) v.SetCell(col, row, " ");
}

void SetStep(View& v, Step step, bool open) {
    const StepControls& s = ControlsOf(step);
    v.SetColour(s.frame, open ? Colour::Orange : Colour::Silver);
    v.SetEnabled(s.body, open);
    v.SetEnabled(s.button, open);
}

}  // namespace

const StepControls& ControlsOf(Step step) {
    return ElementOf(kSteps, static_cast<std::size_t>(step), "step");
}

void OpenStep(View& v, Step step) {
    SetStep(v, step, true);
}

void CloseStep(View& v, Step step) {
    SetStep(v, step, false);
}

void FinishStep(View& v, Step done) {
    CloseStep(v, done);
    OpenStep(v, static_cast<Step>(static_cast<int>(done) + 1));
}

void ResetWindow(View& v, bool intensiveStep) {
    for (Control box : kObligationBoxes) v.SetEnabled(box, true);
    ResetExamSubjects(v);
    ClearSelections(v);
    ClearResults(v);
    ResetSteps(v, intensiveStep);
    ClearPersonalData(v);
    BlankPlan(v);
}

void ResetPlan(ChoiceState& st, View& v) {
    ResetState(st);
    ResetWindow(v, st.IntSchrittAktiv == 1);
}

void StartPlanner(ChoiceState& st, View& view) {
    st.IntSchrittAktiv = 0;
    ResetPlan(st, view);
}

}  // namespace belegix

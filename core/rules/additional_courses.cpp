#include "core/rules/additional_courses.h"

#include <array>
#include <optional>
#include <string>

#include "core/box_items.h"
#include "core/plan_limits.h"
#include "core/rules/course_plan.h"

namespace belegix {

namespace {

using C = Control;
using enum Subject;

// Whether the subject of a further course is taken already: for the two-hour arts and social
// subjects an exam course, for the others an exam subject.
bool Taken(const ChoiceState& st, Subject s) {
    switch (s) {
        case Ds:
        case Ku:
        case Mu:
        case Ek:
        case Ge:
        case Po:
            return st.PKurs[s] == 1;
        default:
            return st.PFach[s] == 1;
    }
}

// What "Weiter" requires of a subject before it writes it: the subject is not an exam
// course or exam subject, and not the course picked in the step-3 box `box`. A test that does
// not apply is left out.
struct EnterRule {
    Subject subject;
    bool testPKurs;
    bool testPFach;
    std::optional<Control> box;
    std::string_view message;
};

// In the order in which the subjects are tested.
constexpr std::array<EnterRule, 16> kEnterRules = {{
    {En, true, true, C::FspBox, "Englisch hast Du schon!"},
    {Fr, true, true, C::FspBox, "Französisch hast Du schon!"},
    {La, true, true, C::FspBox, "Latein hast Du schon!"},
    {Sn, true, true, C::FspBox, "Spanisch hast Du schon!"},
    {Ds, true, false, std::nullopt, "Darst. Spiel hast Du schon!"},
    {Ku, true, false, std::nullopt, "Kunst hast Du schon!"},
    {Mu, true, false, std::nullopt, "Musik hast Du schon!"},
    {Po, true, false, std::nullopt, "Politik hast Du schon!"},
    {Ge, true, false, std::nullopt, "Geschichte hast Du schon!"},
    {Ek, true, false, std::nullopt, "Erdkunde hast Du schon!"},
    {Re, true, true, C::ReWnBox, "Religion hast Du schon!"},
    {Wn, false, false, C::ReWnBox, "Werte und Normen hast Du schon!"},
    {Ph, true, true, C::NaturBox, "Physik hast Du schon!"},
    {Ch, true, true, C::NaturBox, "Chemie hast Du schon!"},
    {Bi, true, true, C::NaturBox, "Biologie hast Du schon!"},
    {If, true, true, C::NaturBox, "Informatik hast Du schon!"},
}};

bool MayEnter(const ChoiceState& st, const View& v, const EnterRule& r) {
    if (r.testPKurs && st.PKurs[r.subject] == 1) return false;
    if (r.testPFach && st.PFach[r.subject] == 1) return false;
    if (r.box && items::PickedSubject(v, *r.box) == r.subject) return false;
    return true;
}

// The periods on offer: two half-years, and with `wholeCourse` all four as well.
void FillPeriodOptions(View& v, bool wholeCourse) {
    v.ClearItems(C::RGZusatzkurse);
    for (const items::PeriodItem& p : items::kPeriods)
        if (wholeCourse || p.to - p.from + 1 == 2) v.AddItem(C::RGZusatzkurse, std::string(p.text));
    v.SetItemIndex(C::RGZusatzkurse, kNoItem);
}

void ShowPanel(ChoiceState& st, View& v) {
    v.SetVisible(C::ZusatzPanel, true);
    st.ZusatzPanelOffen = 1;
}

}  // namespace

void OpenAdditionalCourses(ChoiceState& st, View& v) {
    v.SetColour(C::GroupBox3, Colour::Orange);
    v.SetEnabled(C::ErgebnisBitBtn, false);
    v.SetEnabled(C::WeiterBitBtn, true);
    st.ZusatzSchritt = 1;
}

void StartAdditionalCourse(ChoiceState& st, View& v) {
    v.SetEnabled(C::ErgebnisBitBtn, false);
    v.SetEnabled(C::WeiterBitBtn, false);
    st.ZusatzSchritt = 1;
}

void ChooseCourse(ChoiceState& st, View& v, Control changed) {
    // Already taken: tested on `ZusatzBox` whichever box changed; no selection finds nothing.
    if (const auto course = items::PickedSubject(v, C::ZusatzBox)) {
        if (Taken(st, *course)) {
            v.MessageDlg(std::string(kSchonBelegt), DlgType::Information, DlgButtons::Ok);
            return;
        }
    }

    if (changed == C::ZusatzBox) {
        if (const auto course = items::PickedSubject(v, C::ZusatzBox))
            if (const auto x = items::TwoHourOf(*course)) st.ZeitOffen[*x] = 1;
        FillPeriodOptions(v, true);
        ShowPanel(st, v);
        v.SetEnabled(C::GroupBox3, false);
        v.SetEnabled(C::ErgebnisBitBtn, false);
        v.SetEnabled(C::ZusatzBox, false);
        return;
    }

    // A step-3 box: its course runs for two half-years, never all four.
    FillPeriodOptions(v, false);
    if (changed == C::KuMuBox) {
        // "bereits erfüllt", the empty item and typed text ask no period.
        if (const auto course = items::PickedSubject(v, C::KuMuBox))
            if (const auto x = items::TwoHourOf(*course)) st.ZeitOffen[*x] = 1;
    } else if (changed == C::PoBox) {
        st.ZeitOffen[TwoHour::Po] = 1;
    } else if (changed == C::GeBox) {
        st.ZeitOffen[TwoHour::Ge] = 1;
    }
    ShowPanel(st, v);
    v.SetEnabled(C::GroupBox2, false);
    v.SetEnabled(C::AuflagenBitBtn, false);
}

void ConfirmPeriod(ChoiceState& st, View& v) {
    const items::PeriodItem* period = items::PickedPeriod(v);
    if (period == nullptr) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        return;
    }
    st.ZeitVon = period->from;
    st.ZeitBis = period->to;
    v.SetVisible(C::ZusatzPanel, false);
    st.ZusatzPanelOffen = 0;

    for (int k = 0; k < kTwoHourCount; ++k) {
        const auto x = static_cast<TwoHour>(k);
        if (st.ZeitOffen[x] == 1) {
            st.KursSpalte1[x] = plan::HalfYearColumn(st.ZeitVon);
            st.KursSpalte2[x] = plan::HalfYearColumn(st.ZeitBis);
            st.ZeitOffen[x] = 0;
        }
    }

    if (st.ZusatzSchritt == 1) {
        v.SetEnabled(C::WeiterBitBtn, true);
        st.ZusatzSchritt = 0;
        v.SetEnabled(C::GroupBox3, true);
        v.SetEnabled(C::ZusatzBox, true);
    } else {
        v.SetEnabled(C::GroupBox2, true);
        v.SetEnabled(C::AuflagenBitBtn, true);
    }
}

void EnterCourse(ChoiceState& st, View& v) {
    // Without a confirmed period the half-years are unknown (0 would name the exam-role
    // column); nothing is written and nothing else changes.
    if (st.ZusatzPanelOffen == 1 || st.ZeitVon == 0) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        return;
    }

    if (const items::BoxItem* item = items::Picked(v, C::ZusatzBox); item && item->subject) {
        const std::string_view mark =
            item->hours == 4 ? plan::kFurtherCourse4 : plan::kFurtherCourse2;
        for (const EnterRule& r : kEnterRules) {
            if (r.subject != *item->subject) continue;
            if (MayEnter(st, v, r)) {
                for (int col = plan::HalfYearColumn(st.ZeitVon);
                     col <= plan::HalfYearColumn(st.ZeitBis); ++col)
                    v.SetCell(col, Row(r.subject), std::string(mark));
            } else {
                v.ShowMessage(std::string(r.message));
            }
        }
    }

    v.SetColour(C::GroupBox3, Colour::Silver);
    v.SetEnabled(C::GroupBox3, true);
    v.SetEnabled(C::ZusatzBox, true);
    v.SetEnabled(C::ErgebnisBitBtn, true);
    if (st.ErgebnisAktiv == 1) EvaluatePlan(st, v);
}

}  // namespace belegix

#include "core/rules/additional_courses.h"

#include <array>
#include <optional>
#include <string>

#include "core/rules/course_plan.h"

namespace belegix {

namespace {

using C = Control;
using enum Subject;

// One item of `ZusatzBox`.
struct ZusatzItem {
    Subject subject;
    std::string_view cell;  // "Z4" or "Z2"
    // Already taken when this flag is set: PFach for some subjects, PKurs for others.
    SubjectFlags ChoiceState::*takenFamily;
};

constexpr std::array<ZusatzItem, 16> kZusatzItems = {{
    {En, "Z4", &ChoiceState::PFach},
    {Fr, "Z4", &ChoiceState::PFach},
    {La, "Z4", &ChoiceState::PFach},
    {Sn, "Z4", &ChoiceState::PFach},
    {Ds, "Z2", &ChoiceState::PKurs},
    {Ku, "Z2", &ChoiceState::PKurs},
    {Mu, "Z2", &ChoiceState::PKurs},
    {Ek, "Z2", &ChoiceState::PKurs},
    {Ge, "Z2", &ChoiceState::PKurs},
    {Po, "Z2", &ChoiceState::PKurs},
    {Re, "Z2", &ChoiceState::PFach},
    {Wn, "Z2", &ChoiceState::PFach},
    {Bi, "Z4", &ChoiceState::PFach},
    {Ch, "Z4", &ChoiceState::PFach},
    {Ph, "Z4", &ChoiceState::PFach},
    {If, "Z4", &ChoiceState::PFach},
}};

const ZusatzItem* ZusatzItemAt(int index) {
    if (index < 0 || index >= static_cast<int>(kZusatzItems.size())) return nullptr;
    return &kZusatzItems[static_cast<std::size_t>(index)];
}

// What "Weiter" requires of a subject before it writes it: the subject is not an exam
// course or exam subject, and not the step-3 obligation of `box` at `boxIndex`. A test that
// does not apply is left out.
struct EnterRule {
    Subject subject;
    bool testPKurs;
    bool testPFach;
    std::optional<Control> box;
    int boxIndex;
    std::string_view message;
};

// In the order in which the subjects are tested.
constexpr std::array<EnterRule, 16> kEnterRules = {{
    {En, true, true, C::FspBox, 0, "Englisch hast Du schon!"},
    {Fr, true, true, C::FspBox, 1, "Französisch hast Du schon!"},
    {La, true, true, C::FspBox, 2, "Latein hast Du schon!"},
    {Sn, true, true, C::FspBox, 3, "Spanisch hast Du schon!"},
    {Ds, true, false, std::nullopt, 0, "Darst. Spiel hast Du schon!"},
    {Ku, true, false, std::nullopt, 0, "Kunst hast Du schon!"},
    {Mu, true, false, std::nullopt, 0, "Musik hast Du schon!"},
    {Po, true, false, std::nullopt, 0, "Politik hast Du schon!"},
    {Ge, true, false, std::nullopt, 0, "Geschichte hast Du schon!"},
    {Ek, true, false, std::nullopt, 0, "Erdkunde hast Du schon!"},
    {Re, true, true, C::ReWnBox, 0, "Religion hast Du schon!"},
    {Wn, false, false, C::ReWnBox, 1, "Werte und Normen hast Du schon!"},
    {Ph, true, true, C::NaturBox, 2, "Physik hast Du schon!"},
    {Ch, true, true, C::NaturBox, 1, "Chemie hast Du schon!"},
    {Bi, true, true, C::NaturBox, 0, "Biologie hast Du schon!"},
    {If, true, true, C::NaturBox, 3, "Informatik hast Du schon!"},
}};

bool MayEnter(const ChoiceState& st, const View& v, const EnterRule& r) {
    if (r.testPKurs && st.PKurs[r.subject] == 1) return false;
    if (r.testPFach && st.PFach[r.subject] == 1) return false;
    if (r.box && v.ItemIndex(*r.box) == r.boxIndex) return false;
    return true;
}

// The two-hour subject whose period a `ZusatzBox` index asks, tested Ds, Ku, Mu, Po, Ge.
std::optional<TwoHour> TwoHourOfZusatz(int index) {
    switch (index) {
        case 4:
            return TwoHour::Ds;
        case 5:
            return TwoHour::Ku;
        case 6:
            return TwoHour::Mu;
        case 9:
            return TwoHour::Po;
        case 8:
            return TwoHour::Ge;
        default:
            return std::nullopt;
    }
}

std::optional<TwoHour> TwoHourOfKuMu(int index) {
    switch (index) {
        case 0:
            return TwoHour::Ds;
        case 1:
            return TwoHour::Ku;
        case 2:
            return TwoHour::Mu;
        default:
            return std::nullopt;  // "bereits erfüllt", the empty item, typed text
    }
}

void FillPeriodOptions(View& v, bool wholeCourse) {
    v.ClearItems(C::RGZusatzkurse);
    v.AddItem(C::RGZusatzkurse, std::string(kHalbjahr12));
    v.AddItem(C::RGZusatzkurse, std::string(kHalbjahr34));
    if (wholeCourse) v.AddItem(C::RGZusatzkurse, std::string(kHalbjahr1234));
    v.SetItemIndex(C::RGZusatzkurse, -1);
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
    if (const ZusatzItem* item = ZusatzItemAt(v.ItemIndex(C::ZusatzBox))) {
        if ((st.*(item->takenFamily))[item->subject] == 1) {
            v.MessageDlg(std::string(kSchonBelegt), DlgType::Information, DlgButtons::Ok);
            return;
        }
    }

    if (changed == C::ZusatzBox) {
        if (auto x = TwoHourOfZusatz(v.ItemIndex(C::ZusatzBox))) st.ZeitOffen[*x] = 1;
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
        if (auto x = TwoHourOfKuMu(v.ItemIndex(C::KuMuBox))) st.ZeitOffen[*x] = 1;
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
    int von = 0;
    int bis = 0;
    switch (v.ItemIndex(C::RGZusatzkurse)) {
        case 0:
            von = 1, bis = 2;
            break;
        case 1:
            von = 3, bis = 4;
            break;
        case 2:
            von = 1, bis = 4;
            break;
        default:
            v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
            return;
    }
    st.ZeitVon = von;
    st.ZeitBis = bis;
    v.SetVisible(C::ZusatzPanel, false);
    st.ZusatzPanelOffen = 0;

    for (int k = 0; k < kTwoHourCount; ++k) {
        const auto x = static_cast<TwoHour>(k);
        if (st.ZeitOffen[x] == 1) {
            st.KursSpalte1[x] = st.ZeitVon + 1;
            st.KursSpalte2[x] = st.ZeitBis + 1;
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

    const int i = v.ItemIndex(C::ZusatzBox);
    if (const ZusatzItem* item = ZusatzItemAt(i)) {
        for (const EnterRule& r : kEnterRules) {
            if (r.subject != item->subject) continue;
            if (MayEnter(st, v, r)) {
                for (int col = st.ZeitVon + 1; col <= st.ZeitBis + 1; ++col)
                    v.SetCell(col, Row(r.subject), std::string(item->cell));
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

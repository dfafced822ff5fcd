#include "core/rules/obligations.h"

#include <string>

#include "core/box_items.h"
#include "core/plan_limits.h"
#include "core/rules/steps.h"

namespace belegix {

namespace {

using C = Control;
using enum Subject;

// Marks obligation `k` as met when it is still open and `met` holds.
void Meet(ChoiceState& st, Obligation k, bool met) {
    if (st.Erfuellt[k] == 0 && met) st.Erfuellt[k] = 1;
}

}  // namespace

void CheckObligations(ChoiceState& st, View& v) {
    using enum Obligation;

    // A box meets its obligation with a course; "bereits erfüllt" only through the exam check.
    Meet(st, De, items::PicksCourse(v, C::DeBox));
    Meet(st, Fsp, items::PicksCourse(v, C::FspBox));
    Meet(st, KuMu, items::PicksCourse(v, C::KuMuBox));

    // An arts exam subject is complemented by Darstellendes Spiel or by the other of Kunst and
    // Musik, as an exam subject or in `KuMuBox`.
    {
        const auto kumu = items::PickedSubject(v, C::KuMuBox);
        const bool withKu = st.PFach[Ku] == 1 &&
                            (st.PFach[Ds] == 1 || st.PFach[Mu] == 1 || kumu == Ds || kumu == Mu);
        const bool withMu = st.PFach[Mu] == 1 &&
                            (st.PFach[Ds] == 1 || st.PFach[Ku] == 1 || kumu == Ds || kumu == Ku);
        if (withKu || withMu) st.Erfuellt[KuMuZusatz] = 1;
    }

    Meet(st, Po, items::PicksCourse(v, C::PoBox));
    Meet(st, Ge, items::PicksCourse(v, C::GeBox));
    Meet(st, ReWn, items::PicksCourse(v, C::ReWnBox));
    Meet(st, Ma, items::PicksCourse(v, C::MaBox));
    Meet(st, Natur, items::PicksCourse(v, C::NaturBox));
    // Sport is met by every item, "befreit (Attest)" and "bereits erfüllt" included.
    if (items::Picked(v, C::SpBox) != nullptr) st.Erfuellt[Sp] = 1;

    // The additional obligation; a subject added on an earlier confirmation stays added. The
    // single item that replaces the list when no choice is needed stands at the prompt's place
    // and, like the prompt, adds no course.
    if (const auto extra = items::PickedSubject(v, C::BExtraBox)) {
        st.Zusatz4[*extra] = 1;
        st.Erfuellt[BExtra] = 1;
    }

    for (const AuflageMessage& m : kAuflageOffen)
        if (st.Erfuellt[m.obligation] == 0) v.ShowMessage(std::string(m.text));

    // The Seminarfach: two hours in every half-year.
    for (int col = plan::kFirstHalfYearColumn; col <= plan::kLastHalfYearColumn; ++col)
        v.SetCell(col, Row(Sf), std::string(plan::kTwoHourCourse));

    bool allMet = true;
    for (const AuflageMessage& m : kAuflageOffen) allMet = allMet && st.Erfuellt[m.obligation] == 1;

    if (allMet) {
        CloseStep(v, Step::Obligations);
        v.SetText(C::ZusatzBox, std::string(kZusatzkurseGewuenscht));
        v.SetEnabled(C::GroupBox3, true);
        v.SetFontColour(C::ErgebnisBitBtn, Colour::Red);
        v.SetEnabled(C::ErgebnisBitBtn, true);
    } else {
        v.Repaint(C::GroupBox2);
    }
}

void ChooseScience(ChoiceState& st, View& v) {
    // A science already taken as an exam course is refused.
    const auto science = items::PickedSubject(v, C::NaturBox);
    if (science && st.PKurs[*science] == 1) {
        v.MessageDlg(std::string(kNwSchonPruefungsfach), DlgType::Information, DlgButtons::Ok);
        v.SetItemIndex(C::NaturBox, kNoItem);
    }

    // Informatik replaces a science only in the mathematics-and-science profile.
    const bool profileC = items::PickedProfile(v) == Profile::C;
    if (!profileC && items::PickedSubject(v, C::NaturBox) == If) {
        v.MessageDlg(std::string(kInformatikNurProfilC), DlgType::Information, DlgButtons::Ok);
        v.SetItemIndex(C::NaturBox, kNoItem);
    }
}

}  // namespace belegix

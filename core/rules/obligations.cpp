#include "core/rules/obligations.h"

#include <string>

#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"

namespace belegix {

namespace {

using C = Control;
using enum Subject;

bool At(const View& v, Control box, int first, int last) {
    const int i = v.ItemIndex(box);
    return i >= first && i <= last;
}

// Marks obligation `k` as met when it is still open and `met` holds.
void Meet(ChoiceState& st, Obligation k, bool met) {
    if (st.Erfuellt[k] == 0 && met) st.Erfuellt[k] = 1;
}

// `BExtraBox` positions 1 to 8 and the subject each one adds.
constexpr std::array<Subject, 8> kBExtraSubjects = {En, Fr, La, Sn, Bi, Ch, Ph, If};

}  // namespace

void CheckObligations(ChoiceState& st, View& v) {
    using enum Obligation;

    Meet(st, De, v.ItemIndex(C::DeBox) == 0);
    Meet(st, Fsp, At(v, C::FspBox, 0, 3));
    Meet(st, KuMu, At(v, C::KuMuBox, 0, 2));

    // An arts exam subject is complemented by Darstellendes Spiel or by the other of Kunst and
    // Musik, as an exam subject or in `KuMuBox`.
    {
        const int kumu = v.ItemIndex(C::KuMuBox);
        const bool withKu =
            st.PFach[Ku] == 1 && (st.PFach[Ds] == 1 || st.PFach[Mu] == 1 || kumu == 0 || kumu == 2);
        const bool withMu =
            st.PFach[Mu] == 1 && (st.PFach[Ds] == 1 || st.PFach[Ku] == 1 || kumu == 0 || kumu == 1);
        if (withKu || withMu) st.Erfuellt[KuMuZusatz] = 1;
    }

    Meet(st, Po, v.ItemIndex(C::PoBox) == 0);
    Meet(st, Ge, v.ItemIndex(C::GeBox) == 0);
    Meet(st, ReWn, At(v, C::ReWnBox, 0, 1));
    Meet(st, Ma, v.ItemIndex(C::MaBox) == 0);
    Meet(st, Natur, At(v, C::NaturBox, 0, 3));
    // Sport is met by every item, "befreit (Attest)" and "bereits erfüllt" included.
    if (v.ItemIndex(C::SpBox) != -1) st.Erfuellt[Sp] = 1;

    // The additional obligation; a subject added on an earlier confirmation stays added.
    if (const int extra = v.ItemIndex(C::BExtraBox); extra >= 1 && extra <= 8) {
        st.Zusatz4[kBExtraSubjects[static_cast<std::size_t>(extra - 1)]] = 1;
        st.Erfuellt[BExtra] = 1;
    }

    for (const AuflageMessage& m : kAuflageOffen)
        if (st.Erfuellt[m.obligation] == 0) v.ShowMessage(std::string(m.text));

    // The Seminarfach: two hours in every half-year.
    for (int col = 2; col <= 5; ++col) v.SetCell(col, Row(Sf), "2");

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
    // The science already taken as an exam course, tested Physik, Chemie, Biologie, Informatik.
    const int sel = v.ItemIndex(C::NaturBox);
    const bool isExamCourse = (sel == 2 && st.PKurs[Ph] == 1) || (sel == 1 && st.PKurs[Ch] == 1) ||
                              (sel == 0 && st.PKurs[Bi] == 1) || (sel == 3 && st.PKurs[If] == 1);
    if (isExamCourse) {
        v.MessageDlg(std::string(kNwSchonPruefungsfach), DlgType::Information, DlgButtons::Ok);
        v.SetItemIndex(C::NaturBox, -1);
    }

    // Informatik replaces a science only in the mathematics-and-science profile.
    const bool profileC = v.ItemIndex(C::ProfilRadioGroup) == static_cast<int>(Profile::C);
    if (!profileC && v.ItemIndex(C::NaturBox) == 3) {
        v.MessageDlg(std::string(kInformatikNurProfilC), DlgType::Information, DlgButtons::Ok);
        v.SetItemIndex(C::NaturBox, -1);
    }
}

}  // namespace belegix

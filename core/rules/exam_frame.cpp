#include "core/rules/exam_frame.h"

#include <string>

#include "core/box_items.h"
#include "core/plan_limits.h"
#include "core/rules/exam_checks.h"
#include "core/rules/steps.h"

namespace belegix {

using enum Subject;

void CheckExamSubjects(ChoiceState& st, View& v) {
    // Step 2 closes and step 3 opens before the check; a failing check undoes both by the reset.
    FinishStep(v, Step::ExamSubjects);

    const std::optional<Profile> profile = items::PickedProfile(v);
    if (!profile) return;
    switch (*profile) {
        case Profile::A:
            CheckProfilA(st, v);
            break;
        case Profile::KuMu:
            CheckProfilKuMu(st, v);
            break;
        case Profile::B:
            CheckProfilB(st, v);
            ZusatzauflageNichtNoetig(st, v);
            break;
        case Profile::C:
            CheckProfilC(st, v);
            break;
        case Profile::Sport:
            CheckProfilSport(st, v);
            ZusatzauflageNichtNoetig(st, v);
            break;
    }
}

void ZusatzauflageNichtNoetig(ChoiceState& st, View& v) {
    const bool noBasicFrSn = st.P4[Fr] == 0 && st.P4[Sn] == 0 && st.P5[Fr] == 0 && st.P5[Sn] == 0;
    const bool languageCourse =
        st.PKurs[En] == 1 || st.PKurs[Fr] == 1 || st.PKurs[La] == 1 || st.PKurs[Sn] == 1;
    if (st.IntGewaehlt == 1 && noBasicFrSn && languageCourse) {
        exam::ReplaceBExtra(v, items::kAdditionalNotNeeded);
        st.Erfuellt[Obligation::BExtra] = 1;
    }
}

namespace exam {

bool IsForeignLanguage(Subject s) {
    return s == En || s == Fr || s == La || s == Sn;
}

bool IsScience(Subject s) {
    return s == Bi || s == Ch || s == Ph;
}

std::optional<Field> TaskFieldOf(Subject s) {
    const int row = Row(s);
    if (row >= Row(De) && row <= Row(Mu)) return Field::A;
    if (row >= Row(Ek) && row <= Row(Wn)) return Field::B;
    if (row >= Row(Ma) && row <= Row(If)) return Field::C;
    return std::nullopt;
}

std::optional<Obligation> ObligationOf(Subject s) {
    switch (s) {
        case De:
            return Obligation::De;
        case En:
        case Fr:
        case La:
        case Sn:
            return Obligation::Fsp;
        case Ku:
        case Mu:
        case Ds:
            return Obligation::KuMu;
        case Ge:
            return Obligation::Ge;
        case Po:
            return Obligation::Po;
        case Re:
            return Obligation::ReWn;
        case Ma:
            return Obligation::Ma;
        case Bi:
        case Ch:
        case Ph:
            return Obligation::Natur;
        case Sp:
            return Obligation::Sp;
        default:
            return std::nullopt;
    }
}

Counter GqAdditionOf(Subject s) {
    switch (s) {
        case Ku:
        case Mu:
        case Ds:
        case Ge:
        case Po:
        case Re:
            return 2;
        case Ek:
        case If:
            return 4;
        default:
            return 0;
    }
}

bool IntensiveLanguageDiffers(const ChoiceState& st) {
    const bool differs =
        st.Int[Fr] != st.PFach[Fr] || st.Int[Sn] != st.PFach[Sn] || st.Int[La] != st.PFach[La];
    return st.IntGewaehlt == st.NurEineFs && differs;
}

bool IntensiveLanguageNotExamined(const ChoiceState& st) {
    return (st.IntGewaehlt == st.NurEineFs && st.Int[Fr] == 1 && st.PFach[Fr] == 0) ||
           (st.Int[La] == 1 && st.PFach[La] == 0) || (st.Int[Sn] == 1 && st.PFach[Sn] == 0);
}

Control BoxOf(Obligation k) {
    switch (k) {
        case Obligation::De:
            return Control::DeBox;
        case Obligation::Fsp:
            return Control::FspBox;
        case Obligation::KuMu:
        case Obligation::KuMuZusatz:
            return Control::KuMuBox;
        case Obligation::Po:
            return Control::PoBox;
        case Obligation::Ge:
            return Control::GeBox;
        case Obligation::ReWn:
            return Control::ReWnBox;
        case Obligation::Ma:
            return Control::MaBox;
        case Obligation::Natur:
            return Control::NaturBox;
        case Obligation::Sp:
            return Control::SpBox;
        case Obligation::BExtra:
            return Control::BExtraBox;
    }
    return Control::BExtraBox;
}

int MetItemOf(Obligation k) {
    // `BExtraBox` shows a met additional obligation as the single item of its own list.
    if (k == Obligation::BExtra)
        return items::IndexOf(items::kAdditionalNotNeeded, items::Means::Met);
    return items::IndexOf(items::Of(BoxOf(k)), items::Means::Met);
}

void MarkMet(ChoiceState& st, View& v, Obligation k) {
    st.Erfuellt[k] = 1;
    ShowMet(v, k);
}

void ShowMet(View& v, Obligation k) {
    v.SetItemIndex(BoxOf(k), MetItemOf(k));
    v.SetEnabled(BoxOf(k), false);
}

void ReplaceBExtra(View& v, std::span<const items::BoxItem> list) {
    v.ClearItems(Control::BExtraBox);
    for (const items::BoxItem& item : list) v.AddItem(Control::BExtraBox, std::string(item.text));
    v.SetItemIndex(Control::BExtraBox, items::IndexOf(list, items::Means::Met));
    v.SetEnabled(Control::BExtraBox, false);
}

void ExamCheck::Start(Counter gqStart, bool kuMuZusatzMet) {
    if (kuMuZusatzMet) st.Erfuellt[Obligation::KuMuZusatz] = 1;
    st.GqKurse = gqStart;
    failed_ = false;
}

std::optional<Subject> ExamCheck::Read(Control box) const {
    return ExamSubjectAt(profile_, box, view.ItemIndex(box));
}

void ExamCheck::Apply(Subject s, Position p, FspMark fsp) {
    MarkExamSubject(s, p);
    MeetObligationOf(s, fsp);
    CountLanguage(s);
    AddGq(s);
}

void ExamCheck::MarkExamSubject(Subject s, Position p) {
    if (const auto field = TaskFieldOf(s)) st.Aufgabenfeld[*field] = 1;
    st.PFach[s] = 1;
    st.PKurs[s] = 1;
    switch (p) {
        case Position::P1:
            view.SetCell(plan::kRoleColumn, Row(s), "P1");
            break;
        case Position::P2:
            view.SetCell(plan::kRoleColumn, Row(s), "P2");
            break;
        case Position::P3:
            view.SetCell(plan::kRoleColumn, Row(s), "P3");
            break;
        case Position::P4:
            st.P4[s] = 1;
            break;
        case Position::P5:
            st.P5[s] = 1;
            break;
    }
}

void ExamCheck::MeetObligationOf(Subject s, FspMark fsp) {
    const auto k = ObligationOf(s);
    if (!k) return;
    if (*k != Obligation::Fsp) {
        MarkMet(st, view, *k);
        return;
    }
    switch (fsp) {
        case FspMark::None:
            break;
        case FspMark::Full:
            MarkMet(st, view, Obligation::Fsp);
            break;
        case FspMark::FlagOnly:
            st.Erfuellt[Obligation::Fsp] = 1;
            break;
    }
}

void ExamCheck::CountLanguage(Subject s) {
    if (IsForeignLanguage(s)) ++st.FspZahl;
}

void ExamCheck::AddGq(Subject s) {
    st.GqKurse += GqAdditionOf(s);
}

bool ExamCheck::RefuseIntensive(Subject s, std::string_view text) {
    const bool intensive = (s == Fr && st.Int[Fr] == 1) || (s == Sn && st.Int[Sn] == 1);
    if (intensive) Refuse(text);
    return intensive;
}

void ExamCheck::TaskFieldRule(FieldTest how, std::string_view text) {
    const bool all = st.Aufgabenfeld[Field::A] == 1 && st.Aufgabenfeld[Field::B] == 1 &&
                     st.Aufgabenfeld[Field::C] == 1;
    bool covered = all;
    if (how == FieldTest::ViaFelderOk) {
        if (all) st.FelderOk = 1;
        covered = st.FelderOk == 1;
    }
    if (!covered) {
        view.ShowMessage(std::string(text));
        Fail();
    }
}

void ExamCheck::CoreSubjectRule(std::string_view text, CoreLanguages languages) {
    const SubjectFlags& family = languages == CoreLanguages::ByPFach ? st.PFach : st.PKurs;
    const int de = st.PKurs[De] == 1 ? 1 : 0;
    const int fsp =
        (family[En] == 1 || family[Fr] == 1 || family[La] == 1 || family[Sn] == 1) ? 1 : 0;
    const int ma = st.PKurs[Ma] == 1 ? 1 : 0;
    if (de + fsp + ma >= 2) st.KernOk = 1;
    if (st.KernOk == 0) {
        view.ShowMessage(std::string(text));
        Fail();
    }
}

void ExamCheck::Refuse(std::string_view text) {
    view.MessageDlg(std::string(text), DlgType::Information, DlgButtons::Ok);
    Fail();
}

void ExamCheck::ResetIfFailed() {
    if (failed_) ResetPlan(st, view);
}

void ExamCheck::LimitRule(std::string_view longText) {
    if (st.GqKurse > plan::kGqLimit) {
        view.MessageDlg(std::string(longText), DlgType::Information, DlgButtons::Ok);
        ResetPlan(st, view);
    }
}

}  // namespace exam
}  // namespace belegix

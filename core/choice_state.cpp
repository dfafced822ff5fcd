#include "core/choice_state.h"

namespace belegix {

namespace {

struct SubjectInfo {
    std::string_view key;
    std::string_view name;
    std::string_view field;
};

constexpr std::array<SubjectInfo, kSubjectCount> kCatalogue = {{
    {"De", "Deutsch", "A"},    {"En", "Englisch", "A"},   {"Fr", "Französisch", "A"},
    {"La", "Latein", "A"},     {"Sn", "Spanisch", "A"},   {"Ds", "Darst. Spiel", "A"},
    {"Ku", "Kunst", "A"},      {"Mu", "Musik", "A"},      {"Ek", "Erdkunde", "B"},
    {"Ge", "Geschichte", "B"}, {"Po", "Politik-W", "B"},  {"Re", "Religion", "B"},
    {"Wn", "WuN", "B"},        {"Ma", "Mathematik", "C"}, {"Bi", "Biologie", "C"},
    {"Ch", "Chemie", "C"},     {"Ph", "Physik", "C"},     {"If", "Informatik", "C"},
    {"Sp", "Sport", ""},       {"Sf", "Seminarfach", ""},
}};

constexpr std::array<std::string_view, kObligationCount> kObligationKeys = {
    "De", "Fsp", "KuMu", "Po", "Ge", "ReWn", "Ma", "Natur", "Sp", "KuMuZusatz", "BExtra"};

constexpr std::array<std::string_view, kTwoHourCount> kTwoHourKeys = {"Ds", "Ku", "Mu", "Po", "Ge"};

const SubjectInfo& Info(Subject s) {
    return kCatalogue.at(static_cast<std::size_t>(Row(s) - 1));
}

constexpr std::array<Control, 10> kObligationBoxes = {
    Control::DeBox,   Control::FspBox, Control::KuMuBox,  Control::PoBox, Control::GeBox,
    Control::ReWnBox, Control::MaBox,  Control::NaturBox, Control::SpBox, Control::BExtraBox};

}  // namespace

using enum Subject;

const std::array<Subject, 19> kPFachSubjects = {De, En, Fr, La, Sn, Ds, Ku, Mu, Ge, Po,
                                                Ek, Re, Wn, Ma, Ph, Ch, Bi, If, Sp};
const std::array<Subject, 18> kPKursSubjects = {De, Fr, En, La, Sn, Ku, Mu, Ds, Po,
                                                Ge, Ek, Re, Ma, Ph, Ch, Bi, If, Sp};
const std::array<Subject, 14> kP4Subjects = {De, En, Fr, La, Sn, Po, Ge,
                                             Ek, Re, Ma, Ph, Ch, Bi, If};
const std::array<Subject, 15> kP5Subjects = {De, En, Fr, La, Sn, Ds, Po, Ge,
                                             Ek, Re, Ma, Ph, Ch, Bi, If};
const std::array<Subject, 3> kIntSubjects = {Fr, La, Sn};
const std::array<Subject, 8> kZusatz4Subjects = {En, Fr, La, Sn, Ph, Ch, Bi, If};

std::string_view SubjectKey(Subject s) {
    return Info(s).key;
}
std::string_view SubjectName(Subject s) {
    return Info(s).name;
}
std::string_view TaskField(Subject s) {
    return Info(s).field;
}
std::string_view ObligationKey(Obligation k) {
    return kObligationKeys.at(static_cast<std::size_t>(k));
}
std::string_view TwoHourKey(TwoHour x) {
    return kTwoHourKeys.at(static_cast<std::size_t>(x));
}

void ResetPlan(ChoiceState& st, View& v) {
    using C = Control;

    // 1. Subject flags, task fields and the extra arts obligation.
    for (SubjectFlags* family : {&st.PFach, &st.PKurs, &st.P4, &st.P5, &st.Int, &st.Zusatz4})
        family->Fill(0);
    st.Aufgabenfeld.Fill(0);
    st.Erfuellt[Obligation::KuMuZusatz] = 0;

    // 2. The obligation boxes are usable again.
    for (Control box : kObligationBoxes) v.SetEnabled(box, true);

    // 3. The other obligations and the answers of step 0.
    for (int k = 0; k < kObligationCount; ++k) {
        const auto key = static_cast<Obligation>(k);
        if (key != Obligation::KuMuZusatz) st.Erfuellt[key] = 0;
    }
    st.IntGewaehlt = 0;
    st.NurEineFs = 0;

    // 4. Two-hour courses lie in half-years 1 and 2 until a period is chosen.
    st.KursSpalte1.Fill(2);
    st.KursSpalte2.Fill(3);

    // 5. Period marks, rule flags and counters.
    st.ZeitOffen.Fill(0);
    st.FelderOk = 0;
    st.KernOk = 0;
    st.GqKurse = 0;
    st.FspZahl = 0;
    st.FspZahlSport = 0;
    st.NwZahl = 0;

    // 6. The position labels of the first three exam subjects.
    const std::array<std::pair<Control, const char*>, 3> labels = {
        {{C::Label15, "P1"}, {C::Label16, "P2"}, {C::Label17, "P3"}}};
    for (const auto& [label, caption] : labels) {
        v.SetLeft(label, 10);
        v.SetFontColour(label, Colour::Navy);
        v.SetText(label, caption);
    }

    // 7. No profile.
    v.SetItemIndex(C::ProfilRadioGroup, -1);

    // 8. Prompts of the exam-subject boxes.
    const std::array<std::pair<Control, const char*>, 5> prompts = {{
        {C::Lk1Box, "1. Prüfungsfach (eA)"},
        {C::Lk2Box, "2. Prüfungsfach (eA)"},
        {C::P3Box, "3. Prüfungsfach (eA)"},
        {C::P4Box, "P4 (gA schriftlich)"},
        {C::P5Box, "P5 (gA mündlich)"},
    }};
    for (const auto& [box, prompt] : prompts) v.SetText(box, prompt);

    // 9. Their lists wait for a profile.
    for (const auto& [box, prompt] : prompts) {
        v.ClearItems(box);
        v.AddItem(box, "zuerst ein Profil wählen");
    }

    // 10. No selection in the obligation boxes, the seminar box and the additional courses.
    for (Control box : kObligationBoxes) v.SetItemIndex(box, -1);
    v.SetItemIndex(C::SeminarBox, -1);
    v.SetText(C::SeminarBox, "Seminarfach");
    v.SetItemIndex(C::ZusatzBox, -1);

    // 11.
    st.KursAnzahl = 0;

    // 12. Result panels empty.
    for (Control c : {C::ProfilLabel, C::Semester1, C::Semester2, C::Semester3, C::Semester4,
                      C::SemesterD, C::Kurse_ok})
        v.SetText(c, "");
    v.SetColour(C::Kurse_ok, Colour::Neutral);
    v.SetText(C::Gks, "");
    v.SetText(C::Gsq, "");
    v.SetColour(C::Gsq_ok, Colour::Neutral);
    v.SetText(C::Gsq_ok, "");

    // 13. Half-year panels neutral.
    for (Control c : {C::Semester1, C::Semester2, C::Semester3, C::Semester4, C::SemesterD})
        v.SetColour(c, Colour::Neutral);

    // 14. Step 0, open only when switched on.
    v.SetVisible(C::GroupBoxIntFSpr, true);
    v.SetEnabled(C::GroupBoxIntFSpr, true);
    v.SetItemIndex(C::IntFSprComboBox, 3);
    if (st.IntSchrittAktiv == 0) {
        v.SetColour(C::GroupBoxIntFSpr, Colour::Silver);
        v.SetEnabled(C::IntFSprComboBox, false);
        v.SetEnabled(C::IntFSprBitBtn, false);
        v.SetCell(6, 0, "  ");
    } else {
        v.SetColour(C::GroupBoxIntFSpr, Colour::Orange);
        v.SetEnabled(C::IntFSprComboBox, true);
        v.SetEnabled(C::IntFSprBitBtn, true);
    }

    // 15. Step 1 open.
    v.SetColour(C::ProfilRadioGroup, Colour::Orange);
    v.SetEnabled(C::ProfilRadioGroup, true);
    v.SetEnabled(C::ProfilBitBtn, true);

    // 16. Step 2 closed.
    v.SetEnabled(C::GroupBox1, false);
    v.SetColour(C::GroupBox1, Colour::Silver);
    v.SetEnabled(C::PFachBitBtn, false);

    // 17. Step 3 closed.
    v.SetColour(C::GroupBox2, Colour::Silver);
    v.SetEnabled(C::GroupBox2, false);
    v.SetEnabled(C::AuflagenBitBtn, false);

    // 18. Step 4 closed.
    v.SetEnabled(C::GroupBox3, false);
    v.SetColour(C::GroupBox3, Colour::Silver);
    v.SetText(C::ZusatzBox, "");
    // A reset while the period panel of step 4 is open would otherwise leave the course box
    // disabled for the rest of the run: nothing else enables it before a course is chosen.
    v.SetEnabled(C::ZusatzBox, true);
    v.SetEnabled(C::WeiterBitBtn, false);
    st.ZusatzSchritt = 0;
    st.ErgebnisAktiv = 0;

    // 19. Step 5.
    v.SetFontColour(C::ErgebnisBitBtn, Colour::Teal);
    v.SetEnabled(C::ErgebnisBitBtn, false);
    v.SetEnabled(C::DruckenBitBtn, false);

    // 20. Personal data of the printout.
    v.SetText(C::MaskEdit1, "");
    v.SetText(C::MaskEdit2, "");
    v.SetText(C::MaskEdit3, "");
    v.SetText(C::MaskEdit4, "Gymnasium Lindenhain");

    // 21. Exam roles and half-years blank; names, task fields and headers stay.
    for (int col = 1; col <= 5; ++col)
        for (int row = 1; row < kGridRows; ++row) v.SetCell(col, row, " ");
}

void StartPlanner(ChoiceState& st, View& view) {
    st.IntSchrittAktiv = 0;
    ResetPlan(st, view);
}

}  // namespace belegix

#include "core/choice_state.h"

#include "core/plan_limits.h"

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
    return ElementOf(kCatalogue, static_cast<std::size_t>(Row(s) - 1), "subject");
}

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
    return ElementOf(kObligationKeys, static_cast<std::size_t>(k), "obligation");
}
std::string_view TwoHourKey(TwoHour x) {
    return ElementOf(kTwoHourKeys, static_cast<std::size_t>(x), "two-hour subject");
}

void ResetState(ChoiceState& st) {
    for (SubjectFlags* family : {&st.PFach, &st.PKurs, &st.P4, &st.P5, &st.Int, &st.Zusatz4})
        family->Fill(0);
    st.Aufgabenfeld.Fill(0);
    st.Erfuellt.Fill(0);
    st.evaluation = {};
    st.IntGewaehlt = 0;
    st.NurEineFs = 0;

    // Two-hour courses lie in half-years 1 and 2 until a period is chosen.
    st.KursSpalte1.Fill(plan::HalfYearColumn(1));
    st.KursSpalte2.Fill(plan::HalfYearColumn(2));
    st.ZeitOffen.Fill(0);

    st.FelderOk = 0;
    st.KernOk = 0;
    st.GqKurse = 0;
    st.FspZahl = 0;
    st.FspZahlSport = 0;
    st.NwZahl = 0;
    st.KursAnzahl = 0;
    st.ZusatzSchritt = 0;
    st.ErgebnisAktiv = 0;
}

}  // namespace belegix

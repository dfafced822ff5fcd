#include "core/rules/course_plan.h"

#include <array>
#include <string>

namespace belegix {
namespace {

using enum Subject;
using C = Control;

constexpr int kFirstHalfYearColumn = 2;
constexpr int kLastHalfYearColumn = 5;

void WriteAllHalfYears(View& v, Subject s, const std::string& mark) {
    for (int col = kFirstHalfYearColumn; col <= kLastHalfYearColumn; ++col)
        v.SetCell(col, Row(s), mark);
}

// A two-hour course stands in the two half-years chosen for it. A column outside the half-years
// (which no period choice produces) is not written.
void WriteTwoHalfYears(View& v, Subject s, int column1, int column2, const std::string& mark) {
    for (int col : {column1, column2})
        if (col >= kFirstHalfYearColumn && col <= kLastHalfYearColumn) v.SetCell(col, Row(s), mark);
}

bool Selected(const View& v, Control box, int index) {
    return v.ItemIndex(box) == index;
}

// Exam course "4" in all half-years, otherwise the obligation course "4*" when it is chosen.
void ExamOrObligation(const ChoiceState& st, View& v, Subject s, bool obligation) {
    if (st.PKurs[s])
        WriteAllHalfYears(v, s, "4");
    else if (obligation)
        WriteAllHalfYears(v, s, "4*");
}

// Exam course "4", otherwise the two-hour arts course in its two half-years.
void ExamOrArtsCourse(const ChoiceState& st, View& v, Subject s, TwoHour x, int kuMuIndex) {
    if (st.PKurs[s])
        WriteAllHalfYears(v, s, "4");
    else if (Selected(v, C::KuMuBox, kuMuIndex))
        WriteTwoHalfYears(v, s, st.KursSpalte1[x], st.KursSpalte2[x], "2");
}

void WriteFixedTexts(View& v) {
    v.SetCell(0, 0, "Fach");
    for (int row = 1; row <= kSubjectCount; ++row) {
        const Subject s = SubjectAtRow(row);
        v.SetCell(0, row, std::string(SubjectName(s)));
    }
    for (int row = Row(De); row <= Row(If); ++row)
        v.SetCell(6, row, std::string(TaskField(SubjectAtRow(row))));
    v.SetCell(1, 0, "Pfach");
}

void WriteBasicExamRoles(const ChoiceState& st, View& v) {
    for (Subject s : {De, En, Fr, La, Sn, Po, Ge, Ek, Re, Ma, Bi, Ch, Ph, If})
        if (st.P4[s]) v.SetCell(1, Row(s), "P4");
    for (Subject s : {De, En, Fr, La, Sn, Ds, Po, Ge, Ek, Re, Ma, Bi, Ch, Ph, If})
        if (st.P5[s]) v.SetCell(1, Row(s), "P5");
}

void WriteHalfYearHeaders(View& v) {
    v.SetCell(2, 0, "1.Hj.");
    v.SetCell(3, 0, "2.Hj.");
    v.SetCell(4, 0, "3.Hj.");
    v.SetCell(5, 0, "4.Hj.");
}

void WriteCourseMarks(const ChoiceState& st, View& v) {
    ExamOrObligation(st, v, De, Selected(v, C::DeBox, 0));
    ExamOrObligation(st, v, En, Selected(v, C::FspBox, 0));
    ExamOrObligation(st, v, Fr, Selected(v, C::FspBox, 1));
    ExamOrObligation(st, v, La, Selected(v, C::FspBox, 2));
    ExamOrObligation(st, v, Sn, Selected(v, C::FspBox, 3));

    ExamOrArtsCourse(st, v, Ds, TwoHour::Ds, 0);
    ExamOrArtsCourse(st, v, Ku, TwoHour::Ku, 1);
    ExamOrArtsCourse(st, v, Mu, TwoHour::Mu, 2);

    // An exam subject on basic level is taken as "4*" in every half-year; the two-hour
    // obligation course is written independently of that.
    ExamOrObligation(st, v, Po, st.PFach[Po] != 0);
    if (Selected(v, C::PoBox, 0))
        WriteTwoHalfYears(v, Po, st.KursSpalte1[TwoHour::Po], st.KursSpalte2[TwoHour::Po], "2");
    ExamOrObligation(st, v, Ge, st.PFach[Ge] != 0);
    if (Selected(v, C::GeBox, 0))
        WriteTwoHalfYears(v, Ge, st.KursSpalte1[TwoHour::Ge], st.KursSpalte2[TwoHour::Ge], "2");
    ExamOrObligation(st, v, Ek, st.PFach[Ek] != 0);
    ExamOrObligation(st, v, Re, st.PFach[Re] != 0);
    if (Selected(v, C::ReWnBox, 0)) WriteAllHalfYears(v, Re, "2");
    if (Selected(v, C::ReWnBox, 1)) WriteAllHalfYears(v, Wn, "2");

    ExamOrObligation(st, v, Ma, Selected(v, C::MaBox, 0));
    ExamOrObligation(st, v, Ph, Selected(v, C::NaturBox, 2));
    ExamOrObligation(st, v, Ch, Selected(v, C::NaturBox, 1));
    ExamOrObligation(st, v, Bi, Selected(v, C::NaturBox, 0));
    ExamOrObligation(st, v, If, Selected(v, C::NaturBox, 3));

    if (Selected(v, C::SpBox, 0))
        WriteAllHalfYears(v, Sp, "2");
    else if (Selected(v, C::SpBox, 1))
        WriteAllHalfYears(v, Sp, "Attest");
    if (st.PKurs[Sp]) WriteAllHalfYears(v, Sp, "5");

    // The additional obligation runs in the first two half-years only.
    for (Subject s : {En, Fr, La, Sn, Ph, Ch, Bi, If}) {
        if (st.Zusatz4[s]) {
            v.SetCell(2, Row(s), "4*");
            v.SetCell(3, Row(s), "4*");
        }
    }
}

bool IsCourse(const std::string& mark) {
    return mark == "4" || mark == "4*" || mark == "Z4" || mark == "Z2" || mark == "2" ||
           mark == "5";
}

Counter CountCourses(const View& v) {
    Counter n = 0;
    for (int col = kFirstHalfYearColumn; col <= kLastHalfYearColumn; ++col)
        for (int row = 1; row <= kSubjectCount; ++row)
            if (IsCourse(v.Cell(col, row))) ++n;
    return n;
}

Counter HoursOfColumn(const View& v, int col) {
    Counter hours = 0;
    for (int row = 1; row <= kSubjectCount; ++row) {
        const std::string mark = v.Cell(col, row);
        if (mark == "4" || mark == "4*" || mark == "Z4")
            hours += 4;
        else if (mark == "2" || mark == "Z2")
            hours += 2;
        else if (mark == "5")
            hours += 5;
    }
    return hours;
}

void GradeOverallQualification(const ChoiceState& st, View& v) {
    if (st.GqKurse > 0 && st.GqKurse < 36) {
        v.SetText(C::Gsq_ok, "J");
        v.SetColour(C::Gsq_ok, Colour::Green);
    } else if (st.GqKurse == 36) {
        v.SetText(C::Gsq_ok, "K");
        v.SetColour(C::Gsq_ok, Colour::Yellow);
    } else if (st.GqKurse != 0) {
        v.SetText(C::Gsq_ok, "L");
        v.SetColour(C::Gsq_ok, Colour::Red);
    } else {
        v.SetColour(C::Gsq_ok, Colour::Neutral);
    }
    v.SetText(C::Gsq, std::to_string(st.GqKurse));
}

Colour AverageColour(std::int64_t average) {
    if (average >= 34 && average <= 38) return Colour::Green;
    if (average > 38) return Colour::Yellow;
    if (average > 0) return Colour::Red;
    return Colour::Neutral;
}

void GradeCourseCount(Counter n, View& v) {
    if (n >= 46) {
        v.SetText(C::Kurse_ok, "L");
        v.SetColour(C::Kurse_ok, Colour::Red);
    } else if (n >= 39) {
        v.SetText(C::Kurse_ok, "J");
        v.SetColour(C::Kurse_ok, Colour::Green);
    } else if (n >= 36) {
        v.SetText(C::Kurse_ok, "K");
        v.SetColour(C::Kurse_ok, Colour::Yellow);
    } else if (n >= 1) {
        v.SetText(C::Kurse_ok, "M");
        v.SetColour(C::Kurse_ok, Colour::Red);
    }
}

void ShowVerdict(View& v) {
    const Colour average = v.GetColour(C::SemesterD);
    const Colour courses = v.GetColour(C::Kurse_ok);
    const Colour overall = v.GetColour(C::Gsq_ok);
    const auto& verdicts = VerdictTexts();
    using enum Colour;
    if (average == Green && courses == Green && overall == Green)
        v.ShowMessage(std::string(verdicts[0]));
    if (average == Green && courses == Green && overall == Yellow)
        v.ShowMessage(std::string(verdicts[1]));
    if (average == Green && (courses == Yellow || courses == Red) &&
        (overall == Green || overall == Yellow))
        v.ShowMessage(std::string(verdicts[2]));
    if (average == Red) v.ShowMessage(std::string(verdicts[3]));
}

}  // namespace

const std::array<std::string_view, 4>& VerdictTexts() {
    static constexpr std::array<std::string_view, 4> kVerdicts = {
        "SUPER! Du hast eine optimale Wahl getroffen.",
        " Du hast eine zulässige Wahl getroffen. Allerdings kannst Du keinen weiteren Kurs mehr "
        "einbringen!",
        " Du hast eine zulässige Wahl getroffen. Allerdings hast Du eine sehr hohe Anzahl an "
        "Kursen und Stunden gewählt!",
        " Du musst im Durchschnitt aller Halbjahre\n mindestens 34 Wochenstunden erreichen.\n "
        "Wähle bitte weitere Kurse aus",
    };
    return kVerdicts;
}

Colour HalfYearColour(Counter hours) {
    if (hours == 0) return Colour::Neutral;
    if (hours < 32 || hours > 40) return Colour::Red;
    if (hours < 34 || hours > 38) return Colour::Yellow;
    return Colour::Green;
}

void EvaluatePlan(ChoiceState& st, View& v) {
    // The grid.
    WriteFixedTexts(v);
    WriteBasicExamRoles(st, v);
    WriteHalfYearHeaders(v);
    WriteCourseMarks(st, v);

    // Courses.
    st.KursAnzahl = CountCourses(v);
    v.SetText(C::Gks, std::to_string(st.KursAnzahl));

    // Results for the overall qualification.
    GradeOverallQualification(st, v);

    // Weekly hours of each half-year.
    for (int n = 1; n <= 4; ++n) st.Stunden[static_cast<std::size_t>(n)] = HoursOfColumn(v, n + 1);

    // The average, cut to a whole number.
    const std::int64_t sum =
        std::int64_t{st.Stunden[1]} + st.Stunden[2] + st.Stunden[3] + st.Stunden[4];
    st.Durchschnitt = sum / 4;
    v.SetColour(C::SemesterD, AverageColour(st.Durchschnitt));
    v.SetText(C::SemesterD, std::to_string(st.Durchschnitt));

    // Half-year panels.
    constexpr std::array<Control, 4> kHalfYearPanels = {C::Semester1, C::Semester2, C::Semester3,
                                                        C::Semester4};
    for (std::size_t n = 1; n <= 4; ++n) {
        v.SetText(kHalfYearPanels[n - 1], std::to_string(st.Stunden[n]));
        v.SetColour(kHalfYearPanels[n - 1], HalfYearColour(st.Stunden[n]));
    }

    // Course count smiley.
    GradeCourseCount(st.KursAnzahl, v);

    // The hours of all four half-years.
    st.StundenSumme = st.Stunden[1] + st.Stunden[2] + st.Stunden[3] + st.Stunden[4];

    // A thin plan invites further courses.
    if (v.GetColour(C::SemesterD) == Colour::Red) v.SetColour(C::GroupBox3, Colour::Orange);

    // Printing; never disabled here.
    if (st.KursAnzahl >= 1 && st.GqKurse <= 36 && st.StundenSumme >= 136)
        v.SetEnabled(C::DruckenBitBtn, true);

    // The verdict.
    ShowVerdict(v);
}

void KeepPlanEvaluated(ChoiceState& st) {
    st.ErgebnisAktiv = 1;
}

}  // namespace belegix

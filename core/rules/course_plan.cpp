#include "core/rules/course_plan.h"

#include <array>
#include <string>

#include "core/box_items.h"
#include "core/plan_limits.h"

namespace belegix {
namespace {

using enum Subject;
using C = Control;
using plan::kFirstHalfYearColumn;
using plan::kLastHalfYearColumn;

void WriteAllHalfYears(View& v, Subject s, std::string_view mark) {
    for (int col = kFirstHalfYearColumn; col <= kLastHalfYearColumn; ++col)
        v.SetCell(col, Row(s), std::string(mark));
}

// A two-hour course stands in the two half-years chosen for it. A column outside the half-years
// (which no period choice produces) is not written.
void WriteTwoHalfYears(View& v, Subject s, int column1, int column2, std::string_view mark) {
    for (int col : {column1, column2})
        if (col >= kFirstHalfYearColumn && col <= kLastHalfYearColumn)
            v.SetCell(col, Row(s), std::string(mark));
}

// Whether the picked item of `box` is the course in `s`.
bool Picks(const View& v, Control box, Subject s) {
    return items::PickedSubject(v, box) == s;
}

// Exam course "4" in all half-years, otherwise the obligation course "4*" when it is chosen.
void ExamOrObligation(const ChoiceState& st, View& v, Subject s, bool obligation) {
    if (st.PKurs[s])
        WriteAllHalfYears(v, s, plan::kExamCourse);
    else if (obligation)
        WriteAllHalfYears(v, s, plan::kObligationCourse);
}

// Exam course "4", otherwise the two-hour arts course in its two half-years.
void ExamOrArtsCourse(const ChoiceState& st, View& v, Subject s, TwoHour x) {
    if (st.PKurs[s])
        WriteAllHalfYears(v, s, plan::kExamCourse);
    else if (Picks(v, C::KuMuBox, s))
        WriteTwoHalfYears(v, s, st.KursSpalte1[x], st.KursSpalte2[x], plan::kTwoHourCourse);
}

void WriteFixedTexts(View& v) {
    v.SetCell(plan::kSubjectColumn, plan::kHeaderRow, "Fach");
    for (int row = 1; row <= kSubjectCount; ++row) {
        const Subject s = SubjectAtRow(row);
        v.SetCell(plan::kSubjectColumn, row, std::string(SubjectName(s)));
    }
    for (int row = Row(De); row <= Row(If); ++row)
        v.SetCell(plan::kFieldColumn, row, std::string(TaskField(SubjectAtRow(row))));
    v.SetCell(plan::kRoleColumn, plan::kHeaderRow, "Pfach");
}

void WriteBasicExamRoles(const ChoiceState& st, View& v) {
    for (Subject s : {De, En, Fr, La, Sn, Po, Ge, Ek, Re, Ma, Bi, Ch, Ph, If})
        if (st.P4[s]) v.SetCell(plan::kRoleColumn, Row(s), "P4");
    for (Subject s : {De, En, Fr, La, Sn, Ds, Po, Ge, Ek, Re, Ma, Bi, Ch, Ph, If})
        if (st.P5[s]) v.SetCell(plan::kRoleColumn, Row(s), "P5");
}

void WriteHalfYearHeaders(View& v) {
    constexpr std::array<const char*, plan::kHalfYears> kHeaders = {"1.Hj.", "2.Hj.", "3.Hj.",
                                                                    "4.Hj."};
    for (int n = 1; n <= plan::kHalfYears; ++n)
        v.SetCell(plan::HalfYearColumn(n), plan::kHeaderRow,
                  kHeaders.at(static_cast<std::size_t>(n - 1)));
}

void WriteCourseMarks(const ChoiceState& st, View& v) {
    ExamOrObligation(st, v, De, Picks(v, C::DeBox, De));
    ExamOrObligation(st, v, En, Picks(v, C::FspBox, En));
    ExamOrObligation(st, v, Fr, Picks(v, C::FspBox, Fr));
    ExamOrObligation(st, v, La, Picks(v, C::FspBox, La));
    ExamOrObligation(st, v, Sn, Picks(v, C::FspBox, Sn));

    ExamOrArtsCourse(st, v, Ds, TwoHour::Ds);
    ExamOrArtsCourse(st, v, Ku, TwoHour::Ku);
    ExamOrArtsCourse(st, v, Mu, TwoHour::Mu);

    // An exam subject on basic level is taken as "4*" in every half-year; the two-hour
    // obligation course is written independently of that.
    ExamOrObligation(st, v, Po, st.PFach[Po] != 0);
    if (Picks(v, C::PoBox, Po))
        WriteTwoHalfYears(v, Po, st.KursSpalte1[TwoHour::Po], st.KursSpalte2[TwoHour::Po],
                          plan::kTwoHourCourse);
    ExamOrObligation(st, v, Ge, st.PFach[Ge] != 0);
    if (Picks(v, C::GeBox, Ge))
        WriteTwoHalfYears(v, Ge, st.KursSpalte1[TwoHour::Ge], st.KursSpalte2[TwoHour::Ge],
                          plan::kTwoHourCourse);
    ExamOrObligation(st, v, Ek, st.PFach[Ek] != 0);
    ExamOrObligation(st, v, Re, st.PFach[Re] != 0);
    if (Picks(v, C::ReWnBox, Re)) WriteAllHalfYears(v, Re, plan::kTwoHourCourse);
    if (Picks(v, C::ReWnBox, Wn)) WriteAllHalfYears(v, Wn, plan::kTwoHourCourse);

    ExamOrObligation(st, v, Ma, Picks(v, C::MaBox, Ma));
    ExamOrObligation(st, v, Ph, Picks(v, C::NaturBox, Ph));
    ExamOrObligation(st, v, Ch, Picks(v, C::NaturBox, Ch));
    ExamOrObligation(st, v, Bi, Picks(v, C::NaturBox, Bi));
    ExamOrObligation(st, v, If, Picks(v, C::NaturBox, If));

    const items::BoxItem* sport = items::Picked(v, C::SpBox);
    if (Picks(v, C::SpBox, Sp))
        WriteAllHalfYears(v, Sp, plan::kTwoHourCourse);
    else if (sport && sport->means == items::Means::Exempt)
        WriteAllHalfYears(v, Sp, plan::kAttest);
    if (st.PKurs[Sp]) WriteAllHalfYears(v, Sp, plan::kSportExamCourse);

    // The additional obligation runs in the first two half-years only.
    for (Subject s : {En, Fr, La, Sn, Ph, Ch, Bi, If}) {
        if (st.Zusatz4[s]) {
            v.SetCell(plan::HalfYearColumn(1), Row(s), std::string(plan::kObligationCourse));
            v.SetCell(plan::HalfYearColumn(2), Row(s), std::string(plan::kObligationCourse));
        }
    }
}

Counter CountCourses(const View& v) {
    Counter n = 0;
    for (int col = kFirstHalfYearColumn; col <= kLastHalfYearColumn; ++col)
        for (int row = 1; row <= kSubjectCount; ++row)
            if (plan::HoursOf(v.Cell(col, row))) ++n;
    return n;
}

Counter HoursOfColumn(const View& v, int col) {
    Counter hours = 0;
    for (int row = 1; row <= kSubjectCount; ++row)
        hours += plan::HoursOf(v.Cell(col, row)).value_or(0);
    return hours;
}

void GradeOverallQualification(const ChoiceState& st, View& v) {
    if (st.GqKurse > 0 && st.GqKurse < plan::kGqLimit) {
        v.SetText(C::Gsq_ok, "J");
        v.SetColour(C::Gsq_ok, Colour::Green);
    } else if (st.GqKurse == plan::kGqLimit) {
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
    if (average >= plan::kHoursGoodMin && average <= plan::kHoursGoodMax) return Colour::Green;
    if (average > plan::kHoursGoodMax) return Colour::Yellow;
    if (average > 0) return Colour::Red;
    return Colour::Neutral;
}

void GradeCourseCount(Counter n, View& v) {
    if (n >= plan::kCoursesTooMany) {
        v.SetText(C::Kurse_ok, "L");
        v.SetColour(C::Kurse_ok, Colour::Red);
    } else if (n >= plan::kCoursesGood) {
        v.SetText(C::Kurse_ok, "J");
        v.SetColour(C::Kurse_ok, Colour::Green);
    } else if (n >= plan::kCoursesEnough) {
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
    if (hours < plan::kHoursAcceptableMin || hours > plan::kHoursAcceptableMax) return Colour::Red;
    if (hours < plan::kHoursGoodMin || hours > plan::kHoursGoodMax) return Colour::Yellow;
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
    for (int n = 1; n <= plan::kHalfYears; ++n)
        st.Stunden[static_cast<std::size_t>(n)] = HoursOfColumn(v, plan::HalfYearColumn(n));

    // The average, cut to a whole number.
    const std::int64_t sum =
        std::int64_t{st.Stunden[1]} + st.Stunden[2] + st.Stunden[3] + st.Stunden[4];
    st.Durchschnitt = sum / plan::kHalfYears;
    v.SetColour(C::SemesterD, AverageColour(st.Durchschnitt));
    v.SetText(C::SemesterD, std::to_string(st.Durchschnitt));

    // Half-year panels.
    constexpr std::array<Control, plan::kHalfYears> kHalfYearPanels = {C::Semester1, C::Semester2,
                                                                       C::Semester3, C::Semester4};
    for (std::size_t n = 1; n <= plan::kHalfYears; ++n) {
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
    if (st.KursAnzahl >= 1 && st.GqKurse <= plan::kGqLimit &&
        st.StundenSumme >= plan::kHoursTotalMin)
        v.SetEnabled(C::DruckenBitBtn, true);

    // The verdict.
    ShowVerdict(v);
}

void KeepPlanEvaluated(ChoiceState& st) {
    st.ErgebnisAktiv = 1;
}

}  // namespace belegix

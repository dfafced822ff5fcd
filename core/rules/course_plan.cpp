#include "core/rules/course_plan.h"

#include <array>
#include <optional>
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

// A smiley: its face letter ("J" to "M") and its colour.
struct Smiley {
    std::string_view face;
    Colour colour;
};

// The overall qualification's smiley; with no results it only turns neutral.
std::optional<Smiley> OverallSmiley(Counter gq) {
    if (gq > 0 && gq < plan::kGqLimit) return Smiley{"J", Colour::Green};
    if (gq == plan::kGqLimit) return Smiley{"K", Colour::Yellow};
    if (gq != 0) return Smiley{"L", Colour::Red};
    return std::nullopt;
}

// The course count's smiley; with no course at all it stays as it was.
std::optional<Smiley> CourseCountSmiley(Counter n) {
    if (n >= plan::kCoursesTooMany) return Smiley{"L", Colour::Red};
    if (n >= plan::kCoursesGood) return Smiley{"J", Colour::Green};
    if (n >= plan::kCoursesEnough) return Smiley{"K", Colour::Yellow};
    if (n >= 1) return Smiley{"M", Colour::Red};
    return std::nullopt;
}

Colour AverageColour(std::int64_t average) {
    if (average >= plan::kHoursGoodMin && average <= plan::kHoursGoodMax) return Colour::Green;
    if (average > plan::kHoursGoodMax) return Colour::Yellow;
    if (average > 0) return Colour::Red;
    return Colour::Neutral;
}

// The verdict for the average's, the course count's and the overall qualification's colours.
std::string VerdictFor(Colour average, Colour courses, Colour overall) {
    const auto& verdicts = VerdictTexts();
    using enum Colour;
    if (average == Green && courses == Green && overall == Green) return std::string(verdicts[0]);
    if (average == Green && courses == Green && overall == Yellow) return std::string(verdicts[1]);
    if (average == Green && (courses == Yellow || courses == Red) &&
        (overall == Green || overall == Yellow))
        return std::string(verdicts[2]);
    if (average == Red) return std::string(verdicts[3]);
    return {};
}

constexpr std::array<Control, plan::kHalfYears> kHalfYearPanels = {C::Semester1, C::Semester2,
                                                                   C::Semester3, C::Semester4};
constexpr std::size_t kAverageLight = 4;
constexpr std::size_t kCoursesLight = 5;
constexpr std::size_t kOverallLight = 6;

// The evaluation of the figures in `st`; `before` is the one the window shows until now.
Evaluation Evaluate(const ChoiceState& st, const Evaluation& before) {
    Evaluation ev;
    for (std::size_t n = 1; n <= plan::kHalfYears; ++n)
        ev.lights[n - 1] = HalfYearColour(st.Stunden[n]);
    ev.lights[kAverageLight] = AverageColour(st.Durchschnitt);
    const auto courses = CourseCountSmiley(st.KursAnzahl);
    ev.lights[kCoursesLight] = courses ? courses->colour : before.lights[kCoursesLight];
    const auto overall = OverallSmiley(st.GqKurse);
    ev.lights[kOverallLight] = overall ? overall->colour : Colour::Neutral;
    ev.admissible = st.KursAnzahl >= 1 && st.GqKurse <= plan::kGqLimit &&
                    st.StundenSumme >= plan::kHoursTotalMin;
    ev.verdict =
        VerdictFor(ev.lights[kAverageLight], ev.lights[kCoursesLight], ev.lights[kOverallLight]);
    return ev;
}

// Shows the evaluation in the result panels and tells the verdict.
void ShowEvaluation(const ChoiceState& st, const Evaluation& ev, View& v) {
    v.SetText(C::Gks, std::to_string(st.KursAnzahl));
    if (const auto overall = OverallSmiley(st.GqKurse))
        v.SetText(C::Gsq_ok, std::string(overall->face));
    v.SetColour(C::Gsq_ok, ev.lights[kOverallLight]);
    v.SetText(C::Gsq, std::to_string(st.GqKurse));
    v.SetColour(C::SemesterD, ev.lights[kAverageLight]);
    v.SetText(C::SemesterD, std::to_string(st.Durchschnitt));
    for (std::size_t n = 1; n <= plan::kHalfYears; ++n) {
        v.SetText(kHalfYearPanels[n - 1], std::to_string(st.Stunden[n]));
        v.SetColour(kHalfYearPanels[n - 1], ev.lights[n - 1]);
    }
    if (const auto courses = CourseCountSmiley(st.KursAnzahl)) {
        v.SetText(C::Kurse_ok, std::string(courses->face));
        v.SetColour(C::Kurse_ok, courses->colour);
    }
    // A thin plan invites further courses.
    if (ev.lights[kAverageLight] == Colour::Red) v.SetColour(C::GroupBox3, Colour::Orange);
    // Printing; never disabled here.
    if (ev.admissible) v.SetEnabled(C::DruckenBitBtn, true);
    if (!ev.verdict.empty()) v.ShowMessage(ev.verdict);
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

    // The figures.
    st.KursAnzahl = CountCourses(v);
    for (int n = 1; n <= plan::kHalfYears; ++n)
        st.Stunden[static_cast<std::size_t>(n)] = HoursOfColumn(v, plan::HalfYearColumn(n));
    // The average, cut to a whole number.
    const std::int64_t sum =
        std::int64_t{st.Stunden[1]} + st.Stunden[2] + st.Stunden[3] + st.Stunden[4];
    st.Durchschnitt = sum / plan::kHalfYears;
    st.StundenSumme = st.Stunden[1] + st.Stunden[2] + st.Stunden[3] + st.Stunden[4];

    // What they mean, shown in the window.
    st.evaluation = Evaluate(st, st.evaluation);
    ShowEvaluation(st, st.evaluation, v);
}

void KeepPlanEvaluated(ChoiceState& st) {
    st.ErgebnisAktiv = 1;
}

}  // namespace belegix

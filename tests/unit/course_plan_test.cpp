#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/choice_state.h"
#include "core/rules/course_plan.h"
#include "core/rules/events.h"
#include "core/rules/steps.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;
using enum Subject;

const std::string kSuper = "SUPER! Du hast eine optimale Wahl getroffen.";
const std::string kNoMoreCourse =
    " Du hast eine zulässige Wahl getroffen. Allerdings kannst Du keinen weiteren Kurs mehr "
    "einbringen!";
const std::string kManyCourses =
    " Du hast eine zulässige Wahl getroffen. Allerdings hast Du eine sehr hohe Anzahl an Kursen "
    "und Stunden gewählt!";
const std::string kTooThin =
    " Du musst im Durchschnitt aller Halbjahre\n mindestens 34 Wochenstunden erreichen.\n Wähle "
    "bitte weitere Kurse aus";

// The student's pick in a step-3 box; the items themselves do not matter to the evaluation.
void Choose(TestView& v, Control box, int index) {
    while (v.Get(box).items.size() <= static_cast<std::size_t>(index))
        v.AddItem(box, "item " + std::to_string(v.Get(box).items.size()));
    v.Pick(box, index);
}

// A window just after start-up: every half-year cell holds a blank.
struct Plan {
    ChoiceState st;
    TestView v;
    Plan() { StartPlanner(st, v); }
    void Evaluate() {
        v.ClearBoxes();
        EvaluatePlan(st, v);
    }
    std::string Mark(Subject s, int halfYear) const { return v.Cell(halfYear + 1, Row(s)); }
};

// Hours per half-year, counted by hand:
//   De, En, Fr exam courses "4"                12 12 12 12   (12 courses)
//   Ma, Bi "4*", Ge "4*" (exam on basic level)  24 24 24 24   (24)
//   Re "2", Sp "2"                              28 28 28 28   (32)
//   Ku "2" in 1st/2nd, Po "2" in 3rd/4th        30 30 30 30   (36)
//   Seminarfach "2" in 1st/2nd (from step 3)    32 32 30 30   (38)
//   Ph additional obligation "4*" in 1st/2nd    36 36 30 30   (40)
//   Ch "Z2" in 3rd/4th (from step 4)            36 36 32 32   (42)   sum 136, average 34
void BuildSum136(Plan& p) {
    for (Subject s : {De, En, Fr}) p.st.PKurs[s] = p.st.PFach[s] = 1;
    p.st.PFach[Ge] = p.st.P4[Ge] = 1;
    p.st.Zusatz4[Ph] = 1;
    p.st.GqKurse = 32;
    p.st.KursSpalte1[TwoHour::Ku] = 2;
    p.st.KursSpalte2[TwoHour::Ku] = 3;
    p.st.KursSpalte1[TwoHour::Po] = 4;
    p.st.KursSpalte2[TwoHour::Po] = 5;
    Choose(p.v, DeBox, 1);  // "bereits erfüllt"
    Choose(p.v, FspBox, 4);
    Choose(p.v, KuMuBox, 1);
    Choose(p.v, PoBox, 0);
    Choose(p.v, GeBox, 1);
    Choose(p.v, ReWnBox, 0);
    Choose(p.v, MaBox, 0);
    Choose(p.v, NaturBox, 0);
    Choose(p.v, SpBox, 0);
    p.v.SetCell(2, Row(Sf), "2");
    p.v.SetCell(3, Row(Sf), "2");
    p.v.SetCell(4, Row(Ch), "Z2");
    p.v.SetCell(5, Row(Ch), "Z2");
}

TEST(CoursePlan, Sum136IsAverage34GreenAndEnablesPrinting) {
    Plan p;
    BuildSum136(p);
    p.Evaluate();

    EXPECT_EQ(p.st.Stunden[1], 36);
    EXPECT_EQ(p.st.Stunden[2], 36);
    EXPECT_EQ(p.st.Stunden[3], 32);
    EXPECT_EQ(p.st.Stunden[4], 32);
    EXPECT_EQ(p.st.StundenSumme, 136);
    EXPECT_EQ(p.st.Durchschnitt, 34);
    EXPECT_EQ(p.st.KursAnzahl, 42);
    EXPECT_EQ(p.v.Text(Gks), "42");
    EXPECT_EQ(p.v.Text(SemesterD), "34");
    EXPECT_EQ(p.v.GetColour(SemesterD), Colour::Green);
    EXPECT_EQ(p.v.Text(Semester1), "36");
    EXPECT_EQ(p.v.Text(Semester4), "32");
    EXPECT_EQ(p.v.GetColour(Semester1), Colour::Green);
    EXPECT_EQ(p.v.GetColour(Semester3), Colour::Yellow);
    EXPECT_EQ(p.v.Text(Kurse_ok), "J");
    EXPECT_EQ(p.v.GetColour(Kurse_ok), Colour::Green);
    EXPECT_EQ(p.v.Text(Gsq), "32");
    EXPECT_EQ(p.v.Text(Gsq_ok), "J");
    EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Green);
    EXPECT_TRUE(p.v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(p.v.GetColour(GroupBox3), Colour::Silver);
    ASSERT_EQ(p.v.Boxes().size(), 1u);
    EXPECT_EQ(p.v.Boxes()[0].kind, Box::Kind::Plain);
    EXPECT_EQ(p.v.Boxes()[0].text, kSuper);

    // The marks themselves.
    for (int hj = 1; hj <= 4; ++hj) {
        EXPECT_EQ(p.Mark(De, hj), "4");
        EXPECT_EQ(p.Mark(Ge, hj), "4*");
        EXPECT_EQ(p.Mark(Re, hj), "2");
        EXPECT_EQ(p.Mark(Wn, hj), " ");
        EXPECT_EQ(p.Mark(Sp, hj), "2");
        EXPECT_EQ(p.Mark(Ds, hj), " ");
    }
    EXPECT_EQ(p.Mark(Ku, 1), "2");
    EXPECT_EQ(p.Mark(Ku, 3), " ");
    EXPECT_EQ(p.Mark(Po, 2), " ");
    EXPECT_EQ(p.Mark(Po, 4), "2");
    EXPECT_EQ(p.v.Cell(1, Row(Ge)), "P4");
}

TEST(CoursePlan, Sum135IsAverage33RedWithMessageFourAndOrangeStep4) {
    Plan p;
    BuildSum136(p);
    // Without the two "Z2" courses (132), and a 5-hour mark in place of one 2-hour course.
    p.v.SetCell(4, Row(Ch), " ");
    p.v.SetCell(5, Row(Ch), " ");
    p.v.SetCell(2, Row(Sf), "5");
    p.Evaluate();

    EXPECT_EQ(p.st.Stunden[1], 39);
    EXPECT_EQ(p.st.StundenSumme, 135);
    EXPECT_EQ(p.st.Durchschnitt, 33);
    EXPECT_EQ(p.v.Text(SemesterD), "33");
    EXPECT_EQ(p.v.GetColour(SemesterD), Colour::Red);
    EXPECT_EQ(p.v.GetColour(Semester1), Colour::Yellow);  // 39
    EXPECT_EQ(p.v.GetColour(Semester2), Colour::Green);   // 36
    EXPECT_EQ(p.v.GetColour(Semester3), Colour::Red);     // 30
    EXPECT_EQ(p.v.GetColour(GroupBox3), Colour::Orange);
    EXPECT_FALSE(p.v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(p.st.KursAnzahl, 40);
    ASSERT_EQ(p.v.Boxes().size(), 1u);
    EXPECT_EQ(p.v.Boxes()[0].kind, Box::Kind::Plain);
    EXPECT_EQ(p.v.Boxes()[0].text, kTooThin);
}

TEST(CoursePlan, HalfYearPanelColours) {
    EXPECT_EQ(HalfYearColour(0), Colour::Neutral);
    for (int h : {2, 30, 31, 41, 42, 50}) EXPECT_EQ(HalfYearColour(h), Colour::Red) << h;
    for (int h : {32, 33, 39, 40}) EXPECT_EQ(HalfYearColour(h), Colour::Yellow) << h;
    for (int h : {34, 35, 36, 37, 38}) EXPECT_EQ(HalfYearColour(h), Colour::Green) << h;
}

// `n` "Z2" cells spread over the half-year columns, on an otherwise empty plan.
void FillZ2(Plan& p, int n) {
    for (int i = 0; i < n; ++i) p.v.SetCell(2 + i % 4, 1 + i / 4, "Z2");
}

TEST(CoursePlan, CourseCountSmiley) {
    struct Case {
        int count;
        const char* letter;
        Colour colour;
    };
    for (const Case& c :
         {Case{35, "M", Colour::Red}, Case{36, "K", Colour::Yellow}, Case{38, "K", Colour::Yellow},
          Case{39, "J", Colour::Green}, Case{45, "J", Colour::Green}, Case{46, "L", Colour::Red},
          Case{1, "M", Colour::Red}}) {
        Plan p;
        FillZ2(p, c.count);
        p.Evaluate();
        EXPECT_EQ(p.st.KursAnzahl, c.count);
        EXPECT_EQ(p.v.Text(Gks), std::to_string(c.count));
        EXPECT_EQ(p.v.Text(Kurse_ok), c.letter) << c.count;
        EXPECT_EQ(p.v.GetColour(Kurse_ok), c.colour) << c.count;
    }
}

TEST(CoursePlan, AttestBlanksAndExamRolesAreNoCourses) {
    Plan p;
    p.v.SetCell(2, 1, "Attest");
    p.v.SetCell(3, 1, "Int");
    p.v.SetCell(1, 2, "P5");
    p.v.SetCell(1, 3, "4");  // column 1 never counts
    p.v.SetCell(2, 4, "4*");
    p.Evaluate();
    EXPECT_EQ(p.st.KursAnzahl, 1);
}

TEST(CoursePlan, NoCoursesLeavesTheCourseSmileyAsItWas) {
    Plan p;
    p.v.SetText(Kurse_ok, "K");
    p.v.SetColour(Kurse_ok, Colour::Yellow);
    p.Evaluate();
    EXPECT_EQ(p.v.Text(Kurse_ok), "K");
    EXPECT_EQ(p.v.GetColour(Kurse_ok), Colour::Yellow);
}

TEST(CoursePlan, OverallQualificationSmiley) {
    {
        Plan p;
        p.v.SetText(Gsq_ok, "J");
        p.v.SetColour(Gsq_ok, Colour::Green);
        p.Evaluate();
        EXPECT_EQ(p.v.Text(Gsq), "0");
        EXPECT_EQ(p.v.Text(Gsq_ok), "J");  // text left as it was
        EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Neutral);
    }
    {
        Plan p;
        BuildSum136(p);
        p.st.GqKurse = 35;
        p.Evaluate();
        EXPECT_EQ(p.v.Text(Gsq), "35");
        EXPECT_EQ(p.v.Text(Gsq_ok), "J");
        EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Green);
        EXPECT_EQ(p.v.BoxTexts(), std::vector<std::string>{kSuper});
    }
    {
        Plan p;
        BuildSum136(p);
        p.st.GqKurse = 36;
        p.Evaluate();
        EXPECT_EQ(p.v.Text(Gsq_ok), "K");
        EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Yellow);
        EXPECT_TRUE(p.v.Get(DruckenBitBtn).enabled);
        EXPECT_EQ(p.v.BoxTexts(), std::vector<std::string>{kNoMoreCourse});
    }
    {
        Plan p;
        BuildSum136(p);
        p.st.GqKurse = 37;
        p.Evaluate();
        EXPECT_EQ(p.v.Text(Gsq), "37");
        EXPECT_EQ(p.v.Text(Gsq_ok), "L");
        EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Red);
        EXPECT_FALSE(p.v.Get(DruckenBitBtn).enabled);
        EXPECT_TRUE(p.v.Boxes().empty());
    }
}

// `rows` rows of four-hour courses in all four half-years.
void FillZ4Rows(Plan& p, int rows) {
    for (int row = 1; row <= rows; ++row)
        for (int col = 2; col <= 5; ++col) p.v.SetCell(col, row, "Z4");
}

TEST(CoursePlan, AverageOf39OrMoreIsYellowAndGetsNoMessage) {
    Plan p;
    FillZ4Rows(p, 10);  // 40 courses, 40 hours in each half-year
    p.st.GqKurse = 30;
    p.Evaluate();
    EXPECT_EQ(p.st.Durchschnitt, 40);
    EXPECT_EQ(p.v.GetColour(SemesterD), Colour::Yellow);
    EXPECT_EQ(p.v.GetColour(Semester1), Colour::Yellow);
    EXPECT_EQ(p.v.GetColour(Kurse_ok), Colour::Green);
    EXPECT_EQ(p.v.GetColour(Gsq_ok), Colour::Green);
    EXPECT_TRUE(p.v.Get(DruckenBitBtn).enabled);
    EXPECT_TRUE(p.v.Boxes().empty());
    EXPECT_EQ(p.v.GetColour(GroupBox3), Colour::Silver);
}

TEST(CoursePlan, GreenAverageWithYellowOrRedCourseCountGivesMessageThree) {
    {
        Plan p;
        FillZ4Rows(p, 9);  // 36 courses, 36 hours in each half-year
        p.st.GqKurse = 30;
        p.Evaluate();
        EXPECT_EQ(p.st.KursAnzahl, 36);
        EXPECT_EQ(p.st.Durchschnitt, 36);
        EXPECT_EQ(p.v.Text(Kurse_ok), "K");
        EXPECT_EQ(p.v.BoxTexts(), std::vector<std::string>{kManyCourses});
    }
    {
        Plan p;
        // 35 four-hour courses: 9, 9, 9 and 8 per half-year = 36 36 36 32, average 35.
        for (int i = 0; i < 35; ++i) p.v.SetCell(2 + i % 4, 1 + i / 4, "Z4");
        p.st.GqKurse = 36;
        p.Evaluate();
        EXPECT_EQ(p.st.Durchschnitt, 35);
        EXPECT_EQ(p.v.Text(Kurse_ok), "M");
        EXPECT_EQ(p.v.Text(Gsq_ok), "K");
        EXPECT_EQ(p.v.BoxTexts(), std::vector<std::string>{kManyCourses});
    }
}

TEST(CoursePlan, SportExamAndExemption) {
    {
        Plan p;
        Choose(p.v, SpBox, 0);
        p.st.PKurs[Sp] = p.st.PFach[Sp] = 1;
        p.Evaluate();
        for (int hj = 1; hj <= 4; ++hj) EXPECT_EQ(p.Mark(Sp, hj), "5");
        EXPECT_EQ(p.st.StundenSumme, 20);
        EXPECT_EQ(p.st.Stunden[3], 5);
        EXPECT_EQ(p.st.KursAnzahl, 4);
    }
    {
        Plan p;
        Choose(p.v, SpBox, 1);
        p.Evaluate();
        for (int hj = 1; hj <= 4; ++hj) EXPECT_EQ(p.Mark(Sp, hj), "Attest");
        EXPECT_EQ(p.st.StundenSumme, 0);
        EXPECT_EQ(p.st.KursAnzahl, 0);
        EXPECT_EQ(p.v.GetColour(SemesterD), Colour::Neutral);
        EXPECT_TRUE(p.v.Boxes().empty());
    }
}

TEST(CoursePlan, ExtraObligationOnlyInTheFirstTwoHalfYears) {
    {
        Plan p;
        p.st.Zusatz4[Ph] = 1;
        Choose(p.v, NaturBox, 0);  // Biologie is the science obligation
        p.Evaluate();
        EXPECT_EQ(p.Mark(Ph, 1), "4*");
        EXPECT_EQ(p.Mark(Ph, 2), "4*");
        EXPECT_EQ(p.Mark(Ph, 3), " ");
        EXPECT_EQ(p.Mark(Ph, 4), " ");
        for (int hj = 1; hj <= 4; ++hj) EXPECT_EQ(p.Mark(Bi, hj), "4*");
    }
    {
        Plan p;
        p.st.Zusatz4[Ph] = 1;
        Choose(p.v, NaturBox, 2);  // Physik is also the science obligation
        p.Evaluate();
        for (int hj = 1; hj <= 4; ++hj) EXPECT_EQ(p.Mark(Ph, hj), "4*");
    }
    {
        Plan p;
        p.st.Zusatz4[Sn] = 1;
        Choose(p.v, FspBox, 0);
        p.Evaluate();
        EXPECT_EQ(p.Mark(Sn, 2), "4*");
        EXPECT_EQ(p.Mark(Sn, 3), " ");
        EXPECT_EQ(p.Mark(En, 3), "4*");
    }
}

TEST(CoursePlan, ExamCourseAndObligationMarks) {
    Plan p;
    p.st.PKurs[Ma] = p.st.PFach[Ma] = 1;
    Choose(p.v, MaBox, 0);  // the exam course wins over the obligation
    p.st.PFach[Ek] = p.st.P5[Ek] = 1;
    p.st.PFach[Ds] = p.st.P5[Ds] = 1;
    Choose(p.v, ReWnBox, 1);
    Choose(p.v, KuMuBox, 0);
    p.st.KursSpalte1[TwoHour::Ds] = 3;
    p.st.KursSpalte2[TwoHour::Ds] = 5;
    p.Evaluate();
    for (int hj = 1; hj <= 4; ++hj) {
        EXPECT_EQ(p.Mark(Ma, hj), "4");
        EXPECT_EQ(p.Mark(Ek, hj), "4*");
        EXPECT_EQ(p.Mark(Wn, hj), "2");
        EXPECT_EQ(p.Mark(Re, hj), " ");
    }
    EXPECT_EQ(p.Mark(Ds, 1), " ");
    EXPECT_EQ(p.Mark(Ds, 2), "2");
    EXPECT_EQ(p.Mark(Ds, 3), " ");
    EXPECT_EQ(p.Mark(Ds, 4), "2");
    EXPECT_EQ(p.v.Cell(1, Row(Ek)), "P5");
    EXPECT_EQ(p.v.Cell(1, Row(Ds)), "P5");
    EXPECT_EQ(p.v.Cell(1, Row(Ma)), " ");
}

TEST(CoursePlan, NeverClearsACell) {
    Plan p;
    // Marks from an earlier evaluation and from other steps.
    for (int col = 2; col <= 5; ++col) p.v.SetCell(col, Row(Bi), "4*");
    p.v.SetCell(2, Row(Ku), "2");
    p.v.SetCell(3, Row(Ku), "2");
    p.v.SetCell(1, Row(De), "P1");
    p.v.SetCell(2, Row(Sf), "2");
    // The student has since moved the science box to Chemie and the arts box to Musik.
    Choose(p.v, NaturBox, 1);
    Choose(p.v, KuMuBox, 2);
    p.Evaluate();
    for (int hj = 1; hj <= 4; ++hj) {
        EXPECT_EQ(p.Mark(Bi, hj), "4*");
        EXPECT_EQ(p.Mark(Ch, hj), "4*");
    }
    EXPECT_EQ(p.Mark(Ku, 1), "2");
    EXPECT_EQ(p.Mark(Mu, 1), "2");  // default period: 1st and 2nd half-year
    EXPECT_EQ(p.v.Cell(1, Row(De)), "P1");
    EXPECT_EQ(p.Mark(Sf, 1), "2");
}

TEST(CoursePlan, RunningTwiceGivesTheSamePlanAndMessage) {
    Plan p;
    BuildSum136(p);
    p.Evaluate();
    std::vector<std::string> first;
    for (int col = 0; col < kGridColumns; ++col)
        for (int row = 0; row < kGridRows; ++row) first.push_back(p.v.Cell(col, row));
    const auto firstBoxes = p.v.BoxTexts();
    const int firstCourses = p.st.KursAnzahl;

    p.Evaluate();
    std::vector<std::string> second;
    for (int col = 0; col < kGridColumns; ++col)
        for (int row = 0; row < kGridRows; ++row) second.push_back(p.v.Cell(col, row));
    EXPECT_EQ(first, second);
    EXPECT_EQ(p.v.BoxTexts(), firstBoxes);
    EXPECT_EQ(p.st.KursAnzahl, firstCourses);
    EXPECT_EQ(p.v.Text(Gks), "42");
}

TEST(CoursePlan, StartUpEvaluationOnTheEmptyChoice) {
    ChoiceState st;
    TestView v;
    test::NullPrinter printer;
    Form form{st, v, printer};
    StartPlanner(st, v);
    ASSERT_TRUE(Dispatch(form, ErgebnisBitBtn, Event::Activate));

    EXPECT_EQ(v.Cell(0, 0), "Fach");
    EXPECT_EQ(v.Cell(0, 1), "Deutsch");
    EXPECT_EQ(v.Cell(0, 20), "Seminarfach");
    EXPECT_EQ(v.Cell(6, 1), "A");
    EXPECT_EQ(v.Cell(6, 8), "A");
    EXPECT_EQ(v.Cell(6, 9), "B");
    EXPECT_EQ(v.Cell(6, 13), "B");
    EXPECT_EQ(v.Cell(6, 14), "C");
    EXPECT_EQ(v.Cell(6, 18), "C");
    EXPECT_EQ(v.Cell(6, 19), "");  // Sport and Seminarfach have no task field
    EXPECT_EQ(v.Cell(6, 20), "");
    EXPECT_EQ(v.Cell(6, 0), "  ");  // left as the reset set it
    EXPECT_EQ(v.Cell(1, 0), "Pfach");
    EXPECT_EQ(v.Cell(2, 0), "1.Hj.");
    EXPECT_EQ(v.Cell(3, 0), "2.Hj.");
    EXPECT_EQ(v.Cell(4, 0), "3.Hj.");
    EXPECT_EQ(v.Cell(5, 0), "4.Hj.");
    for (Control c : {Gks, Gsq, Semester1, Semester2, Semester3, Semester4, SemesterD})
        EXPECT_EQ(v.Text(c), "0") << ControlName(c);
    for (Control c : {Semester1, Semester2, Semester3, Semester4, SemesterD, Gsq_ok, Kurse_ok})
        EXPECT_EQ(v.GetColour(c), Colour::Neutral) << ControlName(c);
    EXPECT_EQ(v.Text(Kurse_ok), "");
    EXPECT_EQ(v.Text(Gsq_ok), "");
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_FALSE(v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Silver);
}

TEST(CoursePlan, EnterSetsErgebnisAktivAndClickIsWired) {
    ChoiceState st;
    TestView v;
    test::NullPrinter printer;
    Form form{st, v, printer};
    StartPlanner(st, v);
    EXPECT_EQ(st.ErgebnisAktiv, 0);
    ASSERT_TRUE(Dispatch(form, ErgebnisBitBtn, Event::Enter));
    EXPECT_EQ(st.ErgebnisAktiv, 1);
    EXPECT_EQ(v.Text(Gks), "");
    ASSERT_TRUE(Dispatch(form, ErgebnisBitBtn, Event::Click));
    EXPECT_EQ(v.Text(Gks), "0");
}

}  // namespace
}  // namespace belegix

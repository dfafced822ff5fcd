#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/rules/additional_courses.h"
#include "core/rules/events.h"
#include "core/rules/obligations.h"
#include "core/rules/steps.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;
using enum Subject;
using O = Obligation;

const std::string kOption = "\nDu musst unbedingt eine Option auswählen!\n";
const std::string kBelegt = "\nDieses Fach hast Du schon belegt!\n";
const std::vector<std::string> kTwoOptions = {"1. und 2. Halbjahr", "3. und 4. Halbjahr"};
const std::vector<std::string> kThreeOptions = {"1. und 2. Halbjahr", "3. und 4. Halbjahr",
                                                "1. bis 4. Halbjahr"};

// Printing is not part of these steps.
class AdditionalCourses : public ::testing::Test {
  protected:
    void SetUp() override { StartPlanner(st, v); }

    // Step 3 open, as the exam-subject confirmation leaves it.
    void OpenStepThree() { OpenStep(v, Step::Obligations); }

    // Step 3 confirmed with every row met; step 4 offered.
    void OfferStepFour() {
        OpenStepThree();
        st.Erfuellt[O::KuMuZusatz] = st.Erfuellt[O::BExtra] = 1;
        v.Pick(DeBox, 0);
        v.Pick(FspBox, 0);
        v.Pick(KuMuBox, 1);
        v.Pick(PoBox, 0);
        v.Pick(GeBox, 0);
        v.Pick(ReWnBox, 0);
        v.Pick(MaBox, 0);
        v.Pick(NaturBox, 0);
        v.Pick(SpBox, 0);
        CheckObligations(st, v);
        ASSERT_TRUE(v.Boxes().empty());
        ASSERT_TRUE(v.Get(GroupBox3).enabled);
    }

    // Picks item `index` of `ZusatzBox` as the student does: the focus enters step 4 first.
    void PickZusatz(int index) {
        OpenAdditionalCourses(st, v);
        v.Pick(ZusatzBox, index);
        ChooseCourse(st, v, ZusatzBox);
    }

    void PickPeriod(int option) {
        v.Pick(RGZusatzkurse, option);
        ConfirmPeriod(st, v);
    }

    // A whole additional course: pick, period, "Weiter".
    void AddCourse(int index, int option) {
        PickZusatz(index);
        PickPeriod(option);
        EnterCourse(st, v);
    }

    void ExpectOneBox(Box::Kind kind, const std::string& text) {
        ASSERT_EQ(v.Boxes().size(), 1u);
        EXPECT_EQ(v.Boxes()[0].kind, kind);
        EXPECT_EQ(v.Boxes()[0].text, text);
        EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    }

    bool PanelOpen() const { return v.Get(ZusatzPanel).visible; }
    std::vector<std::string> Options() const { return v.Get(RGZusatzkurse).items; }

    ChoiceState st;
    TestView v;
    test::NullPrinter printer;
    Form form{st, v, printer};
};

TEST_F(AdditionalCourses, EnteringAndClickingTheFrameOfStepFour) {
    OfferStepFour();
    OpenAdditionalCourses(st, v);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Orange);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_TRUE(v.Get(WeiterBitBtn).enabled);
    EXPECT_EQ(st.ZusatzSchritt, 1);

    st.ZusatzSchritt = 0;
    StartAdditionalCourse(st, v);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_FALSE(v.Get(WeiterBitBtn).enabled);
    EXPECT_EQ(st.ZusatzSchritt, 1);
}

TEST_F(AdditionalCourses, KunstInTheSecondYear) {
    OfferStepFour();
    PickZusatz(5);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.ZeitOffen[TwoHour::Ku], 1);
    EXPECT_TRUE(PanelOpen());
    EXPECT_EQ(Options(), kThreeOptions);
    EXPECT_EQ(v.ItemIndex(RGZusatzkurse), -1);
    EXPECT_FALSE(v.Get(GroupBox3).enabled);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_FALSE(v.Get(ZusatzBox).enabled);
    EXPECT_TRUE(v.Get(WeiterBitBtn).enabled);

    PickPeriod(1);
    EXPECT_EQ(st.ZeitVon, 3);
    EXPECT_EQ(st.ZeitBis, 4);
    EXPECT_EQ(st.KursSpalte1[TwoHour::Ku], 4);
    EXPECT_EQ(st.KursSpalte2[TwoHour::Ku], 5);
    EXPECT_EQ(st.ZeitOffen[TwoHour::Ku], 0);
    EXPECT_FALSE(PanelOpen());
    EXPECT_EQ(st.ZusatzSchritt, 0);
    EXPECT_TRUE(v.Get(WeiterBitBtn).enabled);
    EXPECT_TRUE(v.Get(GroupBox3).enabled);
    EXPECT_TRUE(v.Get(ZusatzBox).enabled);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    // The other two-hour subjects keep the first year.
    EXPECT_EQ(st.KursSpalte1[TwoHour::Mu], 2);
    EXPECT_EQ(st.KursSpalte2[TwoHour::Po], 3);

    EnterCourse(st, v);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(v.Cell(2, Row(Ku)), " ");
    EXPECT_EQ(v.Cell(3, Row(Ku)), " ");
    EXPECT_EQ(v.Cell(4, Row(Ku)), "Z2");
    EXPECT_EQ(v.Cell(5, Row(Ku)), "Z2");
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Silver);
    EXPECT_TRUE(v.Get(GroupBox3).enabled);
    EXPECT_TRUE(v.Get(ZusatzBox).enabled);
    EXPECT_TRUE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_TRUE(v.Get(WeiterBitBtn).enabled);
}

TEST_F(AdditionalCourses, PhysikOverAllFourHalfYears) {
    OfferStepFour();
    const int writes = v.CellWrites();
    AddCourse(14, 2);
    EXPECT_EQ(st.ZeitVon, 1);
    EXPECT_EQ(st.ZeitBis, 4);
    for (int col = 2; col <= 5; ++col) EXPECT_EQ(v.Cell(col, Row(Ph)), "Z4") << col;
    EXPECT_EQ(v.CellWrites(), writes + 4);
    EXPECT_EQ(v.Cell(1, Row(Ph)), " ");
}

TEST_F(AdditionalCourses, EachItemWritesItsRowAndMark) {
    struct Expect {
        int index;
        Subject row;
        const char* cell;
    };
    const Expect all[] = {{0, En, "Z4"},  {1, Fr, "Z4"},  {2, La, "Z4"},  {3, Sn, "Z4"},
                          {4, Ds, "Z2"},  {5, Ku, "Z2"},  {6, Mu, "Z2"},  {7, Ek, "Z2"},
                          {8, Ge, "Z2"},  {9, Po, "Z2"},  {10, Re, "Z2"}, {11, Wn, "Z2"},
                          {12, Bi, "Z4"}, {13, Ch, "Z4"}, {14, Ph, "Z4"}, {15, If, "Z4"}};
    OfferStepFour();
    v.SetItemIndex(FspBox, -1);  // no step-3 row names any of the subjects
    v.SetItemIndex(ReWnBox, -1);
    v.SetItemIndex(NaturBox, -1);
    for (const Expect& e : all) {
        const int writes = v.CellWrites();
        AddCourse(e.index, 0);
        EXPECT_TRUE(v.Boxes().empty()) << e.index;
        EXPECT_EQ(v.Cell(2, Row(e.row)), e.cell) << e.index;
        EXPECT_EQ(v.Cell(3, Row(e.row)), e.cell) << e.index;
        EXPECT_EQ(v.Cell(4, Row(e.row)), " ") << e.index;
        EXPECT_EQ(v.CellWrites(), writes + 2) << e.index;
    }
}

TEST_F(AdditionalCourses, TwoHourItemsAskTheirPeriod) {
    OfferStepFour();
    const std::pair<int, TwoHour> marks[] = {
        {4, TwoHour::Ds}, {5, TwoHour::Ku}, {6, TwoHour::Mu}, {8, TwoHour::Ge}, {9, TwoHour::Po}};
    for (const auto& [index, x] : marks) {
        PickZusatz(index);
        for (int k = 0; k < kTwoHourCount; ++k)
            EXPECT_EQ(st.ZeitOffen[TwoHour(k)], TwoHour(k) == x ? 1 : 0) << index;
        PickPeriod(2);
        EXPECT_EQ(st.KursSpalte1[x], 2);
        EXPECT_EQ(st.KursSpalte2[x], 5);
    }
    PickZusatz(7);  // Erdkunde has no obligation columns
    for (int k = 0; k < kTwoHourCount; ++k) EXPECT_EQ(st.ZeitOffen[TwoHour(k)], 0);
}

TEST_F(AdditionalCourses, AnExamSubjectCountsAsTakenAndOpensNoPanel) {
    OfferStepFour();
    AddCourse(0, 0);  // some earlier course, so that a period is known
    v.ClearBoxes();

    st.PFach[Sn] = 1;
    PickZusatz(3);
    ExpectOneBox(Box::Kind::Information, kBelegt);
    EXPECT_FALSE(PanelOpen());
    EXPECT_TRUE(v.Get(ZusatzBox).enabled);
    EXPECT_EQ(v.ItemIndex(ZusatzBox), 3);
    for (int k = 0; k < kTwoHourCount; ++k) EXPECT_EQ(st.ZeitOffen[TwoHour(k)], 0);

    v.ClearBoxes();
    const int writes = v.CellWrites();
    EnterCourse(st, v);
    ExpectOneBox(Box::Kind::Plain, "Spanisch hast Du schon!");
    EXPECT_EQ(v.CellWrites(), writes);
}

TEST_F(AdditionalCourses, TakenTestUsesExamSubjectOrExamCourseAsTheTableSays) {
    OfferStepFour();
    // Kunst counts as taken only as an exam course; Englisch as soon as it is an exam subject.
    st.PFach[Ku] = 1;
    PickZusatz(5);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_TRUE(PanelOpen());
    PickPeriod(0);

    st.PKurs[Ku] = 1;
    PickZusatz(5);
    ExpectOneBox(Box::Kind::Information, kBelegt);

    v.ClearBoxes();
    st.PKurs[Bi] = 1;  // exam course but not flagged as exam subject: not refused here
    PickZusatz(12);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_TRUE(PanelOpen());
}

TEST_F(AdditionalCourses, TheStepThreeLanguageIsRefusedOnlyByWeiter) {
    OfferStepFour();  // FspBox at "Englisch"
    PickZusatz(0);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_TRUE(PanelOpen());
    PickPeriod(0);
    const int writes = v.CellWrites();
    EnterCourse(st, v);
    ExpectOneBox(Box::Kind::Plain, "Englisch hast Du schon!");
    EXPECT_EQ(v.CellWrites(), writes);
    // Step 4 opens again whatever the outcome.
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Silver);
    EXPECT_TRUE(v.Get(ErgebnisBitBtn).enabled);
}

TEST_F(AdditionalCourses, ReligionWerteUndNormenAndInformatikFollowTheirStepThreeRows) {
    OfferStepFour();  // ReWnBox at "Religion"
    v.Pick(NaturBox, 3);
    struct Case {
        int index;
        const char* message;
    };
    for (const Case& c :
         {Case{10, "Religion hast Du schon!"}, Case{15, "Informatik hast Du schon!"}}) {
        v.ClearBoxes();
        PickZusatz(c.index);
        EXPECT_TRUE(PanelOpen());
        PickPeriod(0);
        const int writes = v.CellWrites();
        EnterCourse(st, v);
        ExpectOneBox(Box::Kind::Plain, c.message);
        EXPECT_EQ(v.CellWrites(), writes);
    }

    // Werte und Normen while the row shows Religion is entered ...
    v.ClearBoxes();
    AddCourse(11, 1);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(v.Cell(4, Row(Wn)), "Z2");
    // ... and refused exactly when it shows "Werte u. Normen"; the exam flags do not matter.
    v.Pick(ReWnBox, 1);
    AddCourse(11, 0);
    ExpectOneBox(Box::Kind::Plain, "Werte und Normen hast Du schon!");
    EXPECT_EQ(v.Cell(2, Row(Wn)), " ");
}

TEST_F(AdditionalCourses, EnteringConditionsOfTheExamFlags) {
    OfferStepFour();
    v.SetItemIndex(FspBox, -1);
    v.SetItemIndex(ReWnBox, -1);
    v.SetItemIndex(NaturBox, -1);
    struct Case {
        int index;
        Subject s;
        bool viaPKurs;
        const char* message;
    };
    const Case cases[] = {
        {1, Fr, true, "Französisch hast Du schon!"},  {2, La, true, "Latein hast Du schon!"},
        {4, Ds, true, "Darst. Spiel hast Du schon!"}, {6, Mu, true, "Musik hast Du schon!"},
        {7, Ek, true, "Erdkunde hast Du schon!"},     {8, Ge, true, "Geschichte hast Du schon!"},
        {9, Po, true, "Politik hast Du schon!"},      {10, Re, true, "Religion hast Du schon!"},
        {13, Ch, true, "Chemie hast Du schon!"},      {14, Ph, true, "Physik hast Du schon!"}};
    for (const Case& c : cases) {
        AddCourse(c.index, 0);  // chosen while free: the panel opens
        ASSERT_TRUE(v.Boxes().empty()) << c.index;
        st.PKurs[c.s] = 1;  // then the flag is set behind the box, so only Weiter sees it
        const int writes = v.CellWrites();
        EnterCourse(st, v);
        ExpectOneBox(Box::Kind::Plain, c.message);
        EXPECT_EQ(v.CellWrites(), writes) << c.index;
        st.PKurs[c.s] = 0;
        v.ClearBoxes();
    }
}

TEST_F(AdditionalCourses, TypingIntoZusatzBoxOpensThePanelAtTheFirstKeystroke) {
    OfferStepFour();
    OpenAdditionalCourses(st, v);
    v.Type(ZusatzBox, "P");
    ChooseCourse(st, v, ZusatzBox);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_TRUE(PanelOpen());
    EXPECT_EQ(Options(), kThreeOptions);
    EXPECT_FALSE(v.Get(ZusatzBox).enabled);  // later keystrokes cannot reach the box
    for (int k = 0; k < kTwoHourCount; ++k) EXPECT_EQ(st.ZeitOffen[TwoHour(k)], 0);

    // Confirmed, "Weiter" writes nothing for typed text, but re-opens step 4.
    PickPeriod(0);
    const int writes = v.CellWrites();
    EnterCourse(st, v);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(v.CellWrites(), writes);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Silver);
    EXPECT_TRUE(v.Get(ErgebnisBitBtn).enabled);
}

TEST_F(AdditionalCourses, StepThreeBoxesOfferTwoOptionsOnly) {
    OpenStepThree();
    struct Case {
        Control box;
        int index;
        std::optional<TwoHour> mark;
    };
    const Case cases[] = {
        {KuMuBox, 0, TwoHour::Ds},  {KuMuBox, 1, TwoHour::Ku},  {KuMuBox, 2, TwoHour::Mu},
        {KuMuBox, 3, std::nullopt}, {KuMuBox, 4, std::nullopt}, {PoBox, 0, TwoHour::Po},
        {PoBox, 1, TwoHour::Po},    {GeBox, 0, TwoHour::Ge},    {GeBox, 1, TwoHour::Ge}};
    for (const Case& c : cases) {
        v.Pick(c.box, c.index);
        ASSERT_TRUE(Dispatch(form, c.box, Event::Change));
        EXPECT_TRUE(PanelOpen());
        EXPECT_EQ(Options(), kTwoOptions);
        EXPECT_EQ(v.ItemIndex(RGZusatzkurse), -1);
        for (int k = 0; k < kTwoHourCount; ++k)
            EXPECT_EQ(st.ZeitOffen[TwoHour(k)], c.mark && *c.mark == TwoHour(k) ? 1 : 0)
                << ControlName(c.box) << c.index;
        EXPECT_FALSE(v.Get(GroupBox2).enabled);
        EXPECT_FALSE(v.Get(AuflagenBitBtn).enabled);
        PickPeriod(1);
        EXPECT_FALSE(PanelOpen());
        EXPECT_TRUE(v.Get(GroupBox2).enabled);
        EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
        EXPECT_FALSE(v.Get(WeiterBitBtn).enabled);
        if (c.mark) {
            EXPECT_EQ(st.KursSpalte1[*c.mark], 4);
            EXPECT_EQ(st.KursSpalte2[*c.mark], 5);
        }
        st.KursSpalte1.Fill(2);
        st.KursSpalte2.Fill(3);
    }
    EXPECT_TRUE(v.Boxes().empty());
}

TEST_F(AdditionalCourses, ConfirmingWithoutAnOptionChangesNothing) {
    OpenStepThree();
    st.ZeitVon = 3;
    st.ZeitBis = 4;
    v.Pick(GeBox, 0);
    ChooseCourse(st, v, GeBox);
    ConfirmPeriod(st, v);
    ExpectOneBox(Box::Kind::Information, kOption);
    EXPECT_TRUE(PanelOpen());
    EXPECT_EQ(st.ZeitVon, 3);
    EXPECT_EQ(st.ZeitBis, 4);
    EXPECT_EQ(st.ZeitOffen[TwoHour::Ge], 1);
    EXPECT_EQ(st.KursSpalte1[TwoHour::Ge], 2);
    EXPECT_FALSE(v.Get(GroupBox2).enabled);
    EXPECT_FALSE(v.Get(AuflagenBitBtn).enabled);
}

TEST_F(AdditionalCourses, AResetWhileThePanelIsOpenLeavesItOpenForStepThree) {
    OfferStepFour();
    PickZusatz(5);
    ASSERT_TRUE(PanelOpen());
    ResetPlan(st, v);
    EXPECT_TRUE(PanelOpen());
    EXPECT_EQ(st.ZusatzSchritt, 0);
    EXPECT_EQ(st.ZeitOffen[TwoHour::Ku], 0);

    PickPeriod(1);
    EXPECT_FALSE(PanelOpen());
    EXPECT_EQ(st.ZeitVon, 3);
    EXPECT_EQ(st.KursSpalte1[TwoHour::Ku], 2);  // no subject was marked any more
    EXPECT_EQ(st.KursSpalte2[TwoHour::Ku], 3);
    EXPECT_TRUE(v.Get(GroupBox2).enabled);
    EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
    EXPECT_FALSE(v.Get(WeiterBitBtn).enabled);
    EXPECT_FALSE(v.Get(GroupBox3).enabled);
}

// After a reset that caught the panel of step 4 open, the next pass can still add courses.
TEST_F(AdditionalCourses, AResetWhileThePanelIsOpenLeavesTheCourseBoxUsableForTheNextPass) {
    OfferStepFour();
    PickZusatz(5);
    ASSERT_FALSE(v.Get(ZusatzBox).enabled);
    ResetPlan(st, v);
    EXPECT_TRUE(v.Get(ZusatzBox).enabled);
    EXPECT_FALSE(v.Get(GroupBox3).enabled);  // the frame keeps the box unusable until step 4
    PickPeriod(0);

    v.ClearBoxes();
    OfferStepFour();
    AddCourse(14, 2);
    EXPECT_EQ(v.Cell(2, Row(Ph)), "Z4");
    EXPECT_EQ(v.Cell(5, Row(Ph)), "Z4");
}

// "Weiter" without a known period: the column range would start at the exam-role column
// (nothing confirmed yet) or belong to another course (panel still open).
TEST_F(AdditionalCourses, WeiterBeforeAnyPeriodWritesNothingAndChangesNothing) {
    OfferStepFour();
    st.ErgebnisAktiv = 1;
    OpenAdditionalCourses(st, v);
    v.Pick(ZusatzBox, 14);  // a selection without the change running
    const int writes = v.CellWrites();
    EnterCourse(st, v);
    ExpectOneBox(Box::Kind::Information, kOption);
    EXPECT_EQ(v.CellWrites(), writes);
    EXPECT_EQ(st.ZeitVon, 0);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Orange);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_TRUE(v.Get(WeiterBitBtn).enabled);
    EXPECT_EQ(st.ZusatzSchritt, 1);
}

TEST_F(AdditionalCourses, WeiterWhileThePanelIsOpenWritesNothingAndChangesNothing) {
    OfferStepFour();
    AddCourse(12, 1);  // Biologie in the second year: a period is known
    v.SetItemIndex(FspBox, -1);
    st.ErgebnisAktiv = 1;
    PickZusatz(0);  // Englisch, its period not yet chosen
    ASSERT_TRUE(PanelOpen());
    v.ClearBoxes();
    const int writes = v.CellWrites();
    EnterCourse(st, v);
    ExpectOneBox(Box::Kind::Information, kOption);
    EXPECT_EQ(v.CellWrites(), writes);
    EXPECT_TRUE(PanelOpen());
    EXPECT_FALSE(v.Get(GroupBox3).enabled);
    EXPECT_FALSE(v.Get(ZusatzBox).enabled);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Orange);

    EXPECT_EQ(v.Text(Gks), "");  // no evaluation either

    // Once the period is chosen the course goes in as usual, and the plan is evaluated.
    PickPeriod(0);
    v.ClearBoxes();
    EnterCourse(st, v);
    EXPECT_NE(v.BoxTexts().front(), kOption);
    EXPECT_EQ(v.Cell(2, Row(En)), "Z4");
    EXPECT_EQ(v.Cell(3, Row(En)), "Z4");
    EXPECT_NE(v.Text(Gks), "");
}

TEST_F(AdditionalCourses, WeiterEvaluatesThePlanOnlyOnceErgebnisHadTheFocus) {
    OfferStepFour();
    AddCourse(7, 0);
    EXPECT_EQ(v.Text(Gks), "");
    EXPECT_TRUE(v.Boxes().empty());

    st.ErgebnisAktiv = 1;
    AddCourse(7, 1);
    EXPECT_NE(v.Text(Gks), "");
    EXPECT_FALSE(v.Boxes().empty());  // the verdict
}

TEST_F(AdditionalCourses, EveryHandlerIsWiredToItsEvent) {
    const std::pair<Control, Event> wired[] = {{AuflagenBitBtn, Event::Click},
                                               {GroupBox3, Event::Click},
                                               {FZusatzkurseBitBtn, Event::Click},
                                               {WeiterBitBtn, Event::Click},
                                               {NaturBox, Event::Change},
                                               {KuMuBox, Event::Change},
                                               {PoBox, Event::Change},
                                               {GeBox, Event::Change},
                                               {ZusatzBox, Event::Change},
                                               {GroupBox3, Event::Enter}};
    for (const auto& [c, e] : wired) EXPECT_TRUE(Dispatch(form, c, e)) << ControlName(c);
    EXPECT_FALSE(Dispatch(form, DeBox, Event::Change));

    // The routes reach the right handlers.
    TestView fresh;
    ChoiceState s2;
    StartPlanner(s2, fresh);
    Form f2{s2, fresh, printer};
    Dispatch(f2, GroupBox3, Event::Enter);
    EXPECT_EQ(fresh.GetColour(GroupBox3), Colour::Orange);
    Dispatch(f2, AuflagenBitBtn, Event::Click);
    EXPECT_EQ(fresh.Cell(2, Row(Sf)), "2");
    fresh.Pick(ZusatzBox, 5);
    Dispatch(f2, ZusatzBox, Event::Change);
    EXPECT_EQ(s2.ZeitOffen[TwoHour::Ku], 1);
    fresh.Pick(RGZusatzkurse, 1);
    Dispatch(f2, FZusatzkurseBitBtn, Event::Click);
    EXPECT_EQ(s2.KursSpalte1[TwoHour::Ku], 4);
    Dispatch(f2, WeiterBitBtn, Event::Click);
    EXPECT_EQ(fresh.Cell(4, Row(Ku)), "Z2");
}

}  // namespace
}  // namespace belegix

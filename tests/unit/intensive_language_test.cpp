#include <gtest/gtest.h>

#include <string>

#include "core/choice_state.h"
#include "core/rules/events.h"
#include "core/rules/intensive_language.h"
#include "core/rules/steps.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using enum Control;
using enum Subject;
using test::Box;

const std::string kOption = "\nDu musst unbedingt eine Option auswählen!\n";
const std::string kQuestion = std::string("\n") +
                              " Hast Du bisher nur eine einzige Fremdsprache erlernt  " + "\n" +
                              " von der Klasse 6 oder 7 bis zur Klasse 9 oder 10?  " + "\n" +
                              " Dies kann (muss aber nicht) für Realschüler zutreffen!" + "\n" +
                              "\n" + " Für Gymnasialschüler gilt immer: Nein!";

// The reset window with step 0 switched on.
struct IntensiveStep : ::testing::Test {
    ChoiceState st;
    test::TestView v;

    IntensiveStep() {
        st.IntSchrittAktiv = 1;
        ResetPlan(st, v);
    }

    void Confirm(int index, DlgResult answer) {
        v.Pick(IntFSprComboBox, index);
        v.QueueAnswer(answer);
        ChooseIntensiveLanguage(st, v);
    }

    void ExpectRow(Subject s, const char* col1, const char* half) {
        EXPECT_EQ(v.Cell(1, Row(s)), col1) << SubjectKey(s);
        for (int col = 2; col <= 5; ++col) EXPECT_EQ(v.Cell(col, Row(s)), half) << SubjectKey(s);
    }

    void ExpectStepZeroClosedStepOneOpen() {
        EXPECT_EQ(v.GetColour(GroupBoxIntFSpr), Colour::Silver);
        EXPECT_FALSE(v.Get(IntFSprComboBox).enabled);
        EXPECT_FALSE(v.Get(IntFSprBitBtn).enabled);
        EXPECT_EQ(v.GetColour(ProfilRadioGroup), Colour::Orange);
        EXPECT_TRUE(v.Get(ProfilRadioGroup).enabled);
        EXPECT_TRUE(v.Get(ProfilBitBtn).enabled);
    }

    int IntSum() const { return st.Int[Fr] + st.Int[La] + st.Int[Sn]; }
};

TEST_F(IntensiveStep, ResetOpensStepZeroWithKeineSelected) {
    EXPECT_EQ(v.GetColour(GroupBoxIntFSpr), Colour::Orange);
    EXPECT_TRUE(v.Get(IntFSprBitBtn).enabled);
    EXPECT_EQ(v.ItemIndex(IntFSprComboBox), 3);
    EXPECT_EQ(v.Text(IntFSprComboBox), "keine");
}

TEST_F(IntensiveStep, KeineAsksNothingClearsTheFlagsAndBlanksTheRows) {
    // Flags and rows as a stale run could have left them.
    st.IntGewaehlt = 1;
    st.NurEineFs = 1;
    st.Int[La] = 1;
    v.SetCell(1, Row(La), "Int");
    ChooseIntensiveLanguage(st, v);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.IntGewaehlt, 0);
    EXPECT_EQ(st.NurEineFs, 0);
    EXPECT_EQ(IntSum(), 0);
    ExpectRow(Fr, "   ", "  ");
    ExpectRow(La, "   ", "  ");
    ExpectRow(Sn, "   ", "  ");
    // Other rows keep the reset's single blank.
    ExpectRow(En, " ", " ");
    ExpectRow(Ds, " ", " ");
    ExpectStepZeroClosedStepOneOpen();
}

TEST_F(IntensiveStep, LateinAndNo) {
    Confirm(1, DlgResult::No);

    ASSERT_EQ(v.Boxes().size(), 1u);
    EXPECT_EQ(v.Boxes()[0].kind, Box::Kind::Confirmation);
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::YesNo);
    EXPECT_EQ(v.Boxes()[0].text, kQuestion);
    EXPECT_EQ(st.Int[La], 1);
    EXPECT_EQ(st.Int[Fr] + st.Int[Sn], 0);
    EXPECT_EQ(st.IntGewaehlt, 1);
    EXPECT_EQ(st.NurEineFs, 0);
    ExpectRow(La, "Int", "4*");
    ExpectRow(Fr, " ", " ");
    ExpectRow(Sn, " ", " ");
    ExpectStepZeroClosedStepOneOpen();
}

TEST_F(IntensiveStep, FranzoesischAndYes) {
    Confirm(0, DlgResult::Yes);
    EXPECT_EQ(v.BoxTexts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(st.Int[Fr], 1);
    EXPECT_EQ(IntSum(), 1);
    EXPECT_EQ(st.IntGewaehlt, 1);
    EXPECT_EQ(st.NurEineFs, 1);
    ExpectRow(Fr, "Int", "4*");
    ExpectRow(La, " ", " ");
    ExpectStepZeroClosedStepOneOpen();
}

TEST_F(IntensiveStep, SpanischAndTheBoxClosedOtherwiseCountsAsNo) {
    Confirm(2, DlgResult::Closed);
    EXPECT_EQ(v.BoxTexts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(st.Int[Sn], 1);
    EXPECT_EQ(IntSum(), 1);
    EXPECT_EQ(st.IntGewaehlt, 1);
    EXPECT_EQ(st.NurEineFs, 0);
    ExpectRow(Sn, "Int", "4*");
    ExpectStepZeroClosedStepOneOpen();
}

TEST_F(IntensiveStep, TypedTextShowsTheMessageAndChangesNothing) {
    v.Type(IntFSprComboBox, "Russisch");
    const plan::WindowState before = v.window();
    const int repaints = v.Repaints(IntFSprComboBox);
    const int cellWrites = v.CellWrites();
    ChooseIntensiveLanguage(st, v);

    ASSERT_EQ(v.Boxes().size(), 1u);
    EXPECT_EQ(v.Boxes()[0].kind, Box::Kind::Information);
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    EXPECT_EQ(v.Boxes()[0].text, kOption);
    EXPECT_EQ(v.Repaints(IntFSprComboBox), repaints + 1);
    EXPECT_EQ(v.CellWrites(), cellWrites);
    EXPECT_EQ(st.IntGewaehlt + st.NurEineFs + IntSum(), 0);
    for (Control c : AllControls()) {
        const plan::ControlState& a = before.at(c);
        const plan::ControlState& b = v.Get(c);
        EXPECT_TRUE(a.text == b.text && a.index == b.index && a.enabled == b.enabled &&
                    a.colour == b.colour)
            << ControlName(c);
    }
    // The step stays open for another try.
    EXPECT_TRUE(v.Get(IntFSprBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBoxIntFSpr), Colour::Orange);
    v.ClearBoxes();
    Confirm(1, DlgResult::Yes);
    EXPECT_EQ(st.NurEineFs, 1);
}

TEST_F(IntensiveStep, ReopensStepOneAfterItWasConfirmed) {
    v.Pick(ProfilRadioGroup, 3);
    CloseStep(v, Step::Profile);
    Confirm(3, DlgResult::Yes);  // no question, the queued answer stays unused
    EXPECT_TRUE(v.Boxes().empty());
    ExpectStepZeroClosedStepOneOpen();
    EXPECT_EQ(v.ItemIndex(ProfilRadioGroup), 3);
}

TEST_F(IntensiveStep, ResetClearsTheLanguage) {
    Confirm(0, DlgResult::Yes);
    ResetPlan(st, v);
    EXPECT_EQ(st.IntGewaehlt + st.NurEineFs + IntSum(), 0);
    ExpectRow(Fr, " ", " ");
    EXPECT_TRUE(v.Get(IntFSprBitBtn).enabled);
}

TEST(StepZeroAndOneButtons, AreWiredToTheirHandlers) {
    test::NullPrinter printer;
    ChoiceState st;
    test::TestView v;
    st.IntSchrittAktiv = 1;
    ResetPlan(st, v);
    Form form{st, v, printer};

    v.Pick(IntFSprComboBox, 1);
    EXPECT_TRUE(Dispatch(form, IntFSprBitBtn, Event::Click));
    EXPECT_EQ(st.Int[La], 1);
    v.Pick(ProfilRadioGroup, 4);
    EXPECT_TRUE(Dispatch(form, ProfilBitBtn, Event::Click));
    EXPECT_EQ(v.Text(ProfilLabel), "Sportliches Profil");
    EXPECT_TRUE(v.Get(PFachBitBtn).enabled);
}

}  // namespace
}  // namespace belegix

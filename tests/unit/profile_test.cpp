#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/choice_state.h"
#include "core/rules/intensive_language.h"
#include "core/rules/profile.h"
#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using enum Control;
using Items = std::vector<std::string>;

// What a profile does beyond filling its lists (which come from the product's tables; the
// scenario profile_choice pins them word for word).
struct Expected {
    int lk1Selected;
    bool bextraEnabled;
    Control sp2;
};

Expected ExpectedFor(int profile) {
    const bool fixedP1 =
        profile == static_cast<int>(Profile::B) || profile == static_cast<int>(Profile::Sport);
    return {fixedP1 ? 0 : -1, fixedP1, profile == static_cast<int>(Profile::B) ? Label17 : Label16};
}

Items TextsOf(std::span<const ListItem> list) {
    Items texts;
    for (const ListItem& item : list) texts.emplace_back(item.text);
    return texts;
}

Items TextsOf(std::span<const items::BoxItem> list) {
    Items texts;
    for (const items::BoxItem& item : list) texts.emplace_back(item.text);
    return texts;
}

// The reset window with the design's items; `intensive` switches step 0 on before the reset.
struct Window {
    ChoiceState st;
    test::TestView view;

    explicit Window(bool intensive = false) {
        StartPlanner(st, view);
        if (intensive) {
            st.IntSchrittAktiv = 1;
            ResetPlan(st, view);
        }
    }
    void Confirm(int profile) {
        view.Pick(ProfilRadioGroup, profile);
        ConfirmProfile(st, view);
    }
};

// Every control except `except` and every grid cell are as in `before`.
void ExpectUnchanged(const plan::WindowState& before, const plan::WindowState& after,
                     Control except) {
    for (Control c : AllControls()) {
        if (c == except) continue;
        EXPECT_TRUE(before.at(c) == after.at(c)) << ControlName(c);
    }
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col)
            EXPECT_EQ(before.cells[row][col], after.cells[row][col]) << col << "," << row;
}

void ExpectMarked(const test::TestView& v, Control label, const char* caption) {
    EXPECT_EQ(v.Text(label), caption) << ControlName(label);
    EXPECT_EQ(v.Get(label).left, 6) << ControlName(label);
    EXPECT_EQ(v.Get(label).fontColour, Colour::Red) << ControlName(label);
}

void ExpectPlain(const test::TestView& v, Control label, const char* caption) {
    EXPECT_EQ(v.Text(label), caption) << ControlName(label);
    EXPECT_EQ(v.Get(label).left, 10) << ControlName(label);
    EXPECT_EQ(v.Get(label).fontColour, Colour::Navy) << ControlName(label);
}

void ExpectListsOf(const test::TestView& v, int profile, bool fromReset = true) {
    const Expected e = ExpectedFor(profile);
    EXPECT_EQ(v.Text(ProfilLabel), items::ItemOf(static_cast<Profile>(profile)).caption);
    for (Control box : {Lk1Box, Lk2Box, P3Box, P4Box, P5Box})
        EXPECT_EQ(v.Get(box).items, TextsOf(ExamList(static_cast<Profile>(profile), box)))
            << ControlName(box);
    const Items bextra = e.bextraEnabled ? TextsOf(items::kAdditionalObligation)
                                         : TextsOf(items::kAdditionalNotNeeded);
    EXPECT_EQ(v.Get(BExtraBox).items, bextra);
    EXPECT_EQ(v.ItemIndex(BExtraBox), 0);
    EXPECT_EQ(v.Text(BExtraBox), bextra[0]);
    // Profiles with the additional obligation leave the box as it was, which after a reset is
    // enabled.
    if (fromReset || !e.bextraEnabled) {
        EXPECT_EQ(v.Get(BExtraBox).enabled, e.bextraEnabled);
    }
}

class EachProfile : public ::testing::TestWithParam<int> {};

TEST_P(EachProfile, FillsListsMarksCorePositionsAndOpensStepTwo) {
    const int profile = GetParam();
    const Expected e = ExpectedFor(profile);
    Window w;
    w.Confirm(profile);
    const test::TestView& v = w.view;

    EXPECT_TRUE(v.Boxes().empty());
    ExpectListsOf(v, profile);

    // P1 and P2 or P3 are the core positions.
    ExpectMarked(v, Label15, "SP1");
    ExpectMarked(v, e.sp2, "SP2");
    if (e.sp2 == Label17) {
        ExpectPlain(v, Label16, "P2");
    } else {
        ExpectPlain(v, Label17, "P3");
    }

    // Only the fixed first subject is selected; the other boxes keep the reset's prompts.
    EXPECT_EQ(v.ItemIndex(Lk1Box), e.lk1Selected);
    EXPECT_EQ(v.Text(Lk1Box), e.lk1Selected == 0 ? v.Get(Lk1Box).items[0] : "1. Prüfungsfach (eA)");
    EXPECT_EQ(v.ItemIndex(Lk2Box), -1);
    EXPECT_EQ(v.Text(Lk2Box), "2. Prüfungsfach (eA)");
    EXPECT_EQ(v.ItemIndex(P3Box), -1);
    EXPECT_EQ(v.Text(P3Box), "3. Prüfungsfach (eA)");
    EXPECT_EQ(v.ItemIndex(P4Box), -1);
    EXPECT_EQ(v.Text(P4Box), "P4 (gA schriftlich)");
    EXPECT_EQ(v.ItemIndex(P5Box), -1);
    EXPECT_EQ(v.Text(P5Box), "P5 (gA mündlich)");

    // Step 1 closed, step 2 open; the profile stays selected.
    EXPECT_EQ(v.ItemIndex(ProfilRadioGroup), profile);
    EXPECT_EQ(v.GetColour(ProfilRadioGroup), Colour::Silver);
    EXPECT_FALSE(v.Get(ProfilRadioGroup).enabled);
    EXPECT_FALSE(v.Get(ProfilBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBox1), Colour::Orange);
    EXPECT_TRUE(v.Get(GroupBox1).enabled);
    EXPECT_TRUE(v.Get(PFachBitBtn).enabled);
    // Nothing of step 3 opens yet.
    EXPECT_FALSE(v.Get(GroupBox2).enabled);
    EXPECT_FALSE(v.Get(AuflagenBitBtn).enabled);
}

INSTANTIATE_TEST_SUITE_P(ConfirmProfile, EachProfile, ::testing::Range(0, 5));

TEST(ConfirmProfile, OnlyForeignLanguagesOfferLateinAndOnlyBasicLevelOffersReligion) {
    for (int profile = 0; profile < 5; ++profile) {
        Window w;
        w.Confirm(profile);
        for (Control box : {Lk1Box, Lk2Box, P3Box}) {
            for (const std::string& item : w.view.Get(box).items) {
                EXPECT_NE(item, "Latein") << profile;
                EXPECT_NE(item, "Religion") << profile;
                EXPECT_NE(item, "Informatik") << profile;
                EXPECT_NE(item, "Darst.Spiel") << profile;
            }
        }
    }
}

TEST(ConfirmProfile, NoProfileShowsTheMessageAndChangesNothingElse) {
    Window w;
    const plan::WindowState before = w.view.window();
    const int repaints = w.view.Repaints(ProfilRadioGroup);
    const ChoiceState stBefore = w.st;
    ConfirmProfile(w.st, w.view);

    ASSERT_EQ(w.view.Boxes().size(), 1u);
    EXPECT_EQ(w.view.Boxes()[0].kind, test::Box::Kind::Information);
    EXPECT_EQ(w.view.Boxes()[0].text, kOptionWaehlen);
    EXPECT_EQ(w.view.Boxes()[0].buttons, DlgButtons::Ok);
    EXPECT_EQ(w.view.Repaints(ProfilRadioGroup), repaints + 1);
    ExpectUnchanged(before, w.view.window(), ProfilRadioGroup);
    EXPECT_TRUE(before.at(ProfilRadioGroup) == w.view.Get(ProfilRadioGroup));
    EXPECT_EQ(w.st.GqKurse, stBefore.GqKurse);
    // Step 2 stays closed, step 1 open.
    EXPECT_FALSE(w.view.Get(GroupBox1).enabled);
    EXPECT_FALSE(w.view.Get(PFachBitBtn).enabled);
    EXPECT_TRUE(w.view.Get(ProfilBitBtn).enabled);
}

TEST(ConfirmProfile, SecondProfileAfterStepZeroLeavesTheFirstProfilesMark) {
    Window w{/*intensive=*/true};
    w.Confirm(0);
    ExpectMarked(w.view, Label16, "SP2");

    // Step 0 opens step 1 again without restoring the labels.
    ChooseIntensiveLanguage(w.st, w.view);
    EXPECT_TRUE(w.view.Get(ProfilBitBtn).enabled);
    EXPECT_EQ(w.view.GetColour(ProfilRadioGroup), Colour::Orange);
    w.Confirm(2);

    EXPECT_TRUE(w.view.Boxes().empty());
    ExpectListsOf(w.view, 2, /*fromReset=*/false);
    ExpectMarked(w.view, Label15, "SP1");
    ExpectMarked(w.view, Label16, "SP2");  // left from profile 0
    ExpectMarked(w.view, Label17, "SP2");
    EXPECT_EQ(w.view.ItemIndex(Lk1Box), 0);
    // Profile 0 disabled the box and profile 2 does not enable it.
    EXPECT_FALSE(w.view.Get(BExtraBox).enabled);
}

TEST(ConfirmProfile, ProfileWithoutExtraObligationAfterOneWithItDisablesTheBox) {
    Window w{/*intensive=*/true};
    w.Confirm(4);
    EXPECT_TRUE(w.view.Get(BExtraBox).enabled);
    ChooseIntensiveLanguage(w.st, w.view);
    w.Confirm(3);
    ExpectListsOf(w.view, 3, /*fromReset=*/false);
    // The "Sport" the sport profile selected went with its list.
    EXPECT_EQ(w.view.ItemIndex(Lk1Box), -1);
}

TEST(ConfirmProfile, ResetRestoresLabelsAndPrompts) {
    Window w;
    w.Confirm(2);
    ResetPlan(w.st, w.view);
    ExpectPlain(w.view, Label15, "P1");
    ExpectPlain(w.view, Label16, "P2");
    ExpectPlain(w.view, Label17, "P3");
    EXPECT_EQ(w.view.Text(ProfilLabel), "");
    w.Confirm(1);
    ExpectListsOf(w.view, 1);
    ExpectMarked(w.view, Label16, "SP2");
    ExpectPlain(w.view, Label17, "P3");
    EXPECT_EQ(w.view.Text(Lk1Box), "1. Prüfungsfach (eA)");
}

}  // namespace
}  // namespace belegix

// The plan's one door without a window: undo and redo by the record, the saved point, the
// limits at their boundaries, and random sessions that must replay from their file to the same
// plan.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/design.h"
#include "core/plan/limits.h"
#include "core/plan/planning.h"
#include "tests/support/plan_passes.h"

namespace belegix::plan {
namespace {

using enum Control;
using Outcome = Planning::Outcome;

// A person who answers every question box at random (or always the same way).
class Answers : public MessageBoxes {
  public:
    explicit Answers(unsigned seed) : random_(seed) {}
    DlgResult Show(const BoxRequest& box) override {
        return box.buttons[random_() % box.buttons.size()];
    }

  private:
    std::mt19937 random_;
};

// The plan apart from where the focus is and the clock.
bool SamePlan(const PlanState& a, const PlanState& b) {
    return a.st == b.st && a.window.controls == b.window.controls &&
           a.window.cells == b.window.cells && a.window.closed == b.window.closed;
}

PlanState StartPlan() {
    Planning p;
    p.Activate();
    return p.plan();
}

// Feeds `actions` as a person would do them, answering as the record says.
void Do(Planning& p, const std::vector<Action>& actions) {
    for (const Action& a : actions) {
        const auto r = p.Act(a);
        ASSERT_EQ(r.outcome, Outcome::Done) << ControlName(a.control) << ": " << r.reason;
    }
}

TEST(Door, UndoAcrossAResetOfAnEvaluatedPlanGivesThePlanBack) {
    Planning p;
    Do(p, test::PassB("Weber", "Anna", "Q1b", true));
    ASSERT_TRUE(p.Summarise().zulaessig);
    const PlanState evaluated = p.plan();
    ASSERT_EQ(p.Click(ResetBitBtn).outcome, Outcome::Done);
    EXPECT_FALSE(p.Summarise().zulaessig);
    EXPECT_EQ(p.UndoName(), "Zurücksetzen");
    ASSERT_TRUE(p.Undo());
    EXPECT_TRUE(SamePlan(p.plan(), evaluated));
    EXPECT_TRUE(p.Summarise().zulaessig);
}

TEST(Door, AnOpenedPlanUndoesBackToTheFirstActionAndTheSavedPointClearsUnsaved) {
    Planning saved;
    Do(saved, test::PassB("Weber", "Anna", "Q1b", true));
    Planning p;
    ASSERT_EQ(p.Open(saved.FileText("2026-12-08T10:00:00Z")).error, "");
    EXPECT_FALSE(p.Unsaved());
    EXPECT_TRUE(SamePlan(p.plan(), saved.plan()));
    const std::size_t steps = p.UndoCount();
    ASSERT_GT(steps, 10u);
    ASSERT_TRUE(p.Undo());
    EXPECT_TRUE(p.Unsaved());
    ASSERT_TRUE(p.Redo());
    EXPECT_FALSE(p.Unsaved());
    while (p.Undo()) {}
    EXPECT_TRUE(SamePlan(p.plan(), StartPlan()));
    EXPECT_TRUE(p.record().empty());
    EXPECT_EQ(p.RedoCount(), steps);
}

TEST(Door, ANewActionDropsTheStepsToRedo) {
    Planning p;
    p.Click(BitBtnHinweise);
    p.Pick(ProfilRadioGroup, 2);
    ASSERT_TRUE(p.Undo());
    ASSERT_EQ(p.RedoCount(), 1u);
    p.Pick(ProfilRadioGroup, 0);
    EXPECT_EQ(p.RedoCount(), 0u);
    EXPECT_FALSE(p.Redo());
}

TEST(Door, AnActionOnAnUnusableControlChangesNothing) {
    Planning p;
    p.Activate();
    const PlanState before = p.plan();
    // The intro screen covers every control but its button.
    for (Control c : AllControls()) {
        if (c == BitBtnHinweise) continue;
        EXPECT_EQ(p.Click(c).outcome, Outcome::Ignored) << ControlName(c);
        EXPECT_EQ(p.Focus(c).outcome, Outcome::Ignored) << ControlName(c);
    }
    EXPECT_TRUE(p.record().empty());
    EXPECT_EQ(p.plan(), before);
}

// The door up to step 2, where the exam boxes take typing.
Planning AtExamSubjects() {
    Planning p;
    p.Click(BitBtnHinweise);
    p.Pick(ProfilRadioGroup, 2);
    p.Click(ProfilBitBtn);
    return p;
}

TEST(Door, EveryFieldTakesItsLimitAndNotOneCharacterMore) {
    Planning p = AtExamSubjects();
    for (Control c : {Lk1Box, MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4}) {
        const std::size_t limit = FieldLimit(c);
        ASSERT_GT(limit, 0u);
        // The personal data are typed when printing; the door checks them before anything runs.
        const std::string full(limit, 'x');
        if (p.Usable(c)) {
            EXPECT_EQ(p.Type(c, full).outcome, Outcome::Done) << ControlName(c);
            EXPECT_EQ(p.Type(c, full + "y").outcome, Outcome::Refused) << ControlName(c);
            EXPECT_EQ(p.window().at(c).text, full);
        }
        EXPECT_EQ(TextProblem(c, full), "");
        EXPECT_NE(TextProblem(c, full + "y"), "");
        EXPECT_NE(TextProblem(c,
                              "a\x1b"
                              "b"),
                  "");
        EXPECT_NE(TextProblem(c, "a\u202Eb"), "");
        EXPECT_NE(TextProblem(c, "\xC3"), "");
    }
    // An edit between two characters that share their first byte keeps both whole in the file.
    p.Type(Lk1Box, "Mä");
    p.Type(Lk1Box, "Mö");
    const Opened reopened = Planning::Replayed(p.FileText("2026-12-08T10:00:00Z"));
    ASSERT_EQ(reopened.error, "");
    EXPECT_EQ(reopened.plan->window.at(Lk1Box).text, "Mö");
}

TEST(Door, LongTypingMakesASmallFileThatReopens) {
    Planning p = AtExamSubjects();
    std::string typed;
    for (int i = 0; i < 4200; ++i) {
        typed += static_cast<char>('a' + i % 26);
        ASSERT_EQ(p.Type(Lk1Box, typed).outcome, Outcome::Done);
    }
    const std::string file = p.FileText("2026-12-08T10:00:00Z");
    EXPECT_LT(file.size(), 100u * 1024);
    Planning reopened;
    ASSERT_EQ(reopened.Open(file).error, "");
    EXPECT_EQ(reopened.window().at(Lk1Box).text, typed);
    EXPECT_EQ(reopened.plan(), p.plan());
    // All the keystrokes are one step.
    ASSERT_TRUE(reopened.Undo());
    EXPECT_EQ(reopened.window().at(Lk1Box).text, AtExamSubjects().window().at(Lk1Box).text);
    EXPECT_EQ(reopened.UndoName(), "Profil bestätigen");
}

TEST(Door, APlanAtTheLimitOfAFileIsRefusedMoreAndItsFileStillOpens) {
    Planning p;
    p.Click(BitBtnHinweise);
    // Focus moves between two controls of step 1 until the door refuses one.
    Control next = ProfilRadioGroup;
    Planning::Result r;
    while ((r = p.Focus(next)).outcome == Outcome::Done)
        next = next == ProfilRadioGroup ? ProfilBitBtn : ProfilRadioGroup;
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_LE(p.record().size(), kMaxActions);
    EXPECT_EQ(p.Pick(ProfilRadioGroup, 1).outcome, Outcome::Refused);
    const std::string file = p.FileText("2026-12-08T10:00:00Z");
    EXPECT_LE(file.size(), kMaxFileBytes);
    const Opened reopened = Planning::Replayed(file);
    ASSERT_EQ(reopened.error, "");
    EXPECT_EQ(*reopened.plan, p.plan());
}

// A person doing random things on whatever can be used, answering questions at random.
void RandomSession(Planning& p, std::mt19937& random, int count) {
    std::vector<Control> controls(AllControls().begin(), AllControls().end());
    for (int done = 0; done < count && !p.window().closed;) {
        const Control c = controls[random() % controls.size()];
        if (!p.Usable(c)) continue;
        const design::Kind kind = design::Of(c).kind;
        switch (random() % 4) {
            case 0:
                if (kind != design::Kind::Button && kind != design::Kind::GroupBox) continue;
                p.Click(c);
                break;
            case 1: {
                const auto& items = p.window().at(c).items;
                if (!design::TakesPick(c) || items.empty()) continue;
                p.Pick(c, static_cast<int>(random() % items.size()));
                break;
            }
            case 2:
                if (!design::TakesTyping(c)) continue;
                p.Type(c, p.window().at(c).text + static_cast<char>('a' + random() % 3));
                break;
            default:
                p.Focus(c);
                break;
        }
        ++done;
    }
}

TEST(Door, RandomSessionsReplayFromTheirFileAndUndoToTheStart) {
    const PlanState start = StartPlan();
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Answers person(seed);
        NullPrintStream printer;
        Planning p(&person, &printer);
        std::mt19937 random(seed);
        RandomSession(p, random, 300);
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Opened replay = Planning::Replayed(p.FileText("2026-12-08T10:00:00Z"));
        ASSERT_EQ(replay.error, "");
        EXPECT_TRUE(replay.differences.empty());
        EXPECT_EQ(*replay.plan, p.plan());
        const PlanState end = p.plan();
        p.MarkSaved();
        const std::size_t steps = p.UndoCount();
        while (p.UndoCount() > 0) {
            ASSERT_TRUE(p.Undo());
            EXPECT_TRUE(p.Unsaved());
        }
        EXPECT_TRUE(SamePlan(p.plan(), start));
        while (p.Redo()) {}
        EXPECT_EQ(p.UndoCount(), steps);
        EXPECT_TRUE(SamePlan(p.plan(), end));
        EXPECT_FALSE(p.Unsaved());
    }
}

}  // namespace
}  // namespace belegix::plan

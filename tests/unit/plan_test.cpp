// The plan kept apart from the window: a whole pass replayed from its actions, the file written
// and read back, hand-edited and hostile files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/plan/plan.h"
#include "tests/support/plan_passes.h"

namespace belegix::plan {
namespace {

using test::Answered;
using test::Click;
using test::Enter;
using test::Pick;

Action Type(Control c, std::string text) {
    return test::Typed(c, std::move(text));
}

// A social-sciences student from the intro screen to the start of printing.
std::vector<Action> PassB() {
    using enum Control;
    return {Click(BitBtnHinweise),
            Pick(ProfilRadioGroup, 2),
            Click(ProfilBitBtn),
            Pick(Lk2Box, 1),
            Pick(P3Box, 0),
            Pick(P4Box, 8),
            Pick(P5Box, 11),
            Click(PFachBitBtn),
            Pick(DeBox, 0),
            Pick(KuMuBox, 0),
            Pick(RGZusatzkurse, 1),
            Click(FZusatzkurseBitBtn),
            Pick(ReWnBox, 1),
            Pick(SpBox, 0),
            Pick(BExtraBox, 2),
            Click(AuflagenBitBtn),
            Enter(ErgebnisBitBtn),
            Click(ErgebnisBitBtn),
            Enter(GroupBox3),
            Pick(ZusatzBox, 5),
            Pick(RGZusatzkurse, 1),
            Click(FZusatzkurseBitBtn),
            Click(WeiterBitBtn),
            Answered(Click(DruckenBitBtn), DlgResult::Yes),
            Type(MaskEdit1, "We;b\"er")};
}

TEST(PlanFile, AWholePassSurvivesWritingAndReading) {
    const ReplayResult replay = Replay(PassB());
    ASSERT_TRUE(replay.plan) << replay.error;
    const Summary summary = Summarise(*replay.plan);
    EXPECT_TRUE(summary.zulaessig);
    EXPECT_EQ(summary.name, "We;b\"er");
    EXPECT_FALSE(summary.urteil.empty());
    EXPECT_EQ(summary.stunden[0] + summary.stunden[1] + summary.stunden[2] + summary.stunden[3],
              136);

    const std::string text = WritePlan(PassB(), *replay.plan, "2026-12-08T08:00:00Z");
    const Opened opened = OpenText(text);
    ASSERT_TRUE(opened.error.empty()) << opened.error;
    EXPECT_TRUE(opened.differences.empty());
    EXPECT_EQ(opened.file->actions, PassB());
    EXPECT_TRUE(*opened.plan == *replay.plan);
    EXPECT_EQ(opened.replayed, summary);
}

TEST(PlanFile, AHandEditedSummaryIsReplacedByTheRulesAnswer) {
    const ReplayResult replay = Replay(PassB());
    ASSERT_TRUE(replay.plan);
    std::string text = WritePlan(PassB(), *replay.plan, "2026-12-08T08:00:00Z");
    const std::string was = "\"zulaessig\":true";
    ASSERT_NE(text.find(was), std::string::npos);
    text.replace(text.find(was), was.size(), "\"zulaessig\":false");
    const Opened opened = OpenText(text);
    ASSERT_TRUE(opened.error.empty()) << opened.error;
    ASSERT_EQ(opened.differences.size(), 1u);
    EXPECT_EQ(opened.differences[0].figure, "zulässig");
    EXPECT_EQ(opened.differences[0].stored, "nein");
    EXPECT_TRUE(opened.replayed.zulaessig);
}

TEST(PlanFile, EveryKindOfBadFileIsRefusedWithAReason) {
    const ReplayResult replay = Replay(PassB());
    ASSERT_TRUE(replay.plan);
    const std::string good = WritePlan(PassB(), *replay.plan, "2026-12-08T08:00:00Z");
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string t = good;
        const auto at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) t.replace(at, from.size(), to);
        return t;
    };
    const std::vector<std::string> bad = {
        "",
        "kein JSON",
        good.substr(0, good.size() / 2),
        "{\"format\": \"etwas anderes\"}",
        "[1, 2, 3]",
        replaced("\"formatVersion\": 2", "\"formatVersion\": 3"),
        replaced("\"control\":\"Lk2Box\"", "\"control\":\"Lk9Box\""),
        replaced("\"index\":11", "\"index\":99"),
        replaced("\"index\":11", "\"index\":\"11\""),
        // The question before printing left without an answer.
        replaced("\"Yes\"", ""),
        // Clicking a button of a closed step.
        replaced("\"control\":\"ProfilBitBtn\"", "\"control\":\"PFachBitBtn\""),
        std::string(100000, '[') + std::string(100000, ']'),
        "{\"format\": \"belegix-plan\", \"formatVersion\": 1, \"actions\": " +
            std::string(20, '[') + std::string(20, ']') + "}",
        std::string(kMaxFileBytes + 1, ' '),
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const Opened opened = OpenText(bad[i]);
        EXPECT_FALSE(opened.error.empty()) << "bad file " << i;
        EXPECT_FALSE(opened.plan) << "bad file " << i;
    }
}

TEST(PlanFile, TheProposedNameComesFromThePersonalData) {
    EXPECT_EQ(ProposedFileName("", ""), "Kurswahl.belegix");
    EXPECT_EQ(ProposedFileName(" Müller-Lüdenscheidt ", "Anna Lena"),
              "Kurswahl_Müller-Lüdenscheidt_Anna_Lena.belegix");
    EXPECT_EQ(ProposedFileName("../../etc/passwd", "a/b"), "Kurswahl_etc_passwd_a_b.belegix");
}

}  // namespace
}  // namespace belegix::plan

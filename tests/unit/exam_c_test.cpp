#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/rules/exam_checks.h"
#include "core/rules/exam_frame.h"
#include "tests/support/exam_support.h"

namespace belegix {
namespace {

using namespace test;
using enum Control;
using enum Subject;
using Kind = Box::Kind;

// List positions of profile C.
namespace lk1 {
constexpr int Bi = 0, Ch = 1, Ph = 2;
}
namespace lk2 {
constexpr int Ma = 0, Bi = 1, Ch = 2, Ph = 3;
}
namespace p3 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3, Ku = 4, Mu = 5, Ek = 6, Ge = 7, Po = 8;
}
namespace p4 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ek = 5, Ge = 6, Po = 7, Re = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12, If = 13;
}
namespace p5 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ds = 5, Ek = 6, Ge = 7, Po = 8, Re = 9,
              Ma = 10, Bi = 11, Ch = 12, Ph = 13, If = 14;
}

const std::string kFelderC = "Auflagen beachten: Es wurden nicht alle Aufgabenfelder abgedeckt.";
const std::string kKernC(exam::kKernTextZwei);

// The product's text; the exam_c scenario pins it word for word.
std::string LongTextC() {
    return std::string(kGqTextC);
}

struct ProfileC : ExamTest<Profile::C> {};

TEST_F(ProfileC, TheP1ScienceLeavesTheScienceObligationOpen) {
    Run(lk1::Ph, lk2::Ma, p3::De, p4::En, p5::Ge);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 32);  // 30 + 2 for Geschichte
    EXPECT_EQ(st.PFach[Ph] + st.PKurs[Ph], 2);
    EXPECT_EQ(st.Aufgabenfeld[Field::C], 1);
    EXPECT_EQ(v.Cell(1, Row(Ph)), "P1");
    EXPECT_EQ(v.Cell(1, Row(Ma)), "P2");
    EXPECT_EQ(v.Cell(1, Row(De)), "P3");
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 0);
    EXPECT_EQ(v.ItemIndex(NaturBox), -1);
    EXPECT_TRUE(v.Get(NaturBox).enabled);
    EXPECT_TRUE(Met(MaBox, 1));
    EXPECT_TRUE(Met(DeBox, 1));
    EXPECT_TRUE(Met(GeBox, 1));
    // Englisch at P4 meets the language obligation at once.
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra] + st.Erfuellt[Obligation::KuMuZusatz], 2);
    EXPECT_EQ(st.FelderOk + st.KernOk, 2);
    // No additional obligation: the box stays as step 1 left it.
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Brauchst Du nicht!"});
}

TEST_F(ProfileC, ASecondScienceAtP2MeetsTheScienceObligation) {
    Run(lk1::Bi, lk2::Ch, p3::De, p4::En, p5::Po);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 1);
    EXPECT_TRUE(Met(NaturBox, 4));
    EXPECT_EQ(v.Text(NaturBox), "bereits erfüllt");
    EXPECT_EQ(st.GqKurse, 32);
}

TEST_F(ProfileC, InformatikMeetsTheScienceObligationAndAddsNothing) {
    // 30 + 4 for Erdkunde; Informatik at P5 adds nothing.
    Run(lk1::Ph, lk2::Ma, p3::De, p4::Ek, p5::If);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.P5[If] + st.PFach[If] + st.PKurs[If], 3);
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 1);
    EXPECT_TRUE(Met(NaturBox, 4));
}

TEST_F(ProfileC, InformatikAtP4Likewise) {
    // 30 + 2 (Religion).
    Run(lk1::Ch, lk2::Ma, p3::De, p4::If, p5::Re);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 32);
    EXPECT_EQ(st.P4[If], 1);
    EXPECT_TRUE(Met(NaturBox, 4));
    EXPECT_TRUE(Met(ReWnBox, 2));
}

TEST_F(ProfileC, TwoLanguagesWithoutAnIntensiveLanguageAddFour) {
    // 30 + 2 (Geschichte) + 4.
    Run(lk1::Bi, lk2::Ma, p3::En, p4::Fr, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.GqKurse, 36);
}

TEST_F(ProfileC, TwoLanguagesBesideAnIntensiveLanguageAddTwoInstead) {
    // Latein intensive and no exam subject: + 2 by the intensive rule, no + 4.
    Intensive(La, 0);
    Run(lk1::Bi, lk2::Ma, p3::En, p4::Fr, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileC, IntensiveLanguageMeetsTheLanguageObligation) {
    // Französisch intensive, answers differ: the Französisch term does not count, and
    // Spanisch and Latein are neither intensive nor exam subjects.
    Intensive(Fr, 0);
    Run(lk1::Bi, lk2::Ma, p3::De, p4::Ge, p5::Po);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 0);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.GqKurse, 34);  // 30 + 2 + 2
}

TEST_F(ProfileC, IntensiveRuleCountsAnExamLanguageThatIsNotTheIntensiveOne) {
    // Französisch intensive, Spanisch an exam subject: Int[Sn] differs from PFach[Sn].
    Intensive(Fr, 0);
    Run(lk1::Bi, lk2::Ma, p3::De, p4::Sn, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);  // 30 + 2 (Geschichte) + 2
}

TEST_F(ProfileC, IntensiveFranzoesischCountsWhenTheAnswersAgree) {
    Intensive(Fr, 1);
    Run(lk1::Bi, lk2::Ma, p3::De, p4::Ge, p5::Po);
    EXPECT_EQ(st.GqKurse, 36);  // 30 + 2 + 2 + 2
}

TEST_F(ProfileC, CoreSubjectsMissingAndThirtyEightGiveBothMessagesThenTheReset) {
    // All task fields covered; 30 + 4 (Erdkunde) + 2 (Religion) + 2 (Darst.Spiel) = 38.
    Run(lk1::Ph, lk2::Bi, p3::Ek, p4::Re, p5::Ds);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKernC}, {Kind::Information, LongTextC()}}));
    EXPECT_EQ(v.Boxes()[1].buttons, DlgButtons::Ok);
    ASSERT_EQ(v.seen.size(), 2u);
    EXPECT_EQ(v.seen[0].FelderOk, 1);
    EXPECT_EQ(v.seen[1].GqKurse, 38);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileC, ThirtyEightAloneIsRefusedWithTheLongText) {
    // 30 + 4 (two languages) + 4 (Erdkunde).
    Run(lk1::Ph, lk2::Ma, p3::En, p4::Fr, p5::Ek);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextC()}}));
    EXPECT_EQ(v.seen[0].GqKurse, 38);
    EXPECT_EQ(v.seen[0].KernOk + v.seen[0].FelderOk, 2);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileC, TaskFieldTextEndsInAFullStop) {
    Run(lk1::Bi, lk2::Ma, p3::De, p4::En, p5::Ma);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelderC}}));
    EXPECT_EQ(v.seen[0].Aufgabenfeld[Field::B], 0);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileC, MessageOrderIntensiveTaskFieldCoreLimit) {
    // Spanisch is refused at P3; Religion and Erdkunde leave field A uncovered; no core
    // subject; 30 + 4 + 2 + 2 (Spanisch intensive, no exam subject) = 38.
    Intensive(Sn, 0);
    Run(lk1::Ph, lk2::Bi, p3::Sn, p4::Ek, p5::Re);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensiv},
                                    {Kind::Plain, kFelderC},
                                    {Kind::Plain, kKernC},
                                    {Kind::Information, LongTextC()}}));
    EXPECT_EQ(v.seen[3].GqKurse, 38);
    EXPECT_EQ(v.seen[3].Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Int[Sn] + st.IntGewaehlt, 0);
}

TEST_F(ProfileC, EmptyBoxesGiveTaskFieldThenCoreSubjectTextThenReset) {
    Run(-1, -1, -1, -1, -1);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelderC}, {Kind::Plain, kKernC}}));
    EXPECT_TRUE(w.LooksReset());
}

}  // namespace
}  // namespace belegix

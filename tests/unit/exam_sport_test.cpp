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

// List positions of the sport profile.
namespace lk2 {
constexpr int Bi = 0, Ch = 1, Ph = 2;
}
namespace p3 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3, Ek = 4, Ge = 5, Po = 6, Ma = 7;
}
namespace p4 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ek = 5, Ge = 6, Po = 7, Re = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12;
}
namespace p5 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ds = 5, Ek = 6, Ge = 7, Po = 8, Re = 9,
              Ma = 10, Bi = 11, Ch = 12, Ph = 13;
}

const std::string kIntensivFr =
    "Eine Intensivsprache kann nicht als P2- oder P3-Fach  gewählt werden!";
const std::string kIntensivSn =
    "Eine Intensivsprache kann nicht als P2- oder P3-Fach gewählt werden!";
const std::string kKernSport(exam::kKernTextZwei);

// The product's text; the exam_sport scenario pins it word for word.
std::string LongTextSport() {
    return std::string(kGqTextSport);
}

const std::vector<std::string> kBereits = {"Bereits erfüllt!"};

struct ProfileSport : ExamTest<Profile::Sport> {
    // P1 is left as the window has it: this check never reads `Lk1Box`.
    void Run(int b, int c, int d, int e) { ExamTest::Run(-1, b, c, d, e); }
};

TEST_F(ProfileSport, SportIsP1AndTheLanguageObligationIsShownAfterReading) {
    // 32 + 2 for Geschichte.
    Run(lk2::Bi, p3::De, p4::En, p5::Ge);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.PFach[Sp] + st.PKurs[Sp] + st.Erfuellt[Obligation::Sp], 3);
    EXPECT_TRUE(Met(SpBox, 2));
    EXPECT_EQ(v.Text(SpBox), "bereits erfüllt");
    EXPECT_EQ(v.Cell(1, 19), "P1");
    EXPECT_EQ(v.Cell(1, Row(Bi)), "P2");
    EXPECT_EQ(v.Cell(1, Row(De)), "P3");
    EXPECT_TRUE(Met(NaturBox, 4));
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.FspZahlSport, 1);
    EXPECT_EQ(st.NwZahlZusatz, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.P4[En] + st.P5[Ge], 2);
    EXPECT_EQ(st.FelderOk + st.KernOk, 2);
    EXPECT_TRUE(ExtraOpen());
}

TEST_F(ProfileSport, EmptyBoxesSportCoversNoTaskField) {
    Run(-1, -1, -1, -1);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKernSport}}));
    const ChoiceState& at = v.seen[0];
    EXPECT_EQ(at.Aufgabenfeld[Field::A] + at.Aufgabenfeld[Field::B] + at.Aufgabenfeld[Field::C], 0);
    EXPECT_EQ(at.PFach[Sp], 1);
    EXPECT_EQ(at.GqKurse, 32);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileSport, EnglischAndFranzoesischMeetTheAdditionalObligationAndAddFour) {
    // 32 + 2 (Geschichte) + 4 (two languages) = 38, after the core-subject message.
    Run(lk2::Bi, p3::En, p4::Fr, p5::Ge);

    EXPECT_EQ(ShownBoxes(v),
              (Shown{{Kind::Plain, kKernSport}, {Kind::Information, LongTextSport()}}));
    ASSERT_EQ(v.seen.size(), 2u);
    EXPECT_EQ(v.seen[0].GqKurse, 34);
    EXPECT_EQ(v.seen[1].GqKurse, 38);
    EXPECT_EQ(v.seen[1].FspZahlSport, 2);
    EXPECT_EQ(v.seen[1].Erfuellt[Obligation::BExtra], 1);
    // The reset leaves the box's items for the next profile choice to replace.
    EXPECT_EQ(v.Get(BExtraBox).items, kBereits);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileSport, TwoSciencesMeetTheAdditionalObligationWithoutAddingAnything) {
    Run(lk2::Bi, p3::De, p4::Ch, p5::En);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}}));
    EXPECT_EQ(v.seen[0].NwZahlZusatz, 2);
    EXPECT_EQ(v.seen[0].GqKurse, 32);
    EXPECT_EQ(v.seen[0].Erfuellt[Obligation::BExtra], 1);
    EXPECT_EQ(v.Get(BExtraBox).items, kBereits);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileSport, IntensiveTextsDifferInTheirBlanks) {
    Intensive(Fr, 0);
    Run(lk2::Bi, p3::Fr, p4::De, p5::Ge);
    // Without the refused language only Deutsch is a core subject.
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensivFr}, {Kind::Plain, kKernSport}}));
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    EXPECT_EQ(v.seen[0].PFach[Fr] + v.seen[0].FspZahl + v.seen[0].FspZahlSport, 0);
    EXPECT_TRUE(w.LooksReset());

    ExamWindow other{Profile::Sport};
    other.st.Int[Sn] = 1;
    other.st.IntGewaehlt = 1;
    other.Choose(-1, lk2::Bi, p3::Sn, p4::De, p5::Ge);
    CheckExamSubjects(other.st, other.view);
    EXPECT_EQ(ShownBoxes(other.view),
              (Shown{{Kind::Information, kIntensivSn}, {Kind::Plain, kKernSport}}));
    EXPECT_TRUE(other.LooksReset());
}

TEST_F(ProfileSport, EnglischBesideAnIntensiveLanguageFirstMeetsThenDropsTheObligation) {
    // Latein intensive, no exam subject: + 2; Geschichte + 2.
    Intensive(La, 0);
    w.Choose(-1, lk2::Bi, p3::En, p4::Ge, p5::De);
    CheckProfilSport(st, v);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(v.Get(BExtraBox).items, kBereits);
    EXPECT_FALSE(v.Get(BExtraBox).enabled);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 1);

    ZusatzauflageNichtNoetig(st, v);
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Brauchst Du nicht!"});
    EXPECT_EQ(v.Text(BExtraBox), "Brauchst Du nicht!");
    EXPECT_FALSE(v.Get(BExtraBox).enabled);
}

TEST_F(ProfileSport, TheClickEndsWithBrauchstDuNicht) {
    Intensive(La, 0);
    Run(lk2::Bi, p3::En, p4::Ge, p5::De);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Brauchst Du nicht!"});
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileSport, IntensiveLateinAloneLeavesTheLanguageObligationOpen) {
    Intensive(La, 0);
    Run(lk2::Bi, p3::De, p4::Ge, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);  // 32 + 2 + 2
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 0);
    EXPECT_EQ(v.ItemIndex(FspBox), -1);
    EXPECT_TRUE(v.Get(FspBox).enabled);
    EXPECT_TRUE(ExtraOpen());
}

TEST_F(ProfileSport, IntensiveFranzoesischAloneMeetsIt) {
    // Answers differ: no + 2 for Französisch.
    Intensive(Fr, 0);
    Run(lk2::Bi, p3::De, p4::Ge, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    // No language course beside it: the additional obligation stays.
    EXPECT_TRUE(ExtraOpen());
}

TEST_F(ProfileSport, IntensiveLanguageIsAcceptedAtP4) {
    Intensive(Sn, 1);
    Run(lk2::Ph, p3::De, p4::Sn, p5::Po);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.P4[Sn], 1);
    // One language with an intensive language meets the additional obligation; Spanisch at P4
    // keeps it from being dropped.
    EXPECT_EQ(v.Get(BExtraBox).items, kBereits);
    EXPECT_EQ(st.GqKurse, 34);  // 32 + 2 (Politik-W.); Spanisch is an exam subject
}

TEST_F(ProfileSport, ThirtyEightWithoutAFailureIsRefusedOnce) {
    // 32 + 4 (Erdkunde) + 2 (intensive Latein, no exam subject).
    Intensive(La, 0);
    Run(lk2::Ch, p3::Ek, p4::De, p5::Ma);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextSport()}}));
    EXPECT_EQ(v.seen[0].GqKurse, 38);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileSport, ThirtySixPasses) {
    Run(lk2::Ch, p3::Ek, p4::De, p5::Ma);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);
}

TEST_F(ProfileSport, MessageOrderIntensiveTaskFieldCoreLimit) {
    // Französisch refused; Erdkunde and Religion leave field A open; no core subject;
    // 32 + 4 + 2 + 2 (Französisch intensive, answers agree, no exam subject) = 40.
    Intensive(Fr, 1);
    Run(lk2::Bi, p3::Fr, p4::Ek, p5::Re);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensivFr},
                                    {Kind::Plain, kFelder},
                                    {Kind::Plain, kKernSport},
                                    {Kind::Information, LongTextSport()}}));
    EXPECT_EQ(v.seen[3].GqKurse, 40);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Int[Fr] + st.IntGewaehlt + st.NurEineFs, 0);
}

}  // namespace
}  // namespace belegix

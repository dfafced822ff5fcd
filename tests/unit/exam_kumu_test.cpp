#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/exam_checks.h"
#include "tests/support/exam_support.h"

namespace belegix {
namespace {

using namespace test;
using enum Control;
using enum Subject;
using Kind = Box::Kind;

// List positions of the arts profile; P4 and P5 hold the same list.
namespace lk1 {
constexpr int Ku = 0, Mu = 1;
}
namespace lk2 {
constexpr int De = 0, Ma = 1;
}
namespace p3 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3, Ku = 4, Mu = 5, Ek = 6, Ge = 7, Po = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12;
}
namespace p45 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ek = 5, Ge = 6, Po = 7, Re = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12, If = 13;
}

const std::string kKunst =
    "Im künstlerisch-musischen Profil mit Kunst als P1-Fach musst Du zwei Kurse in MUSIK oder DS "
    "zusätzlich einbringen!";
const std::string kMusik =
    "Im künstlerisch-musischen Profil mit Musik als P1-Fach musst Du zwei Kurse in KUNST oder DS "
    "zusätzlich einbringen!";

// The product's text; the exam_kumu scenario pins it word for word.
std::string LongTextKuMu() {
    return std::string(kGqTextKuMu);
}

struct ProfileKuMu : ExamTest<Profile::KuMu> {};

TEST_F(ProfileKuMu, KunstWithoutSecondArtsSubjectRemindsAndIsAccepted) {
    // Something had selected and disabled the arts box: P1 Kunst opens it again, empty.
    v.Pick(KuMuBox, 3);
    v.SetEnabled(KuMuBox, false);
    Run(lk1::Ku, lk2::De, p3::Ek, p45::Fr, p45::Bi);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}}));
    // 30 + 4 (Erdkunde) + 2 (Französisch is no intensive language).
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.PFach[Ku] + st.PKurs[Ku], 2);
    EXPECT_EQ(st.Erfuellt[Obligation::KuMu], 1);
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 0);
    EXPECT_EQ(v.ItemIndex(KuMuBox), -1);
    EXPECT_TRUE(v.Get(KuMuBox).enabled);
    EXPECT_EQ(v.Cell(1, Row(Ku)), "P1");
    EXPECT_EQ(v.Cell(1, Row(De)), "P2");
    EXPECT_EQ(v.Cell(1, Row(Ek)), "P3");
    EXPECT_EQ(st.P4[Fr] + st.P5[Bi], 2);
    // The language at P4 meets its obligation at once.
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_TRUE(Met(DeBox, 1));
    EXPECT_TRUE(Met(NaturBox, 4));
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 1);
    EXPECT_EQ(st.FelderOk, 1);
    EXPECT_EQ(st.KernOk, 1);
    EXPECT_EQ(st.NwZahl, 0);
    EXPECT_EQ(v.ItemIndex(ProfilRadioGroup), 1);
    EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBox2), Colour::Orange);
}

TEST_F(ProfileKuMu, EnglishInsteadOfFrenchBringsNothingExtra) {
    Run(lk1::Ku, lk2::De, p3::Ek, p45::En, p45::Bi);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}}));
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
}

TEST_F(ProfileKuMu, MusikWithKunstAtP3NeedsNoReminder) {
    Run(lk1::Mu, lk2::Ma, p3::Ku, p45::En, p45::Ge);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);  // 30 + 2 (Kunst at P3) + 2 (Geschichte)
    EXPECT_EQ(st.Erfuellt[Obligation::KuMu], 1);
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 1);
    EXPECT_TRUE(Met(KuMuBox, 3));
    EXPECT_EQ(v.Text(KuMuBox), "bereits erfüllt");
    EXPECT_EQ(v.Cell(1, Row(Mu)), "P1");
    EXPECT_EQ(v.Cell(1, Row(Ma)), "P2");
    EXPECT_EQ(v.Cell(1, Row(Ku)), "P3");
    EXPECT_EQ(st.PFach[Ku] + st.PKurs[Ku] + st.PFach[Mu] + st.PKurs[Mu], 4);
    EXPECT_TRUE(Met(MaBox, 1));
    EXPECT_TRUE(Met(GeBox, 1));
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileKuMu, KunstTwiceCountsAsTheSecondArtsSubject) {
    Run(lk1::Ku, lk2::De, p3::Ku, p45::Ma, p45::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 1);
    EXPECT_TRUE(Met(KuMuBox, 3));
    EXPECT_EQ(v.Cell(1, Row(Ku)), "P3");
}

TEST_F(ProfileKuMu, TwoLanguagesAddFourCountedPerBox) {
    // 30 + 2 (Geschichte) + 4 (two languages); Englisch twice brings no intensive-rule two.
    Run(lk1::Ku, lk2::Ma, p3::Ge, p45::En, p45::En);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}}));
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(st.P4[En] + st.P5[En], 2);
}

TEST_F(ProfileKuMu, OverTheLimitAfterTheReminder) {
    // 30 + 4 (two languages) + 2 (Französisch) + 2 (Geschichte) = 38.
    Run(lk1::Ku, lk2::Ma, p3::En, p45::Fr, p45::Ge);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}, {Kind::Information, LongTextKuMu()}}));
    EXPECT_EQ(v.Boxes()[1].buttons, DlgButtons::Ok);
    EXPECT_EQ(v.seen[1].GqKurse, 38);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Erfuellt[Obligation::KuMu] + st.Erfuellt[Obligation::Fsp], 0);
}

TEST_F(ProfileKuMu, MusikReminderThenLimit) {
    Run(lk1::Mu, lk2::De, p3::Ek, p45::Ek, p45::Ma);  // 30 + 4 + 4
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kMusik}, {Kind::Information, LongTextKuMu()}}));
    EXPECT_EQ(v.seen[1].GqKurse, 38);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileKuMu, ThreeLanguagesAddNothingAndAFailureNeverReachesTheLimit) {
    Run(lk1::Ku, lk2::Ma, p3::En, p45::Fr, p45::La);  // no task field B
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKunst}}));
    EXPECT_EQ(v.seen[0].FspZahl, 3);
    EXPECT_EQ(v.seen[0].GqKurse, 32);  // only the intensive-language rule
    EXPECT_EQ(v.seen[0].FelderOk, 0);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 0);
}

TEST_F(ProfileKuMu, EmptyBoxesGiveTaskFieldAndCoreSubjectTexts) {
    CheckExamSubjects(st, v);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKern}}));
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileKuMu, ReminderComesBeforeTheCoreSubjectText) {
    Run(lk1::Ku, -1, p3::Ek, p45::Bi, p45::Ge);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}, {Kind::Plain, kKern}}));
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileKuMu, IntensiveLanguageAtP3IsRefused) {
    st.Int[Fr] = 1;
    st.IntGewaehlt = 1;
    Run(lk1::Ku, lk2::De, p3::Fr, p45::Ma, p45::Ge);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensiv}, {Kind::Plain, kKunst}}));
    EXPECT_EQ(v.seen[0].PFach[Fr], 0);
    EXPECT_EQ(v.seen[0].Erfuellt[Obligation::Fsp], 0);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Int[Fr] + st.IntGewaehlt, 0);
}

TEST_F(ProfileKuMu, IntensiveLanguageAtP4IsAccepted) {
    st.Int[Sn] = 1;
    st.IntGewaehlt = 1;
    Run(lk1::Ku, lk2::De, p3::Ek, p45::Sn, p45::Bi);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}}));
    EXPECT_EQ(st.P4[Sn], 1);
    EXPECT_EQ(st.GqKurse, 34);  // the answers of step 0 differ: no intensive-rule two
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileKuMu, IntensiveLanguageMeetsTheLanguageObligation) {
    st.Int[Fr] = 1;
    st.IntGewaehlt = 1;
    st.NurEineFs = 1;
    Run(lk1::Mu, lk2::De, p3::Ek, p45::Ma, p45::Bi);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kMusik}}));
    EXPECT_EQ(st.FspZahl, 0);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    // 30 + 4 (Erdkunde) + 2 (Französisch is the intensive language but no exam subject).
    EXPECT_EQ(st.GqKurse, 36);
}

TEST_F(ProfileKuMu, NoLanguageAndNoIntensiveLanguageLeavesTheObligationOpen) {
    Run(lk1::Ku, lk2::De, p3::Ma, p45::Re, p45::Ph);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKunst}}));
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 0);
    EXPECT_TRUE(v.Get(FspBox).enabled);
    EXPECT_EQ(st.GqKurse, 32);
    EXPECT_TRUE(Met(ReWnBox, 2));
}

}  // namespace
}  // namespace belegix

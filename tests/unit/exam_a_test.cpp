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

// List positions of profile A.
namespace lk1 {
constexpr int En = 0, Fr = 1, Sn = 2;
}
namespace lk2 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3;
}
namespace p3 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3, Ku = 4, Mu = 5, Ek = 6, Ge = 7, Po = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12;
}
namespace p4 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ek = 5, Ge = 6, Po = 7, Re = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12, If = 13;
}
namespace p5 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ds = 5, Ek = 6, Ge = 7, Po = 8, Re = 9,
              Ma = 10, Bi = 11, Ch = 12, Ph = 13, If = 14;
}

const std::string kDrei =
    "Es dürfen nicht drei Fremdsprachen als P1-, P2- oder P3-Fach gewählt werden";

// The product's text; the exam_a scenario pins it word for word.
std::string LongTextA() {
    return std::string(kGqTextA);
}

struct ProfileA : ExamTest<Profile::A> {};

TEST_F(ProfileA, AcceptedChoiceMarksSubjectsObligationsAndOpensStepThree) {
    Run(lk1::En, lk2::De, p3::Ek, p4::Ge, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    // 30 + 4 (Erdkunde) + 2 (Geschichte).
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.NwZahl, 0);
    for (Subject s : {En, De, Ek, Ge, Ma}) {
        EXPECT_EQ(st.PFach[s], 1) << SubjectKey(s);
        EXPECT_EQ(st.PKurs[s], 1) << SubjectKey(s);
    }
    EXPECT_EQ(st.PFach[Fr] + st.PKurs[Bi], 0);
    EXPECT_EQ(v.Cell(1, Row(En)), "P1");
    EXPECT_EQ(v.Cell(1, Row(De)), "P2");
    EXPECT_EQ(v.Cell(1, Row(Ek)), "P3");
    EXPECT_EQ(v.Cell(1, Row(Ge)), " ");
    EXPECT_EQ(v.Cell(1, Row(Ma)), " ");
    EXPECT_EQ(st.P4[Ge], 1);
    EXPECT_EQ(st.P5[Ma], 1);
    EXPECT_EQ(st.P4[Ma] + st.P5[Ge] + st.P4[Ek], 0);
    EXPECT_EQ(st.Aufgabenfeld[Field::A] + st.Aufgabenfeld[Field::B] + st.Aufgabenfeld[Field::C], 3);
    EXPECT_EQ(st.KernOk, 1);
    EXPECT_EQ(st.FelderOk, 0);  // this profile tests the three flags directly

    // Obligations met by the exam subjects.
    EXPECT_EQ(st.Erfuellt[Obligation::De], 1);
    EXPECT_TRUE(Met(DeBox, 1));
    EXPECT_EQ(v.Text(DeBox), "bereits erfüllt");
    EXPECT_EQ(st.Erfuellt[Obligation::Ge], 1);
    EXPECT_TRUE(Met(GeBox, 1));
    EXPECT_EQ(st.Erfuellt[Obligation::Ma], 1);
    EXPECT_TRUE(Met(MaBox, 1));
    EXPECT_EQ(v.Text(MaBox), "bereits erfüllt ");
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 1);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 1);
    // One language and no intensive language: the language obligation stays open.
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 0);
    EXPECT_EQ(v.ItemIndex(FspBox), -1);
    EXPECT_TRUE(v.Get(FspBox).enabled);
    for (Obligation k :
         {Obligation::KuMu, Obligation::Po, Obligation::ReWn, Obligation::Natur, Obligation::Sp})
        EXPECT_EQ(st.Erfuellt[k], 0);
    EXPECT_TRUE(v.Get(NaturBox).enabled);

    // Step 2 closed, step 3 open.
    EXPECT_EQ(v.GetColour(GroupBox1), Colour::Silver);
    EXPECT_FALSE(v.Get(GroupBox1).enabled);
    EXPECT_FALSE(v.Get(PFachBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBox2), Colour::Orange);
    EXPECT_TRUE(v.Get(GroupBox2).enabled);
    EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
    EXPECT_EQ(v.ItemIndex(ProfilRadioGroup), 0);
}

TEST_F(ProfileA, ThirtyEightIsRefusedWithTheLongTextThenReset) {
    // 30 + 4 (Informatik) + 4 (Erdkunde); Informatik alone is one science, no bonus.
    Run(lk1::En, lk2::De, p3::Ma, p4::If, p5::Ek);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextA()}}));
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    ASSERT_EQ(v.seen.size(), 1u);
    EXPECT_EQ(v.seen[0].GqKurse, 38);
    EXPECT_EQ(v.seen[0].NwZahl, 1);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.PFach[Ek] + st.P4[If] + st.Erfuellt[Obligation::De], 0);
}

TEST_F(ProfileA, ThreeLanguagesOnRaisedLevelAreRefusedWithoutTheLimitText) {
    // Would count 30 + 4 (three languages) + 2 (a language other than the intensive one)
    // + 2 (Geschichte) = 38, but the reset comes first.
    Run(lk1::En, lk2::Fr, p3::Sn, p4::Ge, p5::Ma);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kDrei}}));
    EXPECT_EQ(v.seen[0].FspZahl, 3);
    EXPECT_EQ(v.seen[0].PFach[Sn], 1);  // the language itself was taken before the test
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, SameLanguageThreeTimesCountsThreeTimes) {
    Run(lk1::En, lk2::En, p3::En, p4::Ge, p5::Ma);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kDrei}}));
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, SameSubjectTwiceIsAcceptedAndCountsPerBox) {
    Run(lk1::En, lk2::En, p3::Ma, p4::Ge, p5::Ge);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.GqKurse, 34);            // 30 + 2 + 2 for Geschichte at P4 and P5
    EXPECT_EQ(v.Cell(1, Row(En)), "P2");  // P2 wrote over P1
    EXPECT_EQ(st.P4[Ge] + st.P5[Ge], 2);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileA, EmptyBoxesGiveTaskFieldThenCoreSubjectTextThenReset) {
    CheckExamSubjects(st, v);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKern}}));
    EXPECT_TRUE(w.LooksReset());
    // The failed check undid step 3 as well.
    EXPECT_EQ(v.GetColour(GroupBox1), Colour::Silver);
    EXPECT_FALSE(v.Get(PFachBitBtn).enabled);
}

TEST_F(ProfileA, TypedTextCountsAsNoSelection) {
    w.Choose(lk1::En, lk2::De, p3::Ma, -1, -1);
    v.Type(P4Box, "Geschichte");
    v.Type(P5Box, "Religion");
    CheckExamSubjects(st, v);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}}));
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, IndexBeyondTheListContributesNothingAndShowsNoMessage) {
    // P3 holds 13 items and P5 15: the indices 13 and 15 lie beyond them. What remains is
    // Englisch, Deutsch and Geschichte, without task field C; the core subjects are met, so the
    // task-field message stands alone.
    w.Choose(lk1::En, lk2::De, -1, p4::Ge, -1);
    v.Get(P3Box).index = 13;
    v.Get(P5Box).index = 15;
    CheckExamSubjects(st, v);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}}));
    EXPECT_EQ(v.seen[0].GqKurse, 32);  // 30 + 2 (Geschichte)
    EXPECT_EQ(v.seen[0].Aufgabenfeld[Field::C], 0);
    EXPECT_EQ(v.seen[0].PFach[Ph] + v.seen[0].PFach[If] + v.seen[0].NwZahl, 0);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, EnglishAtP2MeetsTheLanguageObligationAtOnceEvenWithoutP1) {
    Run(-1, lk2::En, p3::Ma, p4::Ge, p5::De);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(v.Text(FspBox), "bereits erfüllt");
    EXPECT_EQ(st.GqKurse, 32);
}

TEST_F(ProfileA, FrenchAtP2DoesNotMarkTheObligationButTwoLanguagesDo) {
    // Französisch alone: FspZahl 1, obligation open, no extra courses.
    Run(lk1::Fr, lk2::De, p3::Ma, p4::Ge, p5::Re);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 0);
    EXPECT_TRUE(v.Get(FspBox).enabled);
    EXPECT_EQ(st.GqKurse, 34);  // Geschichte and Religion; one language brings nothing
    EXPECT_EQ(st.Erfuellt[Obligation::ReWn], 1);
    EXPECT_TRUE(Met(ReWnBox, 2));
}

TEST_F(ProfileA, SecondLanguageBesidesFrenchBringsTwo) {
    Run(lk1::Fr, lk2::De, p3::Ma, p4::Ge, p5::En);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_EQ(st.GqKurse, 34);  // 30 + 2 (Geschichte) + 2 (Französisch is not intensive)
}

TEST_F(ProfileA, EnglishWithGermanTwoLanguagesBringNothingExtra) {
    // Englisch is not compared with an intensive language.
    Run(lk1::En, lk2::De, p3::Ma, p4::En, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.GqKurse, 32);
    EXPECT_EQ(st.P4[En], 1);
    EXPECT_EQ(v.Cell(1, Row(En)), "P1");
}

TEST_F(ProfileA, ThreeLanguagesAmongFiveAddFourFourAddNothing) {
    // Three: 30 + 4 + 2 (Französisch) + 2 (Geschichte) = 38.
    Run(lk1::En, lk2::Fr, p3::Ma, p4::Ge, p5::La);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextA()}}));
    EXPECT_EQ(v.seen[0].GqKurse, 38);
    EXPECT_EQ(v.seen[0].FspZahl, 3);
    EXPECT_TRUE(w.LooksReset());

    // Four: no task field B; at the message 30 + 2 (Französisch) only.
    ExamWindow w4{Profile::A};
    w4.Choose(lk1::En, lk2::Fr, p3::Ma, p4::La, p5::Sn);
    CheckExamSubjects(w4.st, w4.view);
    EXPECT_EQ(ShownBoxes(w4.view), (Shown{{Kind::Plain, kFelder}}));
    EXPECT_EQ(w4.view.seen[0].FspZahl, 4);
    EXPECT_EQ(w4.view.seen[0].GqKurse, 32);
    EXPECT_EQ(w4.view.seen[0].Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(w4.LooksReset());
}

TEST_F(ProfileA, TwoSciencesAddFour) {
    // 30 + 4 (two sciences) + 2 (Geschichte) = 36, accepted.
    Run(lk1::En, lk2::De, p3::Bi, p4::Ch, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.NwZahl, 2);
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 1);
    EXPECT_TRUE(Met(NaturBox, 4));
    EXPECT_EQ(v.Cell(1, Row(Bi)), "P3");
    EXPECT_EQ(st.P4[Ch], 1);
}

TEST_F(ProfileA, ThreeSciencesLeaveTaskFieldBOpenAndNeverReachTheLimit) {
    Run(lk1::En, lk2::De, p3::Bi, p4::Ch, p5::Ph);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}}));
    EXPECT_EQ(v.seen[0].NwZahl, 3);
    EXPECT_EQ(v.seen[0].GqKurse, 30);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, InformaticsAtP4WithOneMoreScienceAddsEight) {
    // 30 + 4 (Informatik) + 4 (two sciences) + 2 (Geschichte) = 40.
    Run(lk1::En, lk2::De, p3::Bi, p4::If, p5::Ge);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextA()}}));
    EXPECT_EQ(v.seen[0].GqKurse, 40);
    EXPECT_EQ(v.seen[0].NwZahl, 2);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, InformaticsMeetsNoObligation) {
    Run(lk1::En, lk2::De, p3::Ma, p4::Ge, p5::If);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);  // 30 + 2 + 4
    EXPECT_EQ(st.NwZahl, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 0);
    EXPECT_TRUE(v.Get(NaturBox).enabled);
    EXPECT_EQ(st.P5[If], 1);
}

TEST_F(ProfileA, ErdkundeAddsFourAtEveryPosition) {
    Run(lk1::En, lk2::De, p3::Ma, p4::Ek, p5::Re);  // 30 + 4 + 2
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);

    ExamWindow w5{Profile::A};
    w5.Choose(lk1::En, lk2::De, p3::Ma, p4::De, p5::Ek);  // 30 + 4
    CheckExamSubjects(w5.st, w5.view);
    EXPECT_TRUE(w5.view.Boxes().empty());
    EXPECT_EQ(w5.st.GqKurse, 34);
    EXPECT_EQ(w5.st.P5[Ek], 1);
}

TEST_F(ProfileA, ArtsAndDramaMeetTheArtsObligation) {
    Run(lk1::En, lk2::De, p3::Ku, p4::Ma, p5::Ds);  // no task field B
    EXPECT_EQ(v.seen.at(0).Erfuellt[Obligation::KuMu], 1);
    EXPECT_EQ(v.seen.at(0).GqKurse, 34);  // Kunst and Darst.Spiel, 2 each
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}}));

    ExamWindow wm{Profile::A};
    wm.Choose(lk1::Sn, lk2::De, p3::Mu, p4::Po, p5::Ma);
    CheckExamSubjects(wm.st, wm.view);
    EXPECT_TRUE(wm.view.Boxes().empty());
    EXPECT_EQ(wm.st.GqKurse, 34);  // Musik 2, Politik 2; one language
    EXPECT_EQ(wm.view.ItemIndex(KuMuBox), 3);
    EXPECT_FALSE(wm.view.Get(KuMuBox).enabled);
    EXPECT_EQ(wm.view.ItemIndex(PoBox), 1);
    EXPECT_EQ(wm.st.Erfuellt[Obligation::Po], 1);
}

TEST_F(ProfileA, IntensiveLanguageAtP1IsRefusedAtOnce) {
    st.Int[Fr] = 1;
    st.IntGewaehlt = 1;
    Run(lk1::Fr, lk2::De, p3::Ma, p4::Ge, p5::En);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensiv}}));
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    // Shown while P1 is read: nothing of the choice is applied yet.
    EXPECT_EQ(v.seen[0].PFach[Fr], 0);
    EXPECT_EQ(v.seen[0].FspZahl, 0);
    EXPECT_EQ(v.seen[0].Aufgabenfeld[Field::A], 0);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Int[Fr] + st.IntGewaehlt, 0);
}

TEST_F(ProfileA, IntensiveSpanishAtP2AndP3EachShowTheText) {
    st.Int[Sn] = 1;
    st.IntGewaehlt = 1;
    Run(lk1::En, lk2::Sn, p3::Sn, p4::Ge, p5::Ma);
    // P3's refused Spanisch is followed by the three-language test, which cannot fire.
    EXPECT_EQ(ShownBoxes(v),
              (Shown{{Kind::Information, kIntensiv}, {Kind::Information, kIntensiv}}));
    EXPECT_EQ(v.seen[1].FspZahl, 1);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileA, IntensiveLanguageAtP4IsAccepted) {
    st.Int[Fr] = 1;
    st.IntGewaehlt = 1;
    Run(lk1::En, lk2::De, p3::Ma, p4::Fr, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.P4[Fr], 1);
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_EQ(st.GqKurse, 32);  // IntGewaehlt differs from NurEineFs: no extra two
}

TEST_F(ProfileA, OneLanguageBesideTheIntensiveLanguageMeetsTheObligation) {
    st.Int[Sn] = 1;
    st.IntGewaehlt = 1;
    st.NurEineFs = 1;
    Run(lk1::En, lk2::De, p3::Ma, p4::Ge, p5::Re);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.GqKurse, 34);  // FspZahl 1: the intensive-language rule adds nothing
}

TEST_F(ProfileA, IntensiveRuleWithOnlyOneLanguageLearntBefore) {
    // IntGewaehlt = NurEineFs = 1, Int[Sn] = 1 but Spanisch is no exam subject, two languages.
    st.Int[Sn] = 1;
    st.IntGewaehlt = 1;
    st.NurEineFs = 1;
    Run(lk1::En, lk2::De, p3::Ma, p4::La, p5::Ge);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);  // 30 + 2 (intensive rule) + 2 (Geschichte)
}

TEST_F(ProfileA, FailedChoiceIsNeverTestedAgainstTheLimit) {
    // No Mathematik, no Deutsch and only task fields A and B: would be far above 36.
    Run(lk1::En, lk2::Fr, p3::Ek, p4::Ek, p5::Ek);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKern}}));
    EXPECT_EQ(v.seen[0].GqKurse, 30 + 12 + 2);
    EXPECT_TRUE(w.LooksReset());
}

}  // namespace
}  // namespace belegix

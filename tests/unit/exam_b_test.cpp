#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/rules/exam_checks.h"
#include "tests/support/exam_support.h"

namespace belegix {
namespace {

using namespace test;
using enum Control;
using enum Subject;
using Kind = Box::Kind;

// List positions of profile B.
namespace lk2 {
constexpr int De = 0, En = 1, Fr = 2, Sn = 3, Ma = 4, Bi = 5, Ch = 6, Ph = 7;
}
namespace p3 {
constexpr int Po = 0, Ek = 1;
}
namespace p4 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ek = 5, Po = 6, Re = 7, Ma = 8, Bi = 9,
              Ch = 10, Ph = 11, If = 12;
}
namespace p5 {
constexpr int De = 0, En = 1, Fr = 2, La = 3, Sn = 4, Ds = 5, Ek = 6, Po = 7, Re = 8, Ma = 9,
              Bi = 10, Ch = 11, Ph = 12, If = 13;
}

const std::string kKernB =
    "Auflagen beachten: zwei der Fächer Deutsch, Fremdsprache, Mathematik müssen "
    "Prüfungsfächer sein! Du musst noch einmal neu beginnen!";

std::string LongTextB() {
    return JoinLines(
        {"Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
         "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
         "überschritten wird. ",
         "",
         "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für Profil B "
         "durch: ",
         "1. De, Fsp, Ma, Ge, Po(Ek), Nws mit je 4 Kursen: 24 Kurse ",
         "2. Ku, Mu oder Ds, (Po), Re oder Wn sowie Sf und Zusatzauflage FSP - NW mit je 2 "
         "Kursen: 8(10) Kurse",
         "insgesamt sind das also bereits 32(34) Kurse. Es bleiben also nur noch maximal 4(2) "
         "Kurse übrig, die durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. "
         "Ku,Mu,Ds,Re) verpflichtend sind, ausgeschöpft werden können!",
         "",
         "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die eigentlich nicht "
         "mit 4 Kursen in die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern "
         "müssen unabhängig von ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die "
         "Gesamtqualifikation eingebracht werden )-: "});
}

struct ProfileB : ExamTest<Profile::B> {
    // P1 is left as the window has it: this check never reads `Lk1Box`.
    void Run(int b, int c, int d, int e) { ExamTest::Run(-1, b, c, d, e); }
};

TEST_F(ProfileB, GeschichteIsP1AndPolitikAtP3CountsInTheBaseline) {
    Run(lk2::De, p3::Po, p4::En, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 32);
    EXPECT_EQ(v.Cell(1, Row(Ge)), "P1");
    EXPECT_EQ(v.Cell(1, Row(De)), "P2");
    EXPECT_EQ(v.Cell(1, Row(Po)), "P3");
    EXPECT_EQ(v.Cell(1, Row(En)), " ");
    for (Subject s : {Ge, De, Po, En, Ma}) EXPECT_EQ(st.PFach[s] + st.PKurs[s], 2) << SubjectKey(s);
    EXPECT_EQ(st.P4[En] + st.P5[Ma], 2);
    EXPECT_EQ(st.FspZahl, 1);
    EXPECT_EQ(st.NwZahlZusatz, 0);
    EXPECT_EQ(st.FelderOk + st.KernOk, 2);

    EXPECT_EQ(st.Erfuellt[Obligation::Ge], 1);
    EXPECT_TRUE(Met(GeBox, 1));
    EXPECT_EQ(st.Erfuellt[Obligation::Po], 1);
    EXPECT_TRUE(Met(PoBox, 1));
    EXPECT_EQ(st.Erfuellt[Obligation::De] + st.Erfuellt[Obligation::Ma], 2);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.Erfuellt[Obligation::KuMuZusatz], 1);
    EXPECT_EQ(st.Erfuellt[Obligation::Natur], 0);
    // One language, no science: the additional obligation stays for step 3.
    EXPECT_TRUE(ExtraOpen());
    EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
}

TEST_F(ProfileB, ErdkundeAtP3LeavesPolitikSelectedAndOpenAndAddsTwo) {
    Run(lk2::De, p3::Ek, p4::En, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(v.ItemIndex(PoBox), 0);
    EXPECT_EQ(v.Text(PoBox), "Politik-W.");
    EXPECT_TRUE(v.Get(PoBox).enabled);
    EXPECT_EQ(st.Erfuellt[Obligation::Po], 0);
    EXPECT_EQ(st.PFach[Ek] + st.PKurs[Ek], 2);
    EXPECT_EQ(st.PFach[Po], 0);
    EXPECT_EQ(v.Cell(1, Row(Ek)), "P3");
    EXPECT_EQ(v.Cell(1, Row(Po)), " ");
}

TEST_F(ProfileB, ErdkundeAtP4AddsFourAndThirtySixPasses) {
    Run(lk2::De, p3::Po, p4::Ek, p5::Ma);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 36);
    EXPECT_EQ(st.P4[Ek], 1);
    EXPECT_TRUE(Met(PoBox, 1));
}

TEST_F(ProfileB, TwoLanguagesMeetTheAdditionalObligationAndAddTwo) {
    Run(lk2::En, p3::Po, p4::Fr, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 2);
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 1);
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Bereits erfüllt!"});
    EXPECT_EQ(v.ItemIndex(BExtraBox), 0);
    EXPECT_EQ(v.Text(BExtraBox), "Bereits erfüllt!");
    EXPECT_FALSE(v.Get(BExtraBox).enabled);
    EXPECT_TRUE(Met(FspBox, 4));
}

TEST_F(ProfileB, TwoSciencesMeetItTooButLeaveOnlyOneCoreSubject) {
    // Biologie at P2 and Chemie at P5: 32 + 2; besides them only Deutsch is a core subject.
    Run(lk2::Bi, p3::Po, p4::De, p5::Ch);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKernB}}));
    ASSERT_EQ(v.seen.size(), 1u);
    EXPECT_EQ(v.seen[0].NwZahlZusatz, 2);
    EXPECT_EQ(v.seen[0].GqKurse, 34);
    EXPECT_EQ(v.seen[0].Erfuellt[Obligation::BExtra], 1);
    EXPECT_EQ(v.seen[0].Erfuellt[Obligation::Natur], 1);
    EXPECT_TRUE(w.LooksReset());
    // The reset does not refill the box; the next profile choice does.
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Bereits erfüllt!"});
}

TEST_F(ProfileB, InformatikCountsAsAScienceAndAddsFour) {
    Run(lk2::Ph, p3::Po, p4::If, p5::De);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKernB}}));
    EXPECT_EQ(v.seen[0].NwZahlZusatz, 2);
    EXPECT_EQ(v.seen[0].GqKurse, 38);  // 32 + 4 + 2, tested only after the reset
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileB, ThreeLanguagesDoNotMeetTheAdditionalObligation) {
    Run(lk2::En, p3::Po, p4::Fr, p5::Sn);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKernB}}));
    EXPECT_EQ(v.seen[0].FspZahl, 3);
    EXPECT_EQ(v.seen[0].GqKurse, 32);
    EXPECT_EQ(v.seen[0].Erfuellt[Obligation::BExtra], 0);
    EXPECT_EQ(v.Get(BExtraBox).items, kExtraList);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileB, EmptyBoxesGiveTaskFieldThenCoreSubjectTextThenReset) {
    Run(-1, -1, -1, -1);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKernB}}));
    // Geschichte alone covers task field B.
    EXPECT_EQ(v.seen[0].Aufgabenfeld[Field::B], 1);
    EXPECT_EQ(v.seen[0].Aufgabenfeld[Field::A] + v.seen[0].Aufgabenfeld[Field::C], 0);
    EXPECT_EQ(v.seen[0].PFach[Ge], 1);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileB, IntensiveLanguageAtP2IsRefusedBeforeTheOtherMessages) {
    Intensive(Fr, 0);
    Run(lk2::Fr, p3::Po, -1, -1);

    EXPECT_EQ(
        ShownBoxes(v),
        (Shown{{Kind::Information, kIntensiv}, {Kind::Plain, kFelder}, {Kind::Plain, kKernB}}));
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    // The refused subject had no effect at all.
    EXPECT_EQ(v.seen[0].PFach[Fr] + v.seen[0].FspZahl + v.seen[0].Aufgabenfeld[Field::A], 0);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(st.Int[Fr] + st.IntGewaehlt, 0);
}

TEST_F(ProfileB, IntensiveSpanischAtP2IsRefusedAlone) {
    Intensive(Sn, 0);
    Run(lk2::Sn, p3::Po, p4::De, p5::Ma);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, kIntensiv}}));
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileB, IntensiveFranzoesischAtP4IsAcceptedAndMeetsTheLanguageObligation) {
    Intensive(Fr, 0);
    Run(lk2::De, p3::Po, p4::Fr, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.P4[Fr], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    // Französisch is an exam subject: nothing added.
    EXPECT_EQ(st.GqKurse, 32);
    // Französisch at P4: the additional obligation is still needed.
    EXPECT_TRUE(ExtraOpen());
}

TEST_F(ProfileB, IntensiveLanguageAloneMeetsTheLanguageObligation) {
    // Latein is no exam subject: + 2 whatever the answers; Religion + 2.
    Intensive(La, 0);
    Run(lk2::De, p3::Po, p4::Ma, p5::Re);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.FspZahl, 0);
    EXPECT_EQ(st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_TRUE(Met(FspBox, 4));
    EXPECT_EQ(st.GqKurse, 36);
    // No language course: the additional obligation stays.
    EXPECT_TRUE(ExtraOpen());
}

TEST_F(ProfileB, LanguageBesideTheIntensiveLanguageMakesTheAdditionalObligationNeedless) {
    Intensive(La, 1);
    Run(lk2::De, p3::Po, p4::En, p5::Ma);

    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(st.GqKurse, 34);
    EXPECT_EQ(v.Get(BExtraBox).items, std::vector<std::string>{"Brauchst Du nicht!"});
    EXPECT_EQ(v.ItemIndex(BExtraBox), 0);
    EXPECT_FALSE(v.Get(BExtraBox).enabled);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 1);
}

TEST_F(ProfileB, AfterAFailureTheNeedlessObligationRuleLeavesTheExtraBoxAlone) {
    // A language course beside an intensive Latein would make the additional obligation
    // needless, but without Mathematik and Deutsch and without task field C the choice fails; the
    // reset clears the answers of step 0 before the click handler's rule runs.
    Intensive(La, 1);
    Run(lk2::En, p3::Po, -1, -1);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kFelder}, {Kind::Plain, kKernB}}));
    EXPECT_EQ(v.seen[0].FspZahl, 1);
    EXPECT_TRUE(w.LooksReset());
    EXPECT_EQ(v.Get(BExtraBox).items, kExtraList);
    EXPECT_EQ(v.ItemIndex(BExtraBox), -1);
    EXPECT_TRUE(v.Get(BExtraBox).enabled);
    EXPECT_EQ(st.Erfuellt[Obligation::BExtra], 0);
}

TEST_F(ProfileB, IntensiveFranzoesischAddsTwoOnlyWhenTheAnswersAgree) {
    Intensive(Fr, 1);
    Run(lk2::De, p3::Po, p4::En, p5::Ma);
    EXPECT_EQ(st.GqKurse, 34);

    ExamWindow other{Profile::B};
    other.st.Int[Fr] = 1;
    other.st.IntGewaehlt = 1;
    other.st.NurEineFs = 0;
    other.Choose(-1, lk2::De, p3::Po, p4::En, p5::Ma);
    CheckExamSubjects(other.st, other.view);
    EXPECT_EQ(other.st.GqKurse, 32);
    EXPECT_EQ(other.st.Erfuellt[Obligation::Fsp], 1);
}

TEST_F(ProfileB, ThirtyEightIsRefusedWithTheLongTextAfterTheRules) {
    // 32 + 2 (Erdkunde at P3) + 4 (Informatik).
    Run(lk2::De, p3::Ek, p4::If, p5::Ma);

    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Information, LongTextB()}}));
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
    EXPECT_EQ(v.seen[0].GqKurse, 38);
    EXPECT_EQ(v.seen[0].KernOk + v.seen[0].FelderOk, 2);
    EXPECT_TRUE(w.LooksReset());
}

TEST_F(ProfileB, AFailedChoiceAboveTheLimitShowsOnlyTheRuleMessages) {
    // 32 + 2 + 4 + 2 (Darst.Spiel) + 2 (two sciences) = 42, but the core-subject rule fails
    // first.
    Run(lk2::Bi, p3::Ek, p4::If, p5::Ds);
    EXPECT_EQ(ShownBoxes(v), (Shown{{Kind::Plain, kKernB}}));
    EXPECT_EQ(v.seen[0].GqKurse, 42);
    EXPECT_TRUE(w.LooksReset());
}

}  // namespace
}  // namespace belegix

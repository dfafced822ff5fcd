#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/events.h"
#include "core/rules/exam_checks.h"
#include "core/rules/exam_frame.h"
#include "tests/support/exam_support.h"
#include "tests/support/null_printer.h"

namespace belegix {
namespace {

using test::ExamWindow;
using enum Control;
using enum Subject;
using exam::ExamCheck;
using exam::FspMark;
using exam::Position;

TEST(CheckExamSubjects, ClosesStepTwoAndOpensStepThreeEvenWithoutAProfile) {
    ExamWindow w{Profile::A};
    w.view.SetItemIndex(ProfilRadioGroup, -1);
    w.view.ClearBoxes();
    CheckExamSubjects(w.st, w.view);

    EXPECT_EQ(w.view.GetColour(GroupBox1), Colour::Silver);
    EXPECT_FALSE(w.view.Get(GroupBox1).enabled);
    EXPECT_FALSE(w.view.Get(PFachBitBtn).enabled);
    EXPECT_EQ(w.view.GetColour(GroupBox2), Colour::Orange);
    EXPECT_TRUE(w.view.Get(GroupBox2).enabled);
    EXPECT_TRUE(w.view.Get(AuflagenBitBtn).enabled);
    // No check ran: nothing shown, nothing counted.
    EXPECT_TRUE(w.view.Boxes().empty());
    EXPECT_EQ(w.st.GqKurse, 0);
    EXPECT_EQ(w.st.Erfuellt[Obligation::KuMuZusatz], 0);
}

TEST(CheckExamSubjects, IsTheClickOfPFachBitBtn) {
    ExamWindow w{Profile::A};
    w.Choose(0, 0, 9, 6, 7);  // Englisch, Deutsch, Mathematik, Geschichte, Geschichte
    test::NullPrinter printer;
    Form form{w.st, w.view, printer};
    EXPECT_TRUE(Dispatch(form, PFachBitBtn, Event::Click));
    EXPECT_EQ(w.st.GqKurse, 34);
    EXPECT_TRUE(w.view.Get(AuflagenBitBtn).enabled);
}

TEST(ZusatzauflageNichtNoetig, LanguageCourseBesideAnIntensiveLanguage) {
    ExamWindow w{Profile::B};
    w.st.IntGewaehlt = 1;
    w.st.PKurs[La] = 1;
    ZusatzauflageNichtNoetig(w.st, w.view);
    EXPECT_EQ(w.view.Get(BExtraBox).items, std::vector<std::string>{"Brauchst Du nicht!"});
    EXPECT_EQ(w.view.ItemIndex(BExtraBox), 0);
    EXPECT_FALSE(w.view.Get(BExtraBox).enabled);
    EXPECT_EQ(w.st.Erfuellt[Obligation::BExtra], 1);
}

TEST(ZusatzauflageNichtNoetig, NotWithoutIntensiveLanguageOrWithFrenchOrSpanishOnBasicLevel) {
    const auto untouched = [](ExamWindow& w) {
        ZusatzauflageNichtNoetig(w.st, w.view);
        return w.view.Get(BExtraBox).items.size() == 9 && w.view.ItemIndex(BExtraBox) == 0 &&
               w.view.Get(BExtraBox).enabled && w.st.Erfuellt[Obligation::BExtra] == 0;
    };
    ExamWindow noInt{Profile::Sport};
    noInt.st.PKurs[En] = 1;
    EXPECT_TRUE(untouched(noInt));

    ExamWindow noLanguage{Profile::Sport};
    noLanguage.st.IntGewaehlt = 1;
    EXPECT_TRUE(untouched(noLanguage));

    for (SubjectFlags ChoiceState::*family : {&ChoiceState::P4, &ChoiceState::P5}) {
        for (Subject s : {Fr, Sn}) {
            ExamWindow w{Profile::B};
            w.st.IntGewaehlt = 1;
            w.st.PKurs[En] = 1;
            (w.st.*family)[s] = 1;
            EXPECT_TRUE(untouched(w)) << SubjectKey(s);
        }
    }
    // Latein on basic level does not stand in the way.
    ExamWindow la{Profile::B};
    la.st.IntGewaehlt = 1;
    la.st.PKurs[La] = la.st.P4[La] = 1;
    EXPECT_FALSE(untouched(la));
}

TEST(ExamFrame, MarkMetSelectsTheAlreadyMetItemOfEveryBox) {
    ExamWindow w{Profile::A};
    const std::vector<std::pair<Obligation, std::string>> expected = {
        {Obligation::De, "bereits erfüllt"},   {Obligation::Fsp, "bereits erfüllt"},
        {Obligation::KuMu, "bereits erfüllt"}, {Obligation::Po, "bereits erfüllt"},
        {Obligation::Ge, "bereits erfüllt"},   {Obligation::ReWn, "bereits erfüllt"},
        {Obligation::Ma, "bereits erfüllt "},  {Obligation::Natur, "bereits erfüllt"},
        {Obligation::Sp, "bereits erfüllt"},   {Obligation::BExtra, "Brauchst Du nicht!"}};
    for (const auto& [k, text] : expected) {
        exam::MarkMet(w.st, w.view, k);
        EXPECT_EQ(w.st.Erfuellt[k], 1) << ObligationKey(k);
        EXPECT_EQ(w.view.Text(exam::BoxOf(k)), text) << ObligationKey(k);
        EXPECT_FALSE(w.view.Get(exam::BoxOf(k)).enabled) << ObligationKey(k);
    }
    ExamWindow z{Profile::KuMu};
    exam::MarkMet(z.st, z.view, Obligation::KuMuZusatz);
    EXPECT_EQ(z.st.Erfuellt[Obligation::KuMuZusatz], 1);
    EXPECT_EQ(z.st.Erfuellt[Obligation::KuMu], 0);
    EXPECT_EQ(z.view.ItemIndex(KuMuBox), 3);
}

TEST(ExamFrame, ReadTakesTheSubjectThroughTheProfilesList) {
    ExamWindow w{Profile::C};
    ExamCheck c(w.st, w.view, Profile::C);
    EXPECT_EQ(c.Read(Lk1Box), std::nullopt);
    w.view.Pick(Lk1Box, 2);
    EXPECT_EQ(c.Read(Lk1Box), Ph);
    w.view.Pick(P3Box, 4);
    EXPECT_EQ(c.Read(P3Box), Ku);
    w.view.Get(P4Box).index = 14;  // one beyond the list
    EXPECT_EQ(c.Read(P4Box), std::nullopt);
}

TEST(ExamFrame, SubjectEffectByPosition) {
    ExamWindow w{Profile::B};
    ExamCheck c(w.st, w.view, Profile::B);
    c.Start(32);
    EXPECT_EQ(w.st.Erfuellt[Obligation::KuMuZusatz], 1);

    c.Apply(Ge, Position::P1, FspMark::Full);
    c.Apply(Fr, Position::P2, FspMark::FlagOnly);
    c.Apply(Ek, Position::P3, FspMark::Full);
    c.Apply(If, Position::P4, FspMark::Full);
    c.Apply(Ds, Position::P5, FspMark::Full);

    EXPECT_EQ(w.view.Cell(1, Row(Ge)), "P1");
    EXPECT_EQ(w.view.Cell(1, Row(Fr)), "P2");
    EXPECT_EQ(w.view.Cell(1, Row(Ek)), "P3");
    EXPECT_EQ(w.view.Cell(1, Row(If)), " ");
    EXPECT_EQ(w.st.P4[If] + w.st.P5[Ds], 2);
    EXPECT_EQ(w.st.P4[Ge] + w.st.P5[Ge] + w.st.P4[Ek], 0);
    for (Subject s : {Ge, Fr, Ek, If, Ds}) EXPECT_EQ(w.st.PFach[s] + w.st.PKurs[s], 2);
    EXPECT_EQ(w.st.FspZahl, 1);
    EXPECT_EQ(w.st.GqKurse, 32 + 2 + 4 + 4 + 2);
    // Französisch marked the flag only.
    EXPECT_EQ(w.st.Erfuellt[Obligation::Fsp], 1);
    EXPECT_EQ(w.view.ItemIndex(FspBox), -1);
    EXPECT_TRUE(w.view.Get(FspBox).enabled);
    EXPECT_EQ(w.view.ItemIndex(GeBox), 1);
    EXPECT_EQ(w.view.ItemIndex(KuMuBox), 3);
    EXPECT_EQ(w.st.Erfuellt[Obligation::Natur], 0);
    EXPECT_EQ(
        w.st.Aufgabenfeld[Field::A] + w.st.Aufgabenfeld[Field::B] + w.st.Aufgabenfeld[Field::C], 3);

    ExamWindow s{Profile::Sport};
    ExamCheck cs(s.st, s.view, Profile::Sport);
    cs.Apply(Sp, Position::P1, FspMark::Full);
    EXPECT_EQ(
        s.st.Aufgabenfeld[Field::A] + s.st.Aufgabenfeld[Field::B] + s.st.Aufgabenfeld[Field::C], 0);
    EXPECT_EQ(s.view.ItemIndex(SpBox), 2);
    EXPECT_EQ(s.st.GqKurse, 0);
}

TEST(ExamFrame, TaskFieldRuleDirectOrThroughFelderOk) {
    ExamWindow w{Profile::A};
    ExamCheck c(w.st, w.view, Profile::A);
    w.st.Aufgabenfeld[Field::A] = w.st.Aufgabenfeld[Field::C] = 1;
    c.TaskFieldRule(exam::FieldTest::ViaFelderOk);
    EXPECT_TRUE(c.Failed());
    EXPECT_EQ(w.st.FelderOk, 0);
    ASSERT_EQ(w.view.Boxes().size(), 1u);
    EXPECT_EQ(w.view.Boxes()[0].kind, test::Box::Kind::Plain);
    EXPECT_EQ(w.view.Boxes()[0].text,
              "Auflagen beachten: Es wurden nicht alle Aufgabenfelder abgedeckt");

    ExamCheck ok(w.st, w.view, Profile::A);
    w.st.Aufgabenfeld[Field::B] = 1;
    ok.TaskFieldRule(exam::FieldTest::Direct, "x");
    EXPECT_FALSE(ok.Failed());
    EXPECT_EQ(w.st.FelderOk, 0);
    ok.TaskFieldRule(exam::FieldTest::ViaFelderOk, "x");
    EXPECT_FALSE(ok.Failed());
    EXPECT_EQ(w.st.FelderOk, 1);
    EXPECT_EQ(w.view.Boxes().size(), 1u);
}

TEST(ExamFrame, CoreSubjectRuleNeedsTwoOfGermanLanguageMaths) {
    const auto run = [](auto set, exam::CoreLanguages by) {
        ExamWindow w{Profile::A};
        set(w.st);
        ExamCheck c(w.st, w.view, Profile::A);
        c.CoreSubjectRule("kern", by);
        return std::pair{w.st.KernOk, w.view.BoxTexts()};
    };
    using L = exam::CoreLanguages;
    const std::vector<std::string> msg{"kern"};
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[De] = s.PKurs[Ma] = 1; }, L::ByPKurs).first, 1);
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[Sn] = s.PKurs[Ma] = 1; }, L::ByPKurs).first, 1);
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[De] = s.PKurs[La] = 1; }, L::ByPKurs).first, 1);
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[En] = s.PKurs[Fr] = 1; }, L::ByPKurs).second, msg);
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[De] = s.PFach[En] = 1; }, L::ByPKurs).second, msg);
    EXPECT_EQ(run([](ChoiceState& s) { s.PKurs[De] = s.PFach[En] = 1; }, L::ByPFach).first, 1);
}

TEST(ExamFrame, LimitOfThirtySix) {
    ExamWindow w{Profile::A};
    ExamCheck c(w.st, w.view, Profile::A);
    w.st.GqKurse = 36;
    c.LimitRule("zu viele");
    EXPECT_TRUE(w.view.Boxes().empty());
    EXPECT_EQ(w.st.GqKurse, 36);

    w.st.GqKurse = 37;
    c.LimitRule("zu viele");
    ASSERT_EQ(w.view.Boxes().size(), 1u);
    EXPECT_EQ(w.view.Boxes()[0].kind, test::Box::Kind::Information);
    EXPECT_EQ(w.view.Boxes()[0].buttons, DlgButtons::Ok);
    EXPECT_EQ(w.view.Boxes()[0].text, "zu viele");
    EXPECT_TRUE(w.LooksReset());
    EXPECT_FALSE(c.Failed());  // the limit resets by itself; it is no failure mark
}

TEST(ExamFrame, IntensiveTestOnlyForTheIntensiveFrenchOrSpanish) {
    ExamWindow w{Profile::A};
    ExamCheck c(w.st, w.view, Profile::A);
    EXPECT_FALSE(c.RefuseIntensive(Fr));
    w.st.Int[La] = 1;
    EXPECT_FALSE(c.RefuseIntensive(La));
    w.st.Int[Sn] = 1;
    EXPECT_FALSE(c.RefuseIntensive(Fr));
    EXPECT_FALSE(c.Failed());
    EXPECT_TRUE(c.RefuseIntensive(Sn, "eigener Text"));
    EXPECT_TRUE(c.Failed());
    EXPECT_EQ(w.view.BoxTexts(), std::vector<std::string>{"eigener Text"});
}

}  // namespace
}  // namespace belegix

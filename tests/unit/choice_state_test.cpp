#include <gtest/gtest.h>

#include "core/box_items.h"
#include "core/choice_state.h"
#include "core/rules/steps.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::TestView;
using enum Control;

// A state in which every family and counter has been dirtied.
ChoiceState DirtyState() {
    ChoiceState st;
    for (int row = 1; row <= kSubjectCount; ++row) {
        const auto s = SubjectAtRow(row);
        st.PFach[s] = st.PKurs[s] = st.P4[s] = st.P5[s] = st.Int[s] = st.Zusatz4[s] = 1;
    }
    st.Erfuellt.Fill(1);
    st.Aufgabenfeld.Fill(1);
    st.FelderOk = st.KernOk = st.IntGewaehlt = st.NurEineFs = 1;
    st.FspZahl = 3;
    st.FspZahlSport = 2;
    st.NwZahl = 2;
    st.NwZahlZusatz = 2;
    st.GqKurse = 38;
    st.ZeitVon = 3;
    st.ZeitBis = 4;
    st.KursSpalte1.Fill(4);
    st.KursSpalte2.Fill(5);
    st.ZeitOffen.Fill(1);
    st.ZusatzSchritt = st.ErgebnisAktiv = 1;
    st.KursAnzahl = 44;
    st.Stunden = {0, 34, 36, 38, 40};
    st.StundenSumme = 148;
    st.Durchschnitt = 37;
    return st;
}

TEST(ResetPlan, ClearsEveryFamilyAndLeavesTheDocumentedVariables) {
    ChoiceState st = DirtyState();
    TestView v;
    ResetPlan(st, v);

    for (int row = 1; row <= kSubjectCount; ++row) {
        const auto s = SubjectAtRow(row);
        EXPECT_EQ(st.PFach[s] + st.PKurs[s] + st.P4[s] + st.P5[s] + st.Int[s] + st.Zusatz4[s], 0)
            << SubjectKey(s);
    }
    for (int k = 0; k < kObligationCount; ++k) EXPECT_EQ(st.Erfuellt[Obligation(k)], 0);
    EXPECT_EQ(st.Aufgabenfeld[Field::A] + st.Aufgabenfeld[Field::B] + st.Aufgabenfeld[Field::C], 0);
    EXPECT_EQ(st.FelderOk + st.KernOk + st.IntGewaehlt + st.NurEineFs, 0);
    EXPECT_EQ(st.GqKurse, 0);
    EXPECT_EQ(st.FspZahl, 0);
    EXPECT_EQ(st.FspZahlSport, 0);
    EXPECT_EQ(st.NwZahl, 0);
    EXPECT_EQ(st.KursAnzahl, 0);
    EXPECT_EQ(st.ZusatzSchritt + st.ErgebnisAktiv, 0);
    for (int x = 0; x < kTwoHourCount; ++x) {
        EXPECT_EQ(st.KursSpalte1[TwoHour(x)], 2);
        EXPECT_EQ(st.KursSpalte2[TwoHour(x)], 3);
        EXPECT_EQ(st.ZeitOffen[TwoHour(x)], 0);
    }

    // Left alone.
    EXPECT_EQ(st.NwZahlZusatz, 2);
    EXPECT_EQ(st.ZeitVon, 3);
    EXPECT_EQ(st.ZeitBis, 4);
    EXPECT_EQ(st.Stunden[4], 40);
    EXPECT_EQ(st.StundenSumme, 148);
    EXPECT_EQ(st.Durchschnitt, 37);
}

TEST(ResetPlan, ReturnsTheWindowToStepOne) {
    ChoiceState st;
    TestView v;
    v.Get(Label16).text = "SP2";
    v.Get(Label16).left = 6;
    v.Get(Label16).fontColour = Colour::Red;
    v.Get(ZusatzPanel).visible = true;
    v.Get(PersDatenPanel).visible = false;
    v.SetCell(0, 1, "Deutsch");
    v.SetCell(6, 1, "A");
    v.SetCell(3, 7, "Z2");
    v.SetText(MaskEdit4, "Andere Schule");
    StartPlanner(st, v);

    EXPECT_EQ(st.IntSchrittAktiv, 0);
    EXPECT_EQ(v.Text(Label16), "P2");
    EXPECT_EQ(v.Get(Label16).left, 10);
    EXPECT_EQ(v.Get(Label16).fontColour, Colour::Navy);
    EXPECT_EQ(v.Text(Lk1Box), "1. Prüfungsfach (eA)");
    EXPECT_EQ(v.Text(P5Box), "P5 (gA mündlich)");
    EXPECT_EQ(v.Get(P4Box).items, std::vector<std::string>{"zuerst ein Profil wählen"});
    EXPECT_EQ(v.ItemIndex(ProfilRadioGroup), -1);
    EXPECT_EQ(v.GetColour(ProfilRadioGroup), Colour::Orange);
    EXPECT_TRUE(v.Get(ProfilBitBtn).enabled);
    EXPECT_FALSE(v.Get(PFachBitBtn).enabled);
    EXPECT_FALSE(v.Get(GroupBox2).enabled);
    EXPECT_FALSE(v.Get(GroupBox3).enabled);
    EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
    EXPECT_EQ(v.Get(ErgebnisBitBtn).fontColour, Colour::Teal);
    EXPECT_FALSE(v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(v.GetColour(GroupBoxIntFSpr), Colour::Silver);
    EXPECT_FALSE(v.Get(IntFSprComboBox).enabled);
    // Step 0 is off, its box on the item that means no intensive language.
    const int none = items::IndexOf(items::Of(IntFSprComboBox), items::Means::None);
    EXPECT_EQ(v.ItemIndex(IntFSprComboBox), none);
    EXPECT_EQ(v.Text(IntFSprComboBox), items::Of(IntFSprComboBox)[none].text);
    EXPECT_EQ(v.Text(SeminarBox), "Seminarfach");
    EXPECT_EQ(v.Text(MaskEdit4), "Gymnasium Lindenhain");
    EXPECT_EQ(v.Text(MaskEdit1), "");

    // Panels keep their visibility.
    EXPECT_TRUE(v.Get(ZusatzPanel).visible);
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);

    // Half-years and exam roles blank; names, task fields and the step-0 header as stated.
    EXPECT_EQ(v.Cell(3, 7), " ");
    EXPECT_EQ(v.Cell(1, 20), " ");
    EXPECT_EQ(v.Cell(0, 1), "Deutsch");
    EXPECT_EQ(v.Cell(6, 1), "A");
    EXPECT_EQ(v.Cell(6, 0), "  ");
    EXPECT_EQ(v.Cell(0, 0), "");
}

TEST(ResetPlan, OpensStepZeroWhenSwitchedOn) {
    ChoiceState st;
    st.IntSchrittAktiv = 1;
    TestView v;
    for (const char* item : {"Französisch", "Latein", "Spanisch", "keine"})
        v.AddItem(IntFSprComboBox, item);
    v.SetCell(6, 0, "x");
    ResetPlan(st, v);
    EXPECT_EQ(v.GetColour(GroupBoxIntFSpr), Colour::Orange);
    EXPECT_TRUE(v.Get(IntFSprComboBox).enabled);
    EXPECT_TRUE(v.Get(IntFSprBitBtn).enabled);
    EXPECT_EQ(v.ItemIndex(IntFSprComboBox), 3);
    EXPECT_EQ(v.Cell(6, 0), "x");
}

TEST(ViewNames, RoundTripEveryControl) {
    for (Control c : AllControls()) EXPECT_EQ(ControlFromName(ControlName(c)), c);
    EXPECT_FALSE(ControlFromName("Lk6Box").has_value());
    EXPECT_EQ(ControlName(Kurse_ok), "Kurse_ok");
    EXPECT_EQ(ColourFromWord("paleyellow"), Colour::PaleYellow);
}

}  // namespace
}  // namespace belegix

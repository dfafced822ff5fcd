// What a screen reader is told: names, the keyboard order, and the results in words.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/accessibility.h"
#include "core/design.h"
#include "core/plan_limits.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using enum Control;
using test::TestView;

// The captions the design gives, or those set in `now`.
access::CaptionOf Captions(std::map<Control, std::string> now = {}) {
    return [now](Control c) {
        const auto it = now.find(c);
        return it != now.end() ? it->second : std::string(design::Of(c).text);
    };
}

TEST(AccessibleNames, FieldsAreNamedByTheirLabelNotByTheirValue) {
    // Every field that has a label is named after it, and no box by one of its items.
    for (const design::ControlDesign& d : design::Controls()) {
        const auto label = access::LabelOf(d.control);
        if (d.kind != design::Kind::Combo && d.kind != design::Kind::Edit) continue;
        ASSERT_TRUE(label.has_value()) << ControlName(d.control);
        const std::string name = access::Name(d.control, Captions());
        EXPECT_EQ(access::Name(d.control, Captions({{d.control, "bereits erfüllt"}})), name);
        EXPECT_NE(name, std::string(d.text)) << ControlName(d.control);
    }
    EXPECT_EQ(access::Name(DeBox, Captions()), "Deutsch");
    EXPECT_EQ(access::LabelOf(DeBox), Label5);
    EXPECT_EQ(access::Name(GroupBox1, Captions()), "2. Prüfungsfächer wählen");
}

TEST(AccessibleNames, ExamPositionsFollowTheirLabel) {
    EXPECT_EQ(access::Name(Lk1Box, Captions()), "P1 – 1. Prüfungsfach");
    EXPECT_EQ(access::Name(Label24, Captions()), "P5 – 5. Prüfungsfach");
    const auto marked = Captions({{Label15, "SP1"}, {Label17, "SP2"}});
    EXPECT_EQ(access::Name(Lk1Box, marked), "SP1 – 1. Prüfungsfach, 1. Schwerpunktfach");
    EXPECT_EQ(access::Name(P3Box, marked), "SP2 – 3. Prüfungsfach, 2. Schwerpunktfach");
    EXPECT_EQ(access::Name(Label17, marked), access::Name(P3Box, marked));
    EXPECT_EQ(access::NamesFollowing(Label17), (std::vector<Control>{Label17, P3Box}));
    EXPECT_TRUE(access::NamesFollowing(P3Box).empty());
    EXPECT_EQ(access::NamesFollowing(ProfilLabel), std::vector<Control>{ProfilLabel});
}

TEST(AccessibleNames, CaptionsAreTrimmed) {
    EXPECT_EQ(access::Name(BeendenBitBtn, Captions()), "Ende");
    EXPECT_EQ(access::Name(Label14, Captions()), "5. Belegungsplan");
    EXPECT_EQ(access::Name(ProfilLabel, Captions({{ProfilLabel, "Sprachliches Profil"}})),
              "Sprachliches Profil");
    EXPECT_EQ(access::Name(ProfilLabel, Captions({{ProfilLabel, ""}})), "Gewähltes Profil");
}

TEST(AccessibleNames, EveryControlHasOneAndNoTwoButtonsShareOne) {
    std::set<std::string> buttons;
    for (const design::ControlDesign& d : design::Controls()) {
        const std::string name = access::Name(d.control, Captions());
        EXPECT_FALSE(name.empty()) << ControlName(d.control);
        if (d.kind == design::Kind::Button) {
            EXPECT_TRUE(buttons.insert(name).second) << name;
        }
    }
}

TEST(AccessibleNames, PlanColumnsAreNamedByTheirHeaderCell) {
    EXPECT_EQ(access::ColumnHeader(plan::kSubjectColumn, "Fach"), "Fach");
    EXPECT_EQ(access::ColumnHeader(plan::HalfYearColumn(2), " 2.Hj. "), "2.Hj.");
    EXPECT_EQ(access::ColumnHeader(plan::kFieldColumn, "  "), "Aufgabenfeld");
}

TEST(TabOrder, VisitsEveryFieldAndButtonOnceAndNothingElse) {
    const auto& order = access::TabOrder();
    std::set<Control> seen(order.begin(), order.end());
    EXPECT_EQ(seen.size(), order.size());
    for (const design::ControlDesign& d : design::Controls()) {
        const bool takesKeys = d.kind == design::Kind::Combo || d.kind == design::Kind::Button ||
                               d.kind == design::Kind::Edit || d.kind == design::Kind::RadioGroup;
        EXPECT_EQ(seen.count(d.control), takesKeys ? 1u : 0u) << ControlName(d.control);
    }
}

TEST(TabOrder, GoesThroughTheStepsInTurn) {
    const auto& order = access::TabOrder();
    auto at = [&](Control c) { return std::find(order.begin(), order.end(), c) - order.begin(); };
    EXPECT_EQ(at(BitBtnHinweise), 0);
    EXPECT_LT(at(ProfilRadioGroup), at(ProfilBitBtn));
    EXPECT_LT(at(ProfilBitBtn), at(Lk1Box));
    EXPECT_LT(at(Lk1Box), at(Lk2Box));
    EXPECT_LT(at(P5Box), at(PFachBitBtn));
    EXPECT_LT(at(PFachBitBtn), at(DeBox));
    EXPECT_LT(at(BExtraBox), at(AuflagenBitBtn));
    // The evaluation is reachable without entering step 4.
    EXPECT_EQ(at(ErgebnisBitBtn), at(AuflagenBitBtn) + 1);
    EXPECT_LT(at(ErgebnisBitBtn), at(ZusatzBox));
    EXPECT_LT(at(ZusatzBox), at(WeiterBitBtn));
    EXPECT_LT(at(MaskEdit4), at(PersDatenBitBtn));
    EXPECT_EQ(at(BeendenBitBtn), static_cast<std::ptrdiff_t>(order.size()) - 1);
}

TEST(ResultDescriptions, TellValueAndColourInWords) {
    TestView v;
    v.SetText(Gsq, "36");
    v.SetColour(Gsq_ok, Colour::Yellow);
    v.SetText(Gsq_ok, "K");
    v.SetText(Gks, "40");
    v.SetColour(Kurse_ok, Colour::Green);
    v.SetText(Kurse_ok, "J");
    EXPECT_EQ(access::Description(Gsq, v), "Gesamtqualifikation: 36, gelb");
    EXPECT_EQ(access::Description(Gks, v), "Anzahl der Kurse: 40, grün");
    EXPECT_EQ(access::Description(Gsq_ok, v), "Gesamtqualifikation: neutrales Gesicht, gelb");
    EXPECT_EQ(access::Description(Kurse_ok, v), "Anzahl der Kurse: lachendes Gesicht, grün");

    v.SetText(Kurse_ok, "M");
    v.SetColour(Kurse_ok, Colour::Red);
    EXPECT_EQ(access::Description(Kurse_ok, v), "Anzahl der Kurse: Bombe, rot");
    v.SetText(Gsq_ok, "L");
    v.SetColour(Gsq_ok, Colour::Red);
    EXPECT_EQ(access::Description(Gsq_ok, v), "Gesamtqualifikation: trauriges Gesicht, rot");

    v.SetText(Semester1, "30");
    v.SetColour(Semester1, Colour::Red);
    v.SetText(Semester4, "36");
    v.SetColour(Semester4, Colour::Green);
    v.SetText(SemesterD, "39");
    v.SetColour(SemesterD, Colour::Yellow);
    EXPECT_EQ(access::Description(Semester1, v), "1. Halbjahr: 30 Wochenstunden, rot");
    EXPECT_EQ(access::Description(Semester4, v), "4. Halbjahr: 36 Wochenstunden, grün");
    EXPECT_EQ(access::Description(SemesterD, v), "Durchschnitt: 39 Wochenstunden, gelb");
}

TEST(ResultDescriptions, UngradedResultsNameNoColour) {
    TestView v;
    v.SetText(Gks, "0");
    v.SetColour(Kurse_ok, Colour::Neutral);
    v.SetText(Kurse_ok, "");
    v.SetText(Semester2, "0");
    v.SetColour(Semester2, Colour::Neutral);
    EXPECT_EQ(access::Description(Gks, v), "Anzahl der Kurse: 0");
    EXPECT_EQ(access::Description(Kurse_ok, v), "Anzahl der Kurse: keine Bewertung");
    EXPECT_EQ(access::Description(Semester2, v), "2. Halbjahr: 0 Wochenstunden");
    v.SetText(Semester2, "");
    EXPECT_EQ(access::Description(Semester2, v), "2. Halbjahr: keine Angabe");
}

TEST(ResultDescriptions, OnlyResultsAreDescribed) {
    TestView v;
    for (Control c :
         {Gks, Gsq, Kurse_ok, Gsq_ok, Semester1, Semester2, Semester3, Semester4, SemesterD})
        EXPECT_TRUE(access::Describes(c)) << ControlName(c);
    for (Control c : {Lk1Box, Label20, ErgebnisBitBtn, Tabelle, GroupBox3}) {
        EXPECT_FALSE(access::Describes(c)) << ControlName(c);
        EXPECT_EQ(access::Description(c, v), "") << ControlName(c);
    }
}

TEST(ResultDescriptions, ReadTheWholeTextOfAPanel) {
    // A text longer than a short string's inline buffer, with blanks around it: the description
    // holds it whole (the sanitizer build also checks that nothing freed is read).
    TestView v;
    v.SetText(Gks, "  12345678901234567890 Kurse  ");
    v.SetText(Semester3, " 36 ");
    EXPECT_EQ(access::Description(Gks, v), "Anzahl der Kurse: 12345678901234567890 Kurse");
    EXPECT_EQ(access::Description(Semester3, v), "3. Halbjahr: 36 Wochenstunden");
}

}  // namespace
}  // namespace belegix

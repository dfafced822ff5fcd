// The window's own handlers (intro, clock, quit), its message-box conventions and the design
// table the Qt window is built from.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/box_items.h"
#include "core/choice_state.h"
#include "core/design.h"
#include "core/message_boxes.h"
#include "core/rules/events.h"
#include "core/rules/profile_lists.h"
#include "core/rules/window.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;

// ---------------------------------------------------------------------------------------------
// "  Ende"

TEST(Beenden, NoAsksOnceAndChangesNothing) {
    TestView v;
    v.QueueAnswer(DlgResult::No);
    QuitAfterAsking(v);
    ASSERT_EQ(v.Boxes().size(), 1u);
    const Box& ask = v.Boxes()[0];
    EXPECT_EQ(ask.kind, Box::Kind::Confirmation);
    EXPECT_EQ(ask.buttons, DlgButtons::YesNo);
    EXPECT_EQ(ask.text, "\n   Möchtest Du Belegix-LiH-2014 jetzt beenden?   \n");
    EXPECT_FALSE(v.Closed());
}

TEST(Beenden, YesShowsTheContactNoteWithOkThenCloses) {
    TestView v;
    v.QueueAnswer(DlgResult::Yes);
    QuitAfterAsking(v);
    ASSERT_EQ(v.Boxes().size(), 2u);
    const Box& note = v.Boxes()[1];
    EXPECT_EQ(note.kind, Box::Kind::Confirmation);
    EXPECT_EQ(note.buttons, DlgButtons::Ok);
    EXPECT_EQ(note.text,
              "\n      Programmfehler und Verbesserungsvorschläge bitte an:       \n\n"
              "   kurswahl@lih.example oder oberstufe@lih.example       \n");
    EXPECT_TRUE(v.Closed());
}

TEST(Beenden, ClosingTheQuestionWithoutAnswerIsNo) {
    TestView v;  // nothing queued: the box is closed another way
    QuitAfterAsking(v);
    EXPECT_EQ(v.Boxes().size(), 1u);
    EXPECT_FALSE(v.Closed());
}

TEST(Beenden, RunsThroughTheEventTable) {
    TestView v;
    ChoiceState st;
    test::NullPrinter printer;
    Form f{st, v, printer};
    v.QueueAnswer(DlgResult::Yes);
    EXPECT_TRUE(Dispatch(f, BeendenBitBtn, Event::Click));
    EXPECT_TRUE(v.Closed());
    EXPECT_TRUE(Dispatch(f, BitBtnHinweise, Event::Click));
    EXPECT_FALSE(v.Get(MemoIntro).visible);
}

// ---------------------------------------------------------------------------------------------
// Intro screen, status bar

TEST(Intro, KurswahlenBeginnenHidesTheFourAndDisablesItsButton) {
    TestView v;
    CloseIntro(v);
    for (Control c : {MemoIntro, MemoHead, MemoHead2, BitBtnHinweise})
        EXPECT_FALSE(v.Get(c).visible) << ControlName(c);
    EXPECT_FALSE(v.Get(BitBtnHinweise).enabled);
    EXPECT_TRUE(v.Get(MemoIntro).enabled);  // only the button is disabled
    EXPECT_TRUE(v.Boxes().empty());
}

TEST(StatusBar, ClockWritesPanelsZeroAndOneOnly) {
    TestView v;
    ShowStatusTexts(v);
    ShowClock(v, "08:00", "01.06.16");
    EXPECT_EQ(v.status()[0], "08:00");
    EXPECT_EQ(v.status()[1], "01.06.16");
    EXPECT_EQ(v.status()[2], "Letzte Aktualisierung am 24. März 2014");
    EXPECT_EQ(v.status()[3],
              "Verantwortlich:  Oberstufenkoordination - Gymnasium Lindenhain / Morlstadt   "
              "kurswahl@lih.example");
}

// ---------------------------------------------------------------------------------------------
// Message boxes

TEST(MessageBoxes, CaptionsKindsAndButtons) {
    const BoxRequest info = MessageDlgBox("x", DlgType::Information, DlgButtons::Ok);
    EXPECT_EQ(info.kind, BoxKind::Information);
    EXPECT_EQ(info.caption, "Information");
    EXPECT_EQ(info.buttons, std::vector<DlgResult>{DlgResult::Ok});

    const BoxRequest ask = MessageDlgBox("x", DlgType::Confirmation, DlgButtons::YesNo);
    EXPECT_EQ(ask.kind, BoxKind::Confirmation);
    EXPECT_EQ(ask.caption, "Bestätigung");
    EXPECT_EQ(ask.buttons, (std::vector<DlgResult>{DlgResult::Yes, DlgResult::No}));

    const BoxRequest note = MessageDlgBox("x", DlgType::Confirmation, DlgButtons::Ok);
    EXPECT_EQ(note.buttons, std::vector<DlgResult>{DlgResult::Ok});

    const BoxRequest plain = PlainBox("x");
    EXPECT_EQ(plain.kind, BoxKind::Plain);
    EXPECT_EQ(plain.caption, "Belegix-LiH-Info");
    EXPECT_EQ(plain.buttons, std::vector<DlgResult>{DlgResult::Ok});
}

TEST(MessageBoxes, TextIsKeptExactly) {
    const std::string text = "\n  Zeile eins\rZeile zwei   ";
    EXPECT_EQ(MessageDlgBox(text, DlgType::Information, DlgButtons::Ok).text, text);
    EXPECT_EQ(PlainBox(text).text, text);
}

TEST(MessageBoxes, ScreenTextBreaksLinesAtALoneCarriageReturn) {
    EXPECT_EQ(ScreenText("a\rb"), "a\nb");
    EXPECT_EQ(ScreenText("a\r\nb"), "a\nb");
    EXPECT_EQ(ScreenText("\n a \n"), "\n a \n");
    EXPECT_EQ(ScreenText("a\r\rb\r"), "a\n\nb\n");
    EXPECT_EQ(ScreenText(""), "");
}

TEST(MessageBoxes, AnswerWords) {
    EXPECT_EQ(AnswerWord(DlgResult::Yes), "Yes");
    EXPECT_EQ(AnswerWord(DlgResult::No), "No");
    EXPECT_EQ(AnswerWord(DlgResult::Ok), "OK");
}

// ---------------------------------------------------------------------------------------------
// The design table

TEST(Design, HoldsEveryControlOnceInDesignOrder) {
    const auto& all = design::Controls();
    ASSERT_EQ(all.size(), kControlCount);
    for (std::size_t i = 0; i < kControlCount; ++i)
        EXPECT_EQ(all[i].control, AllControls()[i]) << i;
}

TEST(Design, ParentsComeBeforeTheirChildrenAndAreContainers) {
    std::set<Control> seen;
    for (const auto& d : design::Controls()) {
        if (d.parent) {
            EXPECT_TRUE(seen.count(*d.parent)) << ControlName(d.control);
            const auto kind = design::Of(*d.parent).kind;
            EXPECT_TRUE(kind == design::Kind::GroupBox || kind == design::Kind::Panel)
                << ControlName(d.control);
        }
        seen.insert(d.control);
    }
}

struct Placement {
    Control c;
    int left, top, width, height;
};

TEST(Design, PositionsAndSizes) {
    const Placement expected[] = {
        {Label4, 20, 16, 825, 49},
        {LbIntFSpr, 24, 80, 209, 16},
        {GroupBoxIntFSpr, 24, 96, 209, 46},
        {IntHilfeBitBtn, 24, 142, 65, 24},
        {IntFSprBitBtn, 138, 142, 97, 24},
        {Memo1, 24, 80, 209, 89},
        {Label23, 24, 176, 209, 16},
        {ProfilRadioGroup, 24, 192, 209, 145},
        {ProfilHilfeBitBtn, 24, 336, 65, 24},
        {ProfilBitBtn, 138, 336, 97, 24},
        {ZusatzPanel, 23, 170, 210, 193},
        {Label1, 24, 369, 209, 16},
        {GroupBox1, 24, 384, 209, 185},
        {PFachHilfeBitBtn, 24, 568, 65, 24},
        {PFachBitBtn, 137, 568, 97, 24},
        {Label2, 250, 80, 251, 16},
        {GroupBox2, 250, 96, 251, 337},
        {AuflagenHilfeBitBtn, 250, 432, 65, 25},
        {AuflagenBitBtn, 406, 432, 97, 25},
        {Label3, 250, 472, 251, 16},
        {GroupBox3, 250, 488, 251, 81},
        {KurseHilfeBitBtn, 250, 568, 65, 25},
        {WeiterBitBtn, 406, 568, 97, 25},
        {PersDatenPanel, 250, 400, 253, 193},
        {Label14, 520, 80, 321, 16},
        {ProfilLabel, 520, 96, 321, 16},
        {Tabelle, 520, 112, 321, 345},
        {Label21, 520, 457, 121, 30},
        {Semester1, 640, 457, 41, 30},
        {SemesterD, 800, 457, 41, 30},
        {ErgebnisBitBtn, 520, 496, 100, 40},
        {Label20, 619, 496, 148, 20},
        {Label25, 619, 516, 148, 20},
        {Gks, 768, 496, 33, 20},
        {Gsq, 768, 516, 33, 20},
        {Kurse_ok, 808, 491, 33, 25},
        {Gsq_ok, 808, 516, 33, 25},
        {Panel2, 520, 552, 321, 41},
        {ResetBitBtn, 4, 5, 122, 33},
        {DruckenBitBtn, 129, 5, 92, 33},
        {BeendenBitBtn, 223, 5, 96, 33},
        {MemoIntro, 20, 72, 825, 537},
        {MemoHead, 51, 90, 771, 39},
        {MemoHead2, 51, 128, 771, 43},
        {BitBtnHinweise, 608, 541, 185, 41},
        {StatusBar1, 0, 618, 862, 19},
    };
    for (const Placement& p : expected) {
        const auto& d = design::Of(p.c);
        EXPECT_EQ(d.left, p.left) << ControlName(p.c);
        EXPECT_EQ(d.top, p.top) << ControlName(p.c);
        EXPECT_EQ(d.width, p.width) << ControlName(p.c);
        EXPECT_EQ(d.height, p.height) << ControlName(p.c);
    }
    // The combo boxes of steps 2 and 3 and their labels.
    const Control exam[] = {Lk1Box, Lk2Box, P3Box, P4Box, P5Box};
    const Control examLabels[] = {Label15, Label16, Label17, Label18, Label24};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(design::Of(exam[k]).top, 24 + 32 * k);
        EXPECT_EQ(design::Of(exam[k]).left, 40);
        EXPECT_EQ(design::Of(exam[k]).width, 161);
        EXPECT_EQ(design::Of(examLabels[k]).top, 27 + 32 * k);
        EXPECT_EQ(design::Of(examLabels[k]).left, 10);
    }
    const Control boxes[] = {DeBox, FspBox, KuMuBox, PoBox, GeBox, ReWnBox, MaBox, NaturBox, SpBox};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(design::Of(boxes[k]).top, 16 + 32 * k) << ControlName(boxes[k]);
        EXPECT_EQ(design::Of(boxes[k]).left, 120);
        EXPECT_EQ(design::Of(boxes[k]).width, 121);
    }
    EXPECT_EQ(design::Of(BExtraBox).left, 93);
    EXPECT_EQ(design::Of(BExtraBox).top, 304);
    EXPECT_EQ(design::Of(BExtraBox).width, 148);
    const Control labels[] = {Label5,  Label6,  Label7,  Label8,  Label9,
                              Label10, Label11, Label12, Label13, Label19};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(design::Of(labels[k]).top, 24 + 32 * k);
        EXPECT_EQ(design::Of(labels[k]).left, 8);
    }
}

TEST(Design, ParentsOfTheInnerControls) {
    EXPECT_EQ(design::Of(IntFSprComboBox).parent, GroupBoxIntFSpr);
    EXPECT_EQ(design::Of(Lk1Box).parent, GroupBox1);
    EXPECT_EQ(design::Of(Label19).parent, GroupBox2);
    EXPECT_EQ(design::Of(ZusatzBox).parent, GroupBox3);
    EXPECT_EQ(design::Of(RGZusatzkurse).parent, ZusatzPanel);
    EXPECT_EQ(design::Of(MaskEdit4).parent, PersDatenPanel);
    EXPECT_EQ(design::Of(ResetBitBtn).parent, Panel2);
    EXPECT_FALSE(design::Of(ErgebnisBitBtn).parent.has_value());
    EXPECT_TRUE(design::IsInside(ZusatzBox, GroupBox3));
    EXPECT_FALSE(design::IsInside(GroupBox3, ZusatzBox));
    EXPECT_FALSE(design::IsInside(ErgebnisBitBtn, GroupBox3));
}

TEST(Design, CaptionsItemsAndInitialState) {
    EXPECT_EQ(design::Of(Label14).text, "  5. Belegungsplan  ");
    EXPECT_EQ(design::Of(BeendenBitBtn).text, "  Ende");
    EXPECT_EQ(design::Of(ProfilBitBtn).text, "  Fertig");
    EXPECT_EQ(design::Of(IntFSprComboBox).text, "Bitte auswählen!");
    EXPECT_EQ(design::Of(MaskEdit4).text, "Gymnasium Lindenhain");
    EXPECT_TRUE(design::Of(BExtraBox).items.empty());
    EXPECT_FALSE(design::Of(DruckenBitBtn).enabled);
    EXPECT_FALSE(design::Of(SeminarBox).enabled);
    EXPECT_FALSE(design::Of(ZusatzPanel).visible);
    EXPECT_FALSE(design::Of(PersDatenPanel).visible);
    EXPECT_EQ(design::Of(Label22).fontColour, Colour::Red);
    EXPECT_EQ(design::Of(BeendenBitBtn).fontColour, Colour::Maroon);
    EXPECT_EQ(design::Of(ErgebnisBitBtn).fontColour, Colour::Teal);
    EXPECT_EQ(design::Of(Label1).colour, Colour::Desktop);
    EXPECT_EQ(design::Of(Label1).fontColour, Colour::White);
    EXPECT_EQ(design::Of(PoBox).colour, Colour::PaleYellow);
    EXPECT_EQ(design::Of(Tabelle).colour, Colour::PaleYellow);
    EXPECT_EQ(design::Of(Kurse_ok).fontColour, Colour::Maroon);
}

// Whether an item's text names `s`: it begins as the subject's name does ("Politik-W." and
// "Politik-W"), or its words' initials spell the name ("Werte u. Normen" and "WuN").
bool Names(std::string_view text, Subject s) {
    const std::string_view name = SubjectName(s);
    if (text.substr(0, 4) == name.substr(0, 4)) return true;
    std::string initials;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 0 || text[i - 1] == ' ') initials += text[i];
    return initials == name;
}

// Every item table against the design and against the subject catalogue: the design shows each
// table's texts in the table's order, and each item's text agrees with its meaning, so that
// moving a text or a meaning alone is caught.
TEST(Design, EveryItemTableAgreesWithTheDesignAndItsMeaning) {
    for (Control box : {IntFSprComboBox, DeBox, FspBox, KuMuBox, PoBox, GeBox, ReWnBox, MaBox,
                        NaturBox, SpBox, ZusatzBox})
        EXPECT_EQ(design::Of(box).items, items::Texts(items::Of(box))) << ControlName(box);
    EXPECT_EQ(design::Of(ProfilRadioGroup).items,
              items::Texts<items::ProfileItem>(items::kProfiles));
    EXPECT_EQ(design::Of(RGZusatzkurse).items, items::Texts<items::PeriodItem>(items::kPeriods));
    EXPECT_EQ(design::Of(SeminarBox).items, items::Texts(items::kSeminarAreas));

    // Each obligation box of step 3 has one "bereits erfüllt"; the other tables have none.
    const std::set<Control> obligationBoxes = {DeBox,   FspBox, KuMuBox,  PoBox, GeBox,
                                               ReWnBox, MaBox,  NaturBox, SpBox};
    for (Control box : {IntFSprComboBox, DeBox, FspBox, KuMuBox, PoBox, GeBox, ReWnBox, MaBox,
                        NaturBox, SpBox, BExtraBox, ZusatzBox}) {
        int met = 0;
        for (const items::BoxItem& item : items::Of(box)) {
            const std::string where = std::string(ControlName(box)) + " " + std::string(item.text);
            EXPECT_EQ(item.subject.has_value(), item.means == items::Means::Course) << where;
            if (item.subject) {
                EXPECT_EQ(SubjectKey(*item.subject).size(), 2u) << where;
                EXPECT_TRUE(Names(item.text, *item.subject)) << where;
            }
            EXPECT_EQ(item.hours != 0, box == ZusatzBox) << where;
            if (item.means == items::Means::Met) {
                ++met;
                EXPECT_TRUE(item.text.starts_with("bereits erfüllt")) << where;
            }
        }
        EXPECT_EQ(met, obligationBoxes.contains(box) ? 1 : 0) << ControlName(box);
    }
    for (Profile p : {Profile::A, Profile::KuMu, Profile::B, Profile::C, Profile::Sport}) {
        const items::ProfileItem& option = items::ItemOf(p);
        // The option and the caption start alike ("sprachlich", "Sprachliches Profil").
        EXPECT_EQ(option.text.substr(1, 4), option.caption.substr(1, 4)) << option.text;
        for (Control box : {Lk1Box, Lk2Box, P3Box, P4Box, P5Box}) {
            EXPECT_FALSE(ExamList(p, box).empty()) << option.text;
            for (const ListItem& item : ExamList(p, box))
                EXPECT_TRUE(Names(item.text, item.subject)) << option.text << " " << item.text;
        }
    }
    for (const items::PeriodItem& period : items::kPeriods) {
        EXPECT_EQ(period.text.substr(0, 2), std::to_string(period.from) + ".") << period.text;
        EXPECT_NE(period.text.find(std::to_string(period.to) + ". Halbjahr"),
                  std::string_view::npos)
            << period.text;
    }
}

TEST(Design, PickAndTypingTargets) {
    EXPECT_TRUE(design::TakesPick(Lk1Box));
    EXPECT_TRUE(design::TakesPick(RGZusatzkurse));
    EXPECT_FALSE(design::TakesPick(MaskEdit1));
    EXPECT_FALSE(design::TakesPick(ProfilBitBtn));
    EXPECT_TRUE(design::TakesTyping(ZusatzBox));
    EXPECT_TRUE(design::TakesTyping(MaskEdit3));
    EXPECT_FALSE(design::TakesTyping(ProfilRadioGroup));
    EXPECT_FALSE(design::TakesTyping(Label4));
}

TEST(Design, GridRowsFitTheGrid) {
    int height = 0;
    for (int row = 0; row < kGridRows; ++row) height += design::GridRowHeight(row) + 1;
    EXPECT_EQ(design::GridRowHeight(1), 14);
    EXPECT_EQ(design::GridRowHeight(17), 17);
    EXPECT_EQ(design::GridRowHeight(0), 15);
    EXPECT_LE(height, design::Of(Tabelle).height);
    int width = 0;
    for (int w : design::kGridColumnWidths) width += w + 1;
    EXPECT_LE(width, design::Of(Tabelle).width);
}

}  // namespace
}  // namespace belegix

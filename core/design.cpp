#include "core/design.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "core/box_items.h"
#include "core/help_texts.h"
#include "core/must_exist.h"

// The table names only the fields that differ from a control's defaults; every other field
// keeps its default member initializer, which is exactly what the warning below is about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace belegix::design {

namespace {

using C = Control;
using K = Kind;

constexpr Font kSmall{"Arial", 11, true, false};
constexpr Font kSansSerif11{"MS Sans Serif", 11, true, false};
// The three longest captions of step 3, one pixel smaller so that they end before their boxes.
constexpr Font kLongCaption{"Arial", 12, true, false};

// A step heading: white bold Arial on the desktop colour.
ControlDesign Heading(Control c, int left, int top, int width, std::string_view text) {
    return {.control = c,
            .kind = K::Heading,
            .left = left,
            .top = top,
            .width = width,
            .height = 16,
            .text = text,
            .colour = Colour::Desktop,
            .fontColour = Colour::White};
}

ControlDesign Button(Control c, std::optional<Control> parent, int left, int top, int width,
                     int height, std::string_view text, Glyph glyph, bool enabled = true) {
    return {.control = c,
            .kind = K::Button,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .text = text,
            .fontColour = Colour::Teal,
            .glyph = glyph,
            .enabled = enabled};
}

ControlDesign Combo(Control c, Control parent, int left, int top, int width,
                    std::vector<std::string_view> items, Colour colour = Colour::White,
                    Font font = {}, int height = 24) {
    return {.control = c,
            .kind = K::Combo,
            .parent = parent,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .items = std::move(items),
            .colour = colour,
            .font = font};
}

// A caption inside a frame or panel, sized to its text, showing the frame's colour.
ControlDesign InnerLabel(Control c, Control parent, int left, int top, std::string_view text,
                         Font font = {}) {
    return {.control = c,
            .kind = K::Label,
            .parent = parent,
            .left = left,
            .top = top,
            .text = text,
            .parentColour = true,
            .font = font};
}

ControlDesign Frame(Control c, int left, int top, int width, int height, bool enabled = true) {
    return {.control = c,
            .kind = K::GroupBox,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .colour = Colour::Silver,
            .enabled = enabled};
}

ControlDesign ResultPanel(Control c, int left, int top, int width, int height, Font font = {}) {
    return {.control = c,
            .kind = K::Panel,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .align = Align::Centre};
}

ControlDesign NavyLabel(Control c, int left, int top, int width, int height, std::string_view text,
                        Align align) {
    return {.control = c,
            .kind = K::Label,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .text = text,
            .colour = Colour::Navy,
            .fontColour = Colour::White,
            .align = align};
}

ControlDesign Edit(Control c, int top, int maxLength, std::string_view text = "") {
    return {.control = c,
            .kind = K::Edit,
            .parent = C::PersDatenPanel,
            .left = 88,
            .top = top,
            .width = 157,
            .height = 22,
            .text = text,
            .colour = Colour::White,
            .maxLength = maxLength};
}

std::vector<ControlDesign> Build() {
    using items::Texts;
    const Font kSmiley{"Wingdings", 21, true, false};

    std::vector<ControlDesign> d = {
        // Title area.
        {.control = C::Label4,
         .kind = K::Label,
         .left = 20,
         .top = 16,
         .width = 825,
         .height = 49,
         .text = "   Qualifikationsphase am LiH: Prüfung der Wahlen/Auflagen",
         .colour = Colour::Silver,
         .font = {"Arial", 23, true, false}},
        {.control = C::Label26,
         .kind = K::Label,
         .left = 726,
         .top = 26,
         .text = "VO-GO+AVO-GOBAK",
         .colour = Colour::Silver,
         .font = kSmall},
        {.control = C::Label22,
         .kind = K::Label,
         .left = 728,
         .top = 45,
         .text = "Stand:     4.02.2014",
         .colour = Colour::Silver,
         .fontColour = Colour::Red,
         .font = kSmall},

        // Step 0 and the hint memo.
        Heading(C::LbIntFSpr, 24, 80, 209, "  0. Intensiv-Fremdsprache ?"),
        Frame(C::GroupBoxIntFSpr, 24, 96, 209, 46, false),
        {.control = C::IntFSprComboBox,
         .kind = K::Combo,
         .parent = C::GroupBoxIntFSpr,
         .left = 24,
         .top = 16,
         .width = 161,
         .height = 24,
         .text = "Bitte auswählen!",
         .items = Texts(items::Of(C::IntFSprComboBox)),
         .colour = Colour::White,
         .enabled = false},
        Button(C::IntHilfeBitBtn, {}, 24, 142, 65, 24, "Hilfe", Glyph::Help, false),
        Button(C::IntFSprBitBtn, {}, 138, 142, 97, 24, "  Fertig", Glyph::AllDone, false),
        {.control = C::Memo1,
         .kind = K::Memo,
         .left = 24,
         .top = 80,
         .width = 209,
         .height = 89,
         .text = help::Memo1(),
         .colour = Colour::Silver,
         .font = {"Arial", 12, true, false}},

        // Step 1 and the period panel.
        Heading(C::Label23, 24, 176, 209, "  1. Profil wählen"),
        {.control = C::ProfilRadioGroup,
         .kind = K::RadioGroup,
         .left = 24,
         .top = 192,
         .width = 209,
         .height = 145,
         .items = Texts<items::ProfileItem>(items::kProfiles),
         .colour = Colour::Silver,
         .font = kSmall},
        Button(C::ProfilHilfeBitBtn, {}, 24, 336, 65, 24, "Hilfe", Glyph::Help),
        Button(C::ProfilBitBtn, {}, 138, 336, 97, 24, "  Fertig", Glyph::AllDone),
        {.control = C::ZusatzPanel,
         .kind = K::Panel,
         .left = 23,
         .top = 170,
         .width = 210,
         .height = 193,
         .colour = Colour::Orange,
         .visible = false},
        {.control = C::LbZusatzZeit,
         .kind = K::Label,
         .parent = C::ZusatzPanel,
         .left = 8,
         .top = 8,
         .width = 194,
         .height = 34,
         .text = "Wann soll der Unterricht stattfinden?",
         .parentColour = true,
         .fontColour = Colour::White,
         .align = Align::Centre},
        {.control = C::RGZusatzkurse,
         .kind = K::RadioGroup,
         .parent = C::ZusatzPanel,
         .left = 8,
         .top = 44,
         .width = 194,
         .height = 110,
         .items = Texts<items::PeriodItem>(items::kPeriods),
         .parentColour = true,
         .fontColour = Colour::White},
        Button(C::FZusatzkurseBitBtn, C::ZusatzPanel, 56, 160, 97, 24, "  Fertig", Glyph::AllDone),

        // Step 2.
        Heading(C::Label1, 24, 369, 209, "  2. Prüfungsfächer wählen"),
        Frame(C::GroupBox1, 24, 384, 209, 185),
        InnerLabel(C::Label15, C::GroupBox1, 10, 27, "P1", kSansSerif11),
        InnerLabel(C::Label16, C::GroupBox1, 10, 59, "P2", kSansSerif11),
        InnerLabel(C::Label17, C::GroupBox1, 10, 91, "P3", kSansSerif11),
        InnerLabel(C::Label18, C::GroupBox1, 10, 123, "P4", kSansSerif11),
        InnerLabel(C::Label24, C::GroupBox1, 10, 155, "P5", kSansSerif11),
        Combo(C::Lk1Box, C::GroupBox1, 40, 24, 161, {}, Colour::White, kSansSerif11, 21),
        Combo(C::Lk2Box, C::GroupBox1, 40, 56, 161, {}, Colour::White, kSansSerif11, 21),
        Combo(C::P3Box, C::GroupBox1, 40, 88, 161, {}, Colour::White, kSansSerif11, 21),
        Combo(C::P4Box, C::GroupBox1, 40, 120, 161, {}, Colour::White, kSansSerif11, 21),
        Combo(C::P5Box, C::GroupBox1, 40, 152, 161, {}, Colour::White, kSansSerif11, 21),
        Button(C::PFachHilfeBitBtn, {}, 24, 568, 65, 24, "Hilfe", Glyph::Help),
        Button(C::PFachBitBtn, {}, 137, 568, 97, 24, "  Fertig", Glyph::AllDone),

        // Step 3.
        Heading(C::Label2, 250, 80, 251, "  3. Belegungsverpflichtungen erfüllen"),
        Frame(C::GroupBox2, 250, 96, 251, 337),
        InnerLabel(C::Label5, C::GroupBox2, 8, 24, "Deutsch"),
        InnerLabel(C::Label6, C::GroupBox2, 8, 56, "Fremdsprache"),
        InnerLabel(C::Label7, C::GroupBox2, 8, 88, "DS, Kunst, Musik"),
        InnerLabel(C::Label8, C::GroupBox2, 8, 120, "Politik-Wirtschaft"),
        InnerLabel(C::Label9, C::GroupBox2, 8, 152, "Geschichte"),
        InnerLabel(C::Label10, C::GroupBox2, 8, 184, "Religion oder WuN", kLongCaption),
        InnerLabel(C::Label11, C::GroupBox2, 8, 216, "Mathematik"),
        InnerLabel(C::Label12, C::GroupBox2, 8, 248, "Naturwissenschaft", kLongCaption),
        InnerLabel(C::Label13, C::GroupBox2, 8, 280, "Sport"),
        InnerLabel(C::Label19, C::GroupBox2, 8, 312, "Zusatzauflage", kLongCaption),
        Combo(C::DeBox, C::GroupBox2, 120, 16, 121, Texts(items::Of(C::DeBox))),
        Combo(C::FspBox, C::GroupBox2, 120, 48, 121, Texts(items::Of(C::FspBox))),
        Combo(C::KuMuBox, C::GroupBox2, 120, 80, 121, Texts(items::Of(C::KuMuBox))),
        Combo(C::PoBox, C::GroupBox2, 120, 112, 121, Texts(items::Of(C::PoBox)),
              Colour::PaleYellow),
        Combo(C::GeBox, C::GroupBox2, 120, 144, 121, Texts(items::Of(C::GeBox)),
              Colour::PaleYellow),
        Combo(C::ReWnBox, C::GroupBox2, 120, 176, 121, Texts(items::Of(C::ReWnBox)),
              Colour::PaleYellow),
        Combo(C::MaBox, C::GroupBox2, 120, 208, 121, Texts(items::Of(C::MaBox))),
        Combo(C::NaturBox, C::GroupBox2, 120, 240, 121, Texts(items::Of(C::NaturBox))),
        Combo(C::SpBox, C::GroupBox2, 120, 272, 121, Texts(items::Of(C::SpBox))),
        Combo(C::BExtraBox, C::GroupBox2, 93, 304, 148, {}),
        Button(C::AuflagenHilfeBitBtn, {}, 250, 432, 65, 25, "Hilfe", Glyph::Help),
        Button(C::AuflagenBitBtn, {}, 406, 432, 97, 25, "  Fertig", Glyph::AllDone),

        // Step 4 and the personal-data panel.
        Heading(C::Label3, 250, 472, 251, "  4. Weitere Kurse wählen"),
        Frame(C::GroupBox3, 250, 488, 251, 81),
        {.control = C::SeminarBox,
         .kind = K::Combo,
         .parent = C::GroupBox3,
         .left = 8,
         .top = 16,
         .width = 233,
         .height = 24,
         .text = "Seminarfach",
         .items = Texts(items::kSeminarAreas),
         .colour = Colour::White,
         .enabled = false},
        Combo(C::ZusatzBox, C::GroupBox3, 8, 48, 233, Texts(items::Of(C::ZusatzBox))),
        Button(C::KurseHilfeBitBtn, {}, 250, 568, 65, 25, "Hilfe", Glyph::Help),
        Button(C::WeiterBitBtn, {}, 406, 568, 97, 25, "Weiter", Glyph::Retry),
        {.control = C::PersDatenPanel,
         .kind = K::Panel,
         .left = 250,
         .top = 400,
         .width = 253,
         .height = 193,
         .colour = Colour::Orange,
         .visible = false},
        InnerLabel(C::Label28, C::PersDatenPanel, 8, 8, "Dateneingabe für Ausdruck",
                   {"Arial", 16, true, true}),
        InnerLabel(C::Label29, C::PersDatenPanel, 8, 44, "Name"),
        InnerLabel(C::Label30, C::PersDatenPanel, 8, 74, "Vorname"),
        InnerLabel(C::Label31, C::PersDatenPanel, 8, 104, "Klasse"),
        InnerLabel(C::Label32, C::PersDatenPanel, 8, 134, "Schule"),
        // Enough for any real name, first name, class and school, and short enough that the
        // printed page stays one page.
        Edit(C::MaskEdit1, 40, 40),
        Edit(C::MaskEdit2, 70, 40),
        Edit(C::MaskEdit3, 100, 10),
        Edit(C::MaskEdit4, 130, 60, "Gymnasium Lindenhain"),
        Button(C::PersDatenBitBtn, C::PersDatenPanel, 148, 162, 97, 24, "  Fertig", Glyph::AllDone),

        // Step 5.
        Heading(C::Label14, 520, 80, 321, "  5. Belegungsplan  "),
        {.control = C::ProfilLabel,
         .kind = K::Label,
         .left = 520,
         .top = 96,
         .width = 321,
         .height = 16,
         .text = " Gewähltes Profil",
         .colour = Colour::Silver,
         .align = Align::Centre},
        {.control = C::Tabelle,
         .kind = K::Grid,
         .left = 520,
         .top = 112,
         .width = 321,
         .height = 345,
         .colour = Colour::PaleYellow,
         .font = kSansSerif11},
        NavyLabel(C::Label21, 520, 457, 121, 30, " Wochenstunden", Align::Left),
        ResultPanel(C::Semester1, 640, 457, 41, 30, {"MS Sans Serif", 13, true, false}),
        ResultPanel(C::Semester2, 680, 457, 41, 30, {"MS Sans Serif", 13, true, false}),
        ResultPanel(C::Semester3, 720, 457, 41, 30, {"MS Sans Serif", 13, true, false}),
        ResultPanel(C::Semester4, 760, 457, 41, 30, {"MS Sans Serif", 13, true, false}),
        ResultPanel(C::SemesterD, 800, 457, 41, 30, {"MS Sans Serif", 13, true, false}),
        Button(C::ErgebnisBitBtn, {}, 520, 496, 100, 40, "Ergebnis", Glyph::AllDone),
        NavyLabel(C::Label20, 619, 496, 148, 20, " Anzahl der Kurse: ", Align::Right),
        NavyLabel(C::Label25, 619, 516, 148, 20, " Gesamtqualifikation: ", Align::Right),
        ResultPanel(C::Gks, 768, 496, 33, 20),
        ResultPanel(C::Gsq, 768, 516, 33, 20),
        {.control = C::Kurse_ok,
         .kind = K::Smiley,
         .left = 808,
         .top = 491,
         .width = 33,
         .height = 25,
         .fontColour = Colour::Maroon,
         .font = kSmiley,
         .align = Align::Centre},
        {.control = C::Gsq_ok,
         .kind = K::Smiley,
         .left = 808,
         .top = 516,
         .width = 33,
         .height = 25,
         .fontColour = Colour::Maroon,
         .font = kSmiley,
         .align = Align::Centre},
        {.control = C::Panel2,
         .kind = K::Panel,
         .left = 520,
         .top = 552,
         .width = 321,
         .height = 41,
         .colour = Colour::Silver},
        Button(C::ResetBitBtn, C::Panel2, 4, 5, 122, 33, "Zurücksetzen", Glyph::Retry),
        Button(C::DruckenBitBtn, C::Panel2, 129, 5, 92, 33, "Drucken", Glyph::Help, false),
        {.control = C::BeendenBitBtn,
         .kind = K::Button,
         .parent = C::Panel2,
         .left = 223,
         .top = 5,
         .width = 96,
         .height = 33,
         .text = "  Ende",
         .fontColour = Colour::Maroon,
         .font = {"Arial", 15, true, false},
         .glyph = Glyph::Abort},

        // Intro screen, in front of everything.
        {.control = C::MemoIntro,
         .kind = K::Memo,
         .left = 20,
         .top = 72,
         .width = 825,
         .height = 537,
         .text = help::MemoIntro(),
         .colour = Colour::Navy,
         .fontColour = Colour::White,
         // One pixel below the 16 px the lines were broken for: the two longest need 853 and
         // 830 px at 16 px where the memo has 821, and the greeting then ends above the button.
         .font = {"Arial", 15, false, false}},
        {.control = C::MemoHead,
         .kind = K::Memo,
         .left = 51,
         .top = 90,
         .width = 771,
         .height = 39,
         .text = help::MemoHead(),
         .colour = Colour::White,
         .font = {"Arial Rounded MT Bold", 27, true, false},
         .align = Align::Centre},
        {.control = C::MemoHead2,
         .kind = K::Memo,
         .left = 51,
         .top = 128,
         .width = 771,
         .height = 43,
         .text = help::MemoHead2(),
         .colour = Colour::White,
         .fontColour = Colour::Red,
         .font = {"Arial", 15, true, false},
         .align = Align::Centre},
        Button(C::BitBtnHinweise, {}, 608, 541, 185, 41, "Kurswahlen beginnen", Glyph::AllDone),

        // Status bar.
        {.control = C::StatusBar1,
         .kind = K::StatusBar,
         .left = 0,
         .top = kClientHeight - kStatusBarHeight,
         .width = kClientWidth,
         .height = kStatusBarHeight,
         .colour = Colour::Silver,
         // Small enough that the panel of the responsible and the contact shows its whole text.
         .font = {"Arial", 10, false, false}},
    };
    return d;
}

}  // namespace

const std::vector<ControlDesign>& Controls() {
    static const std::vector<ControlDesign> table = Build();
    return table;
}

const ControlDesign& Of(Control c) {
    // Looked up for every view operation: an index by control, built once.
    static const std::array<const ControlDesign*, kControlCount> byControl = [] {
        std::array<const ControlDesign*, kControlCount> index{};
        for (const ControlDesign& d : Controls())
            index.at(static_cast<std::size_t>(d.control)) = &d;
        return index;
    }();
    const auto i = static_cast<std::size_t>(c);
    MustExist(i < byControl.size() && byControl[i] != nullptr, "control in the design table");
    const ControlDesign* d = byControl[i];
    return *d;
}

bool IsInside(Control inner, Control outer) {
    std::optional<Control> c = inner;
    while (c) {
        if (*c == outer) return true;
        c = Of(*c).parent;
    }
    return false;
}

bool TakesPick(Control c) {
    const Kind k = Of(c).kind;
    return k == Kind::Combo || k == Kind::RadioGroup;
}

bool TakesTyping(Control c) {
    const Kind k = Of(c).kind;
    return k == Kind::Combo || k == Kind::Edit;
}

int GridRowHeight(int row) {
    if (row == 1) return 14;
    if (row == 17) return 17;
    return 15;
}

}  // namespace belegix::design

#include "core/accessibility.h"

#include <algorithm>
#include <array>

#include "core/design.h"

namespace belegix::access {

namespace {

using enum Control;

struct Named {
    Control control;
    std::string_view name;  // empty: the control's own caption
};

// Every control that is not named by its own caption, with the label or heading it belongs to.
constexpr std::array kNames = {
    // Step 0 and the hint memo.
    Named{GroupBoxIntFSpr, "0. Intensiv-Fremdsprache ?"},
    Named{IntFSprComboBox, "Intensiv-Fremdsprache"},
    Named{Memo1, "Hinweise"},
    // Step 1 and the period panel.
    Named{ProfilRadioGroup, "1. Profil wählen"},
    Named{ZusatzPanel, "Wann soll der Unterricht stattfinden?"},
    Named{RGZusatzkurse, "Wann soll der Unterricht stattfinden?"},
    // Step 2.
    Named{GroupBox1, "2. Prüfungsfächer wählen"},
    Named{Lk1Box, "P1"},
    Named{Lk2Box, "P2"},
    Named{P3Box, "P3"},
    Named{P4Box, "P4"},
    Named{P5Box, "P5"},
    // Step 3.
    Named{GroupBox2, "3. Belegungsverpflichtungen erfüllen"},
    Named{DeBox, "Deutsch"},
    Named{FspBox, "Fremdsprache"},
    Named{KuMuBox, "DS, Kunst, Musik"},
    Named{PoBox, "Politik-Wirtschaft"},
    Named{GeBox, "Geschichte"},
    Named{ReWnBox, "Religion oder WuN"},
    Named{MaBox, "Mathematik"},
    Named{NaturBox, "Naturwissenschaft"},
    Named{SpBox, "Sport"},
    Named{BExtraBox, "Zusatzauflage"},
    // Step 4 and the personal-data panel.
    Named{GroupBox3, "4. Weitere Kurse wählen"},
    Named{SeminarBox, "Seminarfach"},
    Named{ZusatzBox, "Weitere Kurse"},
    Named{PersDatenPanel, "Dateneingabe für Ausdruck"},
    Named{MaskEdit1, "Name"},
    Named{MaskEdit2, "Vorname"},
    Named{MaskEdit3, "Klasse"},
    Named{MaskEdit4, "Schule"},
    // Step 5.
    Named{Tabelle, "5. Belegungsplan"},
    Named{Semester1, "Wochenstunden 1. Halbjahr"},
    Named{Semester2, "Wochenstunden 2. Halbjahr"},
    Named{Semester3, "Wochenstunden 3. Halbjahr"},
    Named{Semester4, "Wochenstunden 4. Halbjahr"},
    Named{SemesterD, "Wochenstunden im Durchschnitt"},
    Named{Gks, "Anzahl der Kurse"},
    Named{Gsq, "Gesamtqualifikation"},
    Named{Kurse_ok, "Bewertung der Anzahl der Kurse"},
    Named{Gsq_ok, "Bewertung der Gesamtqualifikation"},
    Named{Panel2, "Plan zurücksetzen, drucken oder beenden"},
    // Intro screen and status bar.
    Named{MemoIntro, "Hinweise zum Programm"},
    Named{MemoHead, "Hinweise zum Programm Belegix-LiH 2014"},
    Named{MemoHead2, "Hinweis zum Jahrgang"},
    Named{StatusBar1, "Statusleiste"},
};

const Named* Find(Control c) {
    const auto it =
        std::find_if(kNames.begin(), kNames.end(), [c](const Named& n) { return n.control == c; });
    return it == kNames.end() ? nullptr : &*it;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\n' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\n' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A panel's value, or a note that it shows none yet.
std::string Value(const View& v, Control c) {
    // The view's text is kept while its trimmed part is read.
    const std::string full = v.Text(c);
    const std::string_view text = Trim(full);
    return text.empty() ? std::string("keine Angabe") : std::string(text);
}

// ", grün" for a graded panel; nothing for a neutral one.
std::string WithColour(Colour c) {
    const std::string_view word = ColourName(c);
    return word.empty() ? std::string() : ", " + std::string(word);
}

// The picture a smiley shows for its one-letter caption.
std::string Face(const View& v, Control c) {
    const std::string text = v.Text(c);
    if (text == "J") return "lachendes Gesicht";
    if (text == "K") return "neutrales Gesicht";
    if (text == "L") return "trauriges Gesicht";
    if (text == "M") return "Bombe";
    if (Trim(text).empty()) return "keine Bewertung";
    return std::string(Trim(text));
}

std::string HalfYear(const View& v, Control c, std::string_view which) {
    if (Trim(v.Text(c)).empty()) return std::string(which) + ": keine Angabe";
    return std::string(which) + ": " + Value(v, c) + " Wochenstunden" + WithColour(v.GetColour(c));
}

}  // namespace

std::string Name(Control c, std::string_view caption) {
    if (const Named* n = Find(c)) return std::string(n->name);
    // A caption the program has emptied keeps the name of the design's caption.
    if (Trim(caption).empty()) return std::string(Trim(design::Of(c).text));
    return std::string(Trim(caption));
}

bool NamedByCaption(Control c) {
    return Find(c) == nullptr;
}

bool Describes(Control c) {
    switch (c) {
        case Gks:
        case Gsq:
        case Kurse_ok:
        case Gsq_ok:
        case Semester1:
        case Semester2:
        case Semester3:
        case Semester4:
        case SemesterD:
            return true;
        default:
            return false;
    }
}

std::string Description(Control c, const View& v) {
    switch (c) {
        case Gks:
            return "Anzahl der Kurse: " + Value(v, Gks) + WithColour(v.GetColour(Kurse_ok));
        case Gsq:
            return "Gesamtqualifikation: " + Value(v, Gsq) + WithColour(v.GetColour(Gsq_ok));
        case Kurse_ok:
            return "Anzahl der Kurse: " + Face(v, Kurse_ok) + WithColour(v.GetColour(Kurse_ok));
        case Gsq_ok:
            return "Gesamtqualifikation: " + Face(v, Gsq_ok) + WithColour(v.GetColour(Gsq_ok));
        case Semester1:
            return HalfYear(v, c, "1. Halbjahr");
        case Semester2:
            return HalfYear(v, c, "2. Halbjahr");
        case Semester3:
            return HalfYear(v, c, "3. Halbjahr");
        case Semester4:
            return HalfYear(v, c, "4. Halbjahr");
        case SemesterD:
            return HalfYear(v, c, "Durchschnitt");
        default:
            return {};
    }
}

const std::vector<Control>& TabOrder() {
    static const std::vector<Control> order = {
        BitBtnHinweise,
        // Step 0.
        IntFSprComboBox, IntHilfeBitBtn, IntFSprBitBtn,
        // Step 1 and the period panel over it.
        ProfilRadioGroup, ProfilHilfeBitBtn, ProfilBitBtn, RGZusatzkurse, FZusatzkurseBitBtn,
        // Step 2.
        Lk1Box, Lk2Box, P3Box, P4Box, P5Box, PFachHilfeBitBtn, PFachBitBtn,
        // Step 3.
        DeBox, FspBox, KuMuBox, PoBox, GeBox, ReWnBox, MaBox, NaturBox, SpBox, BExtraBox,
        AuflagenHilfeBitBtn, AuflagenBitBtn,
        // The evaluation, then step 4 and the personal-data panel over it.
        ErgebnisBitBtn, SeminarBox, ZusatzBox, KurseHilfeBitBtn, WeiterBitBtn, MaskEdit1, MaskEdit2,
        MaskEdit3, MaskEdit4, PersDatenBitBtn,
        // The buttons under the plan.
        ResetBitBtn, DruckenBitBtn, BeendenBitBtn};
    return order;
}

std::string_view ColourName(Colour c) {
    switch (c) {
        case Colour::Green:
            return "grün";
        case Colour::Yellow:
            return "gelb";
        case Colour::Red:
            return "rot";
        case Colour::Orange:
            return "orange";
        case Colour::Silver:
            return "silbern";
        case Colour::Navy:
            return "dunkelblau";
        case Colour::Teal:
            return "blaugrün";
        case Colour::Maroon:
            return "dunkelrot";
        case Colour::White:
            return "weiß";
        case Colour::Black:
            return "schwarz";
        case Colour::PaleYellow:
            return "hellgelb";
        case Colour::Neutral:
        case Colour::InactiveCaption:
        case Colour::Desktop:
            break;
    }
    return {};
}

}  // namespace belegix::access

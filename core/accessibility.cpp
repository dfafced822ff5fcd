#include "core/accessibility.h"

#include <algorithm>
#include <array>

#include "core/design.h"
#include "core/plan_limits.h"

namespace belegix::access {

namespace {

using enum Control;

struct Named {
    Control control;
    std::string_view name;           // empty: the position's name (kPositions)
    std::optional<Control> label{};  // the label or heading beside it on screen
};

// The exam positions of step 2: each label with the box beside it. The label shows "P1" to "P5"
// or, for the profile's core subjects, "SP1" or "SP2".
struct Position {
    Control label;
    Control box;
    int number;
};
constexpr std::array kPositions = {
    Position{Label15, Lk1Box, 1}, Position{Label16, Lk2Box, 2}, Position{Label17, P3Box, 3},
    Position{Label18, P4Box, 4},  Position{Label24, P5Box, 5},
};

// Every control that is not named by its own caption, with the label or heading it belongs to.
const std::array kNames = {
    // Step 0 and the hint memo.
    Named{GroupBoxIntFSpr, "0. Intensiv-Fremdsprache ?", LbIntFSpr},
    Named{IntFSprComboBox, "Intensiv-Fremdsprache", LbIntFSpr},
    Named{IntHilfeBitBtn, "Hilfe zu Schritt 0"},
    Named{IntFSprBitBtn, "Schritt 0 fertig"},
    Named{Memo1, "Hinweise"},
    // Step 1 and the period panel.
    Named{ProfilRadioGroup, "1. Profil wählen", Label23},
    Named{ProfilHilfeBitBtn, "Hilfe zu Schritt 1"},
    Named{ProfilBitBtn, "Schritt 1 fertig"},
    Named{ZusatzPanel, "Unterrichtszeit wählen"},
    Named{RGZusatzkurse, "Wann soll der Unterricht stattfinden?", LbZusatzZeit},
    Named{FZusatzkurseBitBtn, "Unterrichtszeit fertig"},
    // Step 2.
    Named{GroupBox1, "2. Prüfungsfächer wählen", Label1},
    Named{Lk1Box, {}, Label15},
    Named{Lk2Box, {}, Label16},
    Named{P3Box, {}, Label17},
    Named{P4Box, {}, Label18},
    Named{P5Box, {}, Label24},
    Named{PFachHilfeBitBtn, "Hilfe zu Schritt 2"},
    Named{PFachBitBtn, "Schritt 2 fertig"},
    // Step 3.
    Named{GroupBox2, "3. Belegungsverpflichtungen erfüllen", Label2},
    Named{DeBox, "Deutsch", Label5},
    Named{FspBox, "Fremdsprache", Label6},
    Named{KuMuBox, "DS, Kunst, Musik", Label7},
    Named{PoBox, "Politik-Wirtschaft", Label8},
    Named{GeBox, "Geschichte", Label9},
    Named{ReWnBox, "Religion oder WuN", Label10},
    Named{MaBox, "Mathematik", Label11},
    Named{NaturBox, "Naturwissenschaft", Label12},
    Named{SpBox, "Sport", Label13},
    Named{BExtraBox, "Zusatzauflage", Label19},
    Named{AuflagenHilfeBitBtn, "Hilfe zu Schritt 3"},
    Named{AuflagenBitBtn, "Schritt 3 fertig"},
    // Step 4 and the personal-data panel.
    Named{GroupBox3, "4. Weitere Kurse wählen", Label3},
    Named{SeminarBox, "Bereich des Seminarfachs", Label3},
    Named{ZusatzBox, "Weitere Kurse", Label3},
    Named{KurseHilfeBitBtn, "Hilfe zu Schritt 4"},
    Named{PersDatenPanel, "Dateneingabe für Ausdruck"},
    Named{MaskEdit1, "Name", Label29},
    Named{MaskEdit2, "Vorname", Label30},
    Named{MaskEdit3, "Klasse", Label31},
    Named{MaskEdit4, "Schule", Label32},
    Named{PersDatenBitBtn, "Dateneingabe fertig"},
    // Step 5.
    Named{Tabelle, "5. Belegungsplan", Label14},
    Named{Semester1, "Wochenstunden 1. Halbjahr"},
    Named{Semester2, "Wochenstunden 2. Halbjahr"},
    Named{Semester3, "Wochenstunden 3. Halbjahr"},
    Named{Semester4, "Wochenstunden 4. Halbjahr"},
    Named{SemesterD, "Wochenstunden im Durchschnitt"},
    Named{Gks, "Anzahl der Kurse", Label20},
    Named{Gsq, "Gesamtqualifikation", Label25},
    Named{Kurse_ok, "Bewertung der Anzahl der Kurse"},
    Named{Gsq_ok, "Bewertung der Gesamtqualifikation"},
    Named{Panel2, "Plan zurücksetzen, drucken oder beenden"},
    // Intro screen and status bar.
    Named{MemoIntro, "Hinweise zum Programm"},
    Named{MemoHead, "Hinweise zum Programm Belegix-LiH 2014"},
    Named{MemoHead2, "Hinweis zum Jahrgang"},
    Named{StatusBar1, "Statusleiste"},
};

const Position* PositionOf(Control c) {
    const auto it = std::find_if(kPositions.begin(), kPositions.end(),
                                 [c](const Position& p) { return p.label == c || p.box == c; });
    return it == kPositions.end() ? nullptr : &*it;
}

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

// A caption as it is read: trimmed; a caption the program has emptied keeps the name of the
// design's caption.
std::string Caption(Control c, const CaptionOf& caption) {
    const std::string now = caption(c);
    if (Trim(now).empty()) return std::string(Trim(design::Of(c).text));
    return std::string(Trim(now));
}

// "P1 – 1. Prüfungsfach"; a core subject's "SP2" at P3: "SP2 – 3. Prüfungsfach,
// 2. Schwerpunktfach".
std::string PositionName(const Position& p, const std::string& caption) {
    std::string name = caption + " – " + std::to_string(p.number) + ". Prüfungsfach";
    if (caption.size() == 3 && caption.starts_with("SP"))
        name += ", " + caption.substr(2) + ". Schwerpunktfach";
    return name;
}

}  // namespace

std::string Name(Control c, const CaptionOf& caption) {
    if (const Position* p = PositionOf(c)) return PositionName(*p, Caption(p->label, caption));
    if (const Named* n = Find(c)) return std::string(n->name);
    return Caption(c, caption);
}

std::vector<Control> NamesFollowing(Control changed) {
    if (const Position* p = PositionOf(changed))
        return p->label == changed ? std::vector<Control>{p->label, p->box}
                                   : std::vector<Control>{};
    if (Find(changed) == nullptr) return {changed};
    return {};
}

std::optional<Control> LabelOf(Control c) {
    if (const Named* n = Find(c)) return n->label;
    return std::nullopt;
}

std::string ColumnHeader(int column, std::string_view headerCell) {
    if (column == plan::kFieldColumn && Trim(headerCell).empty()) return "Aufgabenfeld";
    return std::string(Trim(headerCell));
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

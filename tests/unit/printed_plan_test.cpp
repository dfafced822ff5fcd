#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/rules/events.h"
#include "core/rules/printing.h"
#include "tests/support/personal_data.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;

// A print stream that keeps every call: the fragments with the font current when each was
// written, the line breaks, and the order of all operations.
class RecordingStream : public PrintStream {
  public:
    struct Fragment {
        std::string text, family;
        int size = 0;
        bool bold = false, underline = false;
        std::optional<Colour> colour;
    };

    std::optional<std::string> Open() override {
        ops.push_back("open");
        lines.assign(1, {});
        return openError;
    }
    void SetFontName(const std::string& family) override {
        ops.push_back("font " + family);
        cur.family = family;
    }
    void SetFontSize(int points) override {
        ops.push_back("size " + std::to_string(points));
        cur.size = points;
    }
    void SetFontStyle(bool bold, bool underline) override {
        ops.push_back(std::string("style") + (bold ? " bold" : "") +
                      (underline ? " underline" : ""));
        cur.bold = bold;
        cur.underline = underline;
    }
    void SetColour(Colour colour) override {
        ops.push_back("colour " + std::string(ColourWord(colour)));
        cur.colour = colour;
    }
    void Write(const std::string& fragment) override {
        ops.push_back("write");
        Fragment f = cur;
        f.text = fragment;
        lines.back().push_back(f);
    }
    void NewLine() override {
        ops.push_back("newline");
        lines.emplace_back();
    }
    std::optional<std::string> Close() override {
        ops.push_back("close");
        return closeError;
    }

    // The text of a line (1-based) with a marker wherever style, font or size change:
    // "<R CN12>" regular Courier New 12, "<BU A14>" bold and underlined Arial 14, ...
    std::string Marked(std::size_t line) const {
        std::string out, last;
        for (const Fragment& f : lines.at(line - 1)) {
            std::string style = f.bold ? "B" : "";
            if (f.underline) style += "U";
            if (style.empty()) style = "R";
            const std::string font = f.family == "Arial"         ? "A"
                                     : f.family == "Courier New" ? "CN"
                                                                 : "?" + f.family;
            const std::string marker = "<" + style + " " + font + std::to_string(f.size) + ">";
            if (marker != last) out += marker;
            last = marker;
            out += f.text;
        }
        return out;
    }
    // The plain text of a line.
    std::string Plain(std::size_t line) const {
        std::string out;
        for (const Fragment& f : lines.at(line - 1)) out += f.text;
        return out;
    }

    std::vector<std::string> ops;
    std::vector<std::vector<Fragment>> lines;
    Fragment cur;
    std::optional<std::string> openError, closeError;
};

std::string Sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Characters `from` to `to` (1-based, inclusive) of a UTF-8 line, counted in code points.
std::string Chars(const std::string& line, int from, int to) {
    std::string out;
    int pos = 0;
    for (const char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++pos;
        if (pos >= from && pos <= to) out += c;
    }
    return out;
}

// The grid of an admissible language-profile plan, as the evaluation leaves it.
const char* const kGrid[kGridRows][kGridColumns] = {
    {"Fach", "Pfach", "1.Hj.", "2.Hj.", "3.Hj.", "4.Hj.", ""},
    {"Deutsch", "P1", "5", "5", "5", "5", "A"},
    {"Englisch", "P2", "5", "5", "5", "5", "A"},
    {"Französisch", " ", "4", "4", "4", "4", "A"},
    {"Latein", " ", " ", " ", " ", " ", "A"},
    {"Spanisch", " ", " ", " ", " ", " ", "A"},
    {"Darst. Spiel", " ", " ", " ", " ", " ", "A"},
    {"Kunst", " ", "2", "2", " ", " ", "A"},
    {"Musik", " ", " ", " ", " ", " ", "A"},
    {"Erdkunde", " ", " ", " ", " ", " ", "B"},
    {"Geschichte", "P3", "5", "5", "5", "5", "B"},
    {"Politik-W", " ", " ", " ", "2", "2", "B"},
    {"Religion", " ", "2", "2", "2", "2", "B"},
    {"WuN", " ", " ", " ", " ", " ", "B"},
    {"Mathematik", "P4", "4", "4", "4", "4", "C"},
    {"Biologie", "P5", "4", "4", "4", "4", "C"},
    {"Chemie", " ", " ", " ", " ", " ", "C"},
    {"Physik", " ", " ", " ", " ", " ", "C"},
    {"Informatik", " ", "Z4", "Z4", " ", " ", "C"},
    {"Sport", " ", "2", "2", "2", "Attest", " "},
    {"Seminarfach", " ", "4*", "4*", " ", " ", " "},
};

// A window with a complete plan and all personal data entered.
void FillPlan(TestView& v) {
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c) v.SetCell(c, r, kGrid[r][c]);
    test::FillPersonalDataAndTotals(v);
}

const std::string kSeparator = "<R CN12>     <U CN12>" + std::string(63, '=');

TEST(WritePlanPage, WritesTheWholePageLineByLine) {
    TestView v;
    FillPlan(v);
    RecordingStream out;
    EXPECT_EQ(WritePlanPage(v, out), std::nullopt);

    const std::vector<std::string> expected = {
        "",                                                              // 1
        "",                                                              // 2
        "<R A14>" + Sp(100) + "<BU A14> gymnasium lindenhain ",          // 3
        "",                                                              // 4
        "<R A18>        Kurswahlen 2014 - ABI 2016",                     // 5
        "",                                                              // 6
        "<R CN12>         Name, Vorname: <B CN12>Mustermann, Erika",     // 7
        "<R CN12>" + Sp(16) + "Schule: <B CN12>Gymnasium Lindenhain",    // 8
        "<R CN12>" + Sp(16) + "Klasse: <B CN12>10c",                     // 9
        "",                                                              // 10
        "",                                                              // 11
        "<B CN12>      Gewähltes Profil: <BU CN12>Sprachliches Profil",  // 12
        "",                                                              // 13
        "",                                                              // 14
        "<R CN12>     <BU CN12>" + Sp(17) + "Fach  Pfach  1.Hj.  2.Hj.  3.Hj.  4.Hj." + Sp(7),
        kSeparator,  // 16
        "<R CN12>     <U CN12>" + Sp(14) + "Deutsch     P1      5      5      5      5      A",
        "<R CN12>     <U CN12>" + Sp(13) + "Englisch     P2      5      5      5      5      A",
        "<R CN12>     <U CN12>" + Sp(10) + "Französisch" + Sp(7) +
            "      4      4      4      4      A",
        "<R CN12>     <U CN12>" + Sp(15) + "Latein" + Sp(35) + "      A",
        "<R CN12>     <U CN12>" + Sp(13) + "Spanisch" + Sp(35) + "      A",
        "<R CN12>     <U CN12>" + Sp(9) + "Darst. Spiel" + Sp(35) + "      A",
        "<R CN12>     <U CN12>" + Sp(16) + "Kunst" + Sp(7) + "      2      2" + Sp(14) + "      A",
        "<R CN12>     <U CN12>" + Sp(16) + "Musik" + Sp(35) + "      A",  // 24
        kSeparator,                                                       // 25
        "<R CN12>     <U CN12>" + Sp(13) + "Erdkunde" + Sp(35) + "      B",
        "<R CN12>     <U CN12>" + Sp(11) + "Geschichte     P3      5      5      5      5      B",
        "<R CN12>     <U CN12>" + Sp(12) + "Politik-W" + Sp(21) + "      2      2      B",
        "<R CN12>     <U CN12>" + Sp(13) + "Religion" + Sp(7) +
            "      2      2      2      2      B",
        "<R CN12>     <U CN12>" + Sp(18) + "WuN" + Sp(35) + "      B",  // 30
        kSeparator,                                                     // 31
        "<R CN12>     <U CN12>" + Sp(11) + "Mathematik     P4      4      4      4      4      C",
        "<R CN12>     <U CN12>" + Sp(13) + "Biologie     P5      4      4      4      4      C",
        "<R CN12>     <U CN12>" + Sp(15) + "Chemie" + Sp(35) + "      C",
        "<R CN12>     <U CN12>" + Sp(15) + "Physik" + Sp(35) + "      C",
        "<R CN12>     <U CN12>" + Sp(11) + "Informatik" + Sp(7) + "     Z4     Z4" + Sp(14) +
            "      C",  // 36
        kSeparator,     // 37
        "<R CN12>     <U CN12>" + Sp(16) + "Sport" + Sp(7) + "      2      2      2 Attest" + Sp(7),
        "<R CN12>     <U CN12>" + Sp(10) + "Seminarfach" + Sp(7) + "     4*     4*" + Sp(21),
        kSeparator,  // 40
        "",          // 41
        "<R CN12>     <BU CN12>       Wochenstunden:" + Sp(12) + "34     34     31     31   |32|",
        "<R CN12>     <B CN12>Einzubringende Kurse",
        "<R CN12>     <B CN12>(Pflicht) für die",
        "<R CN12>     <BU CN12>Gesamtqualifikation :    36  |",  // 45
        "",
        "",
        "",
        "",  // 49
        "<R CN12>" + Sp(25) + std::string(40, '_'),
        "<R CN12>" + Sp(30) + "<R CN10>Datum             Unterschrift",
        "",
        "<R CN12>" + Sp(25) + std::string(40, '_'),
        "<R CN12>" + Sp(25) + "<R CN10>      Kenntnisnahme Erziehungsberechtigte/r",
    };
    ASSERT_EQ(out.lines.size(), 54u);
    for (std::size_t line = 1; line <= 54; ++line)
        EXPECT_EQ(out.Marked(line), expected[line - 1]) << "line " << line;

    // Opened first, two line breaks before any font, closed right after line 54.
    ASSERT_GE(out.ops.size(), 4u);
    EXPECT_EQ(out.ops[0], "open");
    EXPECT_EQ(out.ops[1], "newline");
    EXPECT_EQ(out.ops[2], "newline");
    EXPECT_EQ(out.ops[3], "font Arial");
    EXPECT_EQ(out.ops.back(), "close");
    EXPECT_EQ(out.ops[out.ops.size() - 2], "write");

    // Black text from the grid heading on; nothing coloured before it.
    for (std::size_t line = 1; line <= 54; ++line)
        for (const auto& f : out.lines[line - 1]) {
            const std::optional<Colour> colour =
                line >= 15 ? std::optional<Colour>(Colour::Black) : std::nullopt;
            EXPECT_EQ(f.colour, colour) << "line " << line;
        }
}

TEST(WritePlanPage, GridAndTotalsStandAtTheirCharacterPositions) {
    TestView v;
    FillPlan(v);
    RecordingStream out;
    WritePlanPage(v, out);

    // Grid rows and the lines they are printed on.
    const int lineOfRow[kGridRows] = {15, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27,
                                      28, 29, 30, 32, 33, 34, 35, 36, 38, 39};
    const int fieldEnd[kGridColumns] = {26, 33, 40, 47, 54, 61, 68};
    for (int r = 0; r < kGridRows; ++r) {
        const std::string line = out.Plain(static_cast<std::size_t>(lineOfRow[r]));
        EXPECT_EQ(Chars(line, 1, 5), Sp(5));
        EXPECT_EQ(Chars(line, 69, 1000), "") << "row " << r;
        int from = 6;
        for (int c = 0; c < kGridColumns; ++c) {
            const std::string cell = kGrid[r][c];
            const std::string field = Chars(line, from, fieldEnd[c]);
            // Right-aligned: blanks, then the cell ending at the field's last position.
            ASSERT_GE(field.size(), cell.size());
            EXPECT_EQ(field.substr(field.size() - cell.size()), cell) << r << "," << c;
            EXPECT_EQ(field.find_first_not_of(' '),
                      cell.find_first_not_of(' ') == std::string::npos
                          ? std::string::npos
                          : field.size() - cell.size() + cell.find_first_not_of(' '));
            from = fieldEnd[c] + 1;
        }
    }
    for (int line : {16, 25, 31, 37, 40})
        EXPECT_EQ(out.Plain(static_cast<std::size_t>(line)), Sp(5) + std::string(63, '='));

    // "4" as six blanks and "4", "Fach" as 17 blanks and "Fach".
    EXPECT_EQ(Chars(out.Plain(19), 34, 40), "      4");
    EXPECT_EQ(Chars(out.Plain(15), 6, 26), Sp(17) + "Fach");

    // Totals: 34 ends at 40, the hours at 47, 54, 61, bars at 65 and 68, the average at 66/67.
    const std::string totals = out.Plain(42);
    EXPECT_EQ(Chars(totals, 6, 26), "       Wochenstunden:");
    EXPECT_EQ(Chars(totals, 39, 40), "34");
    EXPECT_EQ(Chars(totals, 46, 47), "34");
    EXPECT_EQ(Chars(totals, 53, 54), "31");
    EXPECT_EQ(Chars(totals, 60, 61), "31");
    EXPECT_EQ(Chars(totals, 65, 65), "|");
    EXPECT_EQ(Chars(totals, 66, 67), "32");
    EXPECT_EQ(Chars(totals, 68, 1000), "|");
    // Line 45: the count ends at 32, the bar stands at 35.
    EXPECT_EQ(Chars(out.Plain(45), 31, 32), "36");
    EXPECT_EQ(Chars(out.Plain(45), 33, 1000), "  |");
}

TEST(WritePlanPage, LongerTextsPushTheRestOfTheLineAndEmptyFieldsLeaveTheLabel) {
    TestView v;
    FillPlan(v);
    v.SetText(SemesterD, "3,5");  // three characters in a field of two
    v.SetText(MaskEdit4, "");
    v.SetText(Semester1, "4");
    v.SetCell(0, 6, "Darstellendes Spiel XY");  // 22 characters in a field of 21
    RecordingStream out;
    WritePlanPage(v, out);

    const std::string totals = out.Plain(42);
    EXPECT_EQ(Chars(totals, 66, 68), "3,5");
    EXPECT_EQ(Chars(totals, 69, 1000), "|");
    EXPECT_EQ(Chars(totals, 40, 40), "4");
    EXPECT_EQ(out.Marked(8), "<R CN12>" + Sp(16) + "Schule: ");
    EXPECT_EQ(out.Plain(22),
              Sp(5) + "Darstellendes Spiel XY" + Sp(35) + "      A");  // ends at 69
}

TEST(WritePlanPage, OddTextsAreWrittenAsEnteredWithoutTrouble) {
    TestView v;
    FillPlan(v);
    const std::string longName(2000, 'x');
    v.SetText(MaskEdit1, longName);
    v.SetText(MaskEdit2, "Tab\there");
    v.SetText(MaskEdit3, "😀🎓");
    v.SetText(MaskEdit4, "مدرسة");  // right-to-left
    v.SetText(ProfilLabel, "");
    RecordingStream out;
    EXPECT_EQ(WritePlanPage(v, out), std::nullopt);
    ASSERT_EQ(out.lines.size(), 54u);
    EXPECT_EQ(out.Plain(7), Sp(9) + "Name, Vorname: " + longName + ", Tab\there");
    EXPECT_EQ(out.Plain(8), Sp(16) + "Schule: مدرسة");
    EXPECT_EQ(out.Plain(9), Sp(16) + "Klasse: 😀🎓");
    EXPECT_EQ(out.Marked(12), "<B CN12>      Gewähltes Profil: ");
}

TEST(InField, CountsCharactersNotBytes) {
    EXPECT_EQ(InField("Gewähltes Profil: ", 21), "   Gewähltes Profil: ");
    EXPECT_EQ(InField("😀", 3), "  😀");
    EXPECT_EQ(InField("", 2), "  ");
    EXPECT_EQ(InField("abc", 2), "abc");
    EXPECT_EQ(CharCount("Französisch"), 11u);
}

TEST(WritePlanPage, AFailingPrinterStopsTheDocument) {
    TestView v;
    FillPlan(v);
    RecordingStream out;
    out.openError = "Kein Drucker";
    EXPECT_EQ(WritePlanPage(v, out), "Kein Drucker");
    EXPECT_EQ(out.ops, std::vector<std::string>{"open"});
}

// The window at the moment "Drucken" can be pressed.
struct Printing : ::testing::Test {
    Printing() {
        FillPlan(v);
        v.Get(PersDatenPanel).visible = false;
        v.Get(DruckenBitBtn).enabled = true;
    }
    bool Click(Control c) { return Dispatch(form, c, Event::Click); }
    ChoiceState st;
    TestView v;
    RecordingStream out;
    Form form{st, v, out};
};

const std::string kAskPrint = "\n\n   Möchtest Du Deinen persönlichen Plan ausdrucken?   \n";
const std::string kAskNow = "\n  Soll der Plan jetzt gedruckt werden?  \n";
const std::string kThreeFields = "\n  Die ersten drei Felder müssen ausgefüllt werden!  \n";

TEST_F(Printing, YesOpensThePanelAndAConfirmedPanelPrints) {
    v.QueueAnswer(DlgResult::Yes);
    ASSERT_TRUE(Click(DruckenBitBtn));
    ASSERT_EQ(v.Boxes().size(), 1u);
    EXPECT_EQ(v.Boxes()[0].text, kAskPrint);
    EXPECT_EQ(v.Boxes()[0].kind, Box::Kind::Confirmation);
    EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::YesNo);
    EXPECT_TRUE(v.Get(PersDatenPanel).visible);
    EXPECT_EQ(v.Focus(), MaskEdit1);
    EXPECT_FALSE(v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(v.Text(MaskEdit1), "Mustermann");  // the fields keep their texts

    v.QueueAnswer(DlgResult::Yes);
    ASSERT_TRUE(Click(PersDatenBitBtn));
    ASSERT_EQ(v.Boxes().size(), 2u);
    EXPECT_EQ(v.Boxes()[1].text, kAskNow);
    EXPECT_EQ(v.Boxes()[1].kind, Box::Kind::Confirmation);
    EXPECT_EQ(v.Boxes()[1].buttons, DlgButtons::YesNo);
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(v.Get(DruckenBitBtn).enabled);
    ASSERT_EQ(out.lines.size(), 54u);
    EXPECT_EQ(out.ops.back(), "close");
}

TEST_F(Printing, NoToEitherQuestionPrintsNothing) {
    v.QueueAnswer(DlgResult::No);
    Click(DruckenBitBtn);
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(v.Get(DruckenBitBtn).enabled);
    EXPECT_EQ(v.FocusRequests(), 0);

    v.Get(PersDatenPanel).visible = true;
    v.Get(DruckenBitBtn).enabled = false;
    v.QueueAnswer(DlgResult::No);
    Click(PersDatenBitBtn);
    EXPECT_EQ(v.BoxTexts(), (std::vector<std::string>{kAskPrint, kAskNow}));
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(v.Get(DruckenBitBtn).enabled);
    EXPECT_TRUE(out.ops.empty());

    // Leaving the last question without a button does not print either.
    v.Get(PersDatenPanel).visible = true;
    Click(PersDatenBitBtn);
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(out.ops.empty());
}

TEST_F(Printing, TheFirstThreeFieldsMustBeFilled) {
    v.Get(PersDatenPanel).visible = true;
    v.Get(DruckenBitBtn).enabled = false;
    v.SetText(MaskEdit4, "");  // the school may stay empty
    for (const Control empty : {MaskEdit2, MaskEdit3, MaskEdit1}) {
        v.SetText(MaskEdit1, "Mustermann");
        v.SetText(MaskEdit2, "Erika");
        v.SetText(MaskEdit3, "10c");
        v.SetText(empty, "");
        v.ClearBoxes();
        const int repaints = v.Repaints(PersDatenPanel);
        Click(PersDatenBitBtn);
        ASSERT_EQ(v.Boxes().size(), 1u) << ControlName(empty);
        EXPECT_EQ(v.Boxes()[0].text, kThreeFields);
        EXPECT_EQ(v.Boxes()[0].kind, Box::Kind::Information);
        EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
        EXPECT_EQ(v.Repaints(PersDatenPanel), repaints + 1);
        EXPECT_TRUE(v.Get(PersDatenPanel).visible);
        EXPECT_FALSE(v.Get(DruckenBitBtn).enabled);
    }
    // Only the name filled: the message once, nothing printed.
    v.SetText(MaskEdit1, "Mustermann");
    v.SetText(MaskEdit2, "");
    v.SetText(MaskEdit3, "");
    v.ClearBoxes();
    Click(PersDatenBitBtn);
    EXPECT_EQ(v.BoxTexts(), std::vector<std::string>{kThreeFields});
    EXPECT_TRUE(out.ops.empty());
    // With the school empty the page is printed all the same.
    v.SetText(MaskEdit2, "Erika");
    v.SetText(MaskEdit3, "10c");
    v.QueueAnswer(DlgResult::Yes);
    Click(PersDatenBitBtn);
    EXPECT_EQ(out.lines.size(), 54u);
}

TEST_F(Printing, APrinterErrorIsShownWithThePanelAlreadyClosed) {
    v.Get(PersDatenPanel).visible = true;
    v.Get(DruckenBitBtn).enabled = false;
    out.closeError = "Der Drucker meldet einen Fehler.";
    v.QueueAnswer(DlgResult::Yes);
    Click(PersDatenBitBtn);
    ASSERT_EQ(v.Boxes().size(), 2u);
    EXPECT_EQ(v.Boxes()[1].text, "Der Drucker meldet einen Fehler.");
    EXPECT_EQ(v.Boxes()[1].kind, Box::Kind::Information);
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(v.Get(DruckenBitBtn).enabled);

    out.closeError.reset();
    out.openError = "Es ist kein Drucker installiert.";
    out.ops.clear();
    v.ClearBoxes();
    v.QueueAnswer(DlgResult::Yes);
    Click(PersDatenBitBtn);
    EXPECT_EQ(v.BoxTexts(),
              (std::vector<std::string>{kAskNow, "Es ist kein Drucker installiert."}));
    EXPECT_EQ(out.ops, std::vector<std::string>{"open"});
}

}  // namespace
}  // namespace belegix

#include "core/rules/printing.h"

#include <initializer_list>

#include "core/plan_limits.h"

namespace belegix {

namespace {

constexpr const char* kAskPrint = "\n\n   Möchtest Du Deinen persönlichen Plan ausdrucken?   \n";
constexpr const char* kThreeFields = "\n  Die ersten drei Felder müssen ausgefüllt werden!  \n";
constexpr const char* kAskNow = "\n  Soll der Plan jetzt gedruckt werden?  \n";

// The page's fonts: the school and title lines in a proportional font, everything from the
// personal data on in a fixed-width font, so the grid lines up in columns of characters.
constexpr const char* kTitleFont = "Arial";
constexpr const char* kGridFont = "Courier New";

// Font style as the page names it.
enum class Style { Regular, Bold, Underlined, BoldUnderlined };

class Page {
  public:
    explicit Page(PrintStream& out) : out_(out) {}

    void Font(const char* family, int points) {
        out_.SetFontName(family);
        out_.SetFontSize(points);
    }
    void Size(int points) { out_.SetFontSize(points); }
    void Set(Style s) {
        out_.SetFontStyle(s == Style::Bold || s == Style::BoldUnderlined,
                          s == Style::Underlined || s == Style::BoldUnderlined);
    }
    // An empty text (an empty field) writes nothing.
    void Write(std::string_view text) {
        if (!text.empty()) out_.Write(std::string(text));
    }
    void Field(std::string_view text, std::size_t width) { Write(InField(text, width)); }
    void NewLine(int count = 1) {
        for (int i = 0; i < count; ++i) out_.NewLine();
    }

  private:
    PrintStream& out_;
};

// One line of the plan grid (header or subject row): five blanks, then the seven cells.
void GridRow(Page& p, const View& view, int row, Style cells) {
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(cells);
    p.Field(view.Cell(plan::kSubjectColumn, row), 21);
    for (int column = plan::kRoleColumn; column < kGridColumns; ++column)
        p.Field(view.Cell(column, row), 7);
    p.NewLine();
}

// A line of the personal data: the label right-aligned in 21 characters, the texts in bold.
void DataLine(Page& p, std::string_view label, std::initializer_list<std::string> texts) {
    p.Set(Style::Regular);
    p.Write("   ");
    p.Field(label, 21);
    p.Set(Style::Bold);
    for (const std::string& text : texts) p.Write(text);
}

// The line of "=" that closes each task field of the grid.
void Separator(Page& p) {
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(Style::Underlined);
    p.Write(std::string(63, '='));
    p.NewLine();
}

void GridRows(Page& p, const View& view, int first, int last) {
    for (int row = first; row <= last; ++row) GridRow(p, view, row, Style::Underlined);
}

}  // namespace

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string InField(std::string_view text, std::size_t width) {
    const std::size_t length = CharCount(text);
    std::string field = length < width ? std::string(width - length, ' ') : std::string();
    field += text;
    return field;
}

void AskToPrint(View& view) {
    if (view.MessageDlg(kAskPrint, DlgType::Confirmation, DlgButtons::YesNo) != DlgResult::Yes)
        return;
    view.SetVisible(Control::PersDatenPanel, true);
    view.SetFocus(Control::MaskEdit1);
    view.SetEnabled(Control::DruckenBitBtn, false);
}

void PrintPlan(View& view, PrintStream& printer) {
    for (const Control field : {Control::MaskEdit1, Control::MaskEdit2, Control::MaskEdit3}) {
        if (view.Text(field).empty()) {
            view.MessageDlg(kThreeFields, DlgType::Information, DlgButtons::Ok);
            view.Repaint(Control::PersDatenPanel);
            return;
        }
    }
    const DlgResult answer = view.MessageDlg(kAskNow, DlgType::Confirmation, DlgButtons::YesNo);
    view.SetVisible(Control::PersDatenPanel, false);
    view.SetEnabled(Control::DruckenBitBtn, true);
    // Leaving the question without a button (Escape, the title bar) prints nothing, as "No".
    if (answer == DlgResult::No || answer == DlgResult::Closed) return;
    if (const auto error = WritePlanPage(view, printer))
        view.MessageDlg(*error, DlgType::Information, DlgButtons::Ok);
}

std::optional<std::string> WritePlanPage(const View& view, PrintStream& printer) {
    if (auto error = printer.Open()) return error;
    Page p(printer);

    // Lines 1 to 6: the school and the title.
    p.NewLine(2);
    p.Font(kTitleFont, 14);
    p.Set(Style::Regular);
    p.Write(std::string(100, ' '));
    p.Set(Style::BoldUnderlined);
    p.Write(" gymnasium lindenhain ");
    p.NewLine();
    p.Size(18);
    p.Set(Style::Regular);
    p.NewLine();
    p.Write("        ");
    p.Write("Kurswahlen 2014 - ABI 2016");
    p.NewLine(2);

    // Lines 7 to 14: the student and the profile.
    p.Font(kGridFont, 12);
    DataLine(
        p, "Name, Vorname: ", {view.Text(Control::MaskEdit1), ", ", view.Text(Control::MaskEdit2)});
    p.NewLine();
    DataLine(p, "Schule: ", {view.Text(Control::MaskEdit4)});
    p.NewLine();
    DataLine(p, "Klasse: ", {view.Text(Control::MaskEdit3)});
    p.NewLine(3);
    p.Set(Style::Bold);
    p.Write("   ");
    p.Field("Gewähltes Profil: ", 21);
    p.Set(Style::BoldUnderlined);
    p.Write(view.Text(Control::ProfilLabel));
    p.NewLine();
    p.Set(Style::Regular);
    p.NewLine(2);

    // Lines 15 to 40: the plan grid, its task fields divided by separators.
    printer.SetColour(Colour::Black);
    GridRow(p, view, 0, Style::BoldUnderlined);
    Separator(p);
    GridRows(p, view, 1, 8);
    Separator(p);
    GridRows(p, view, 9, 13);
    Separator(p);
    GridRows(p, view, 14, 18);
    Separator(p);
    GridRows(p, view, 19, 20);
    Separator(p);
    p.NewLine();

    // Lines 42 to 45: weekly hours and the results for the overall qualification.
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(Style::BoldUnderlined);
    p.Field("Wochenstunden:", 21);
    p.Field(view.Text(Control::Semester1), 14);
    p.Field(view.Text(Control::Semester2), 7);
    p.Field(view.Text(Control::Semester3), 7);
    p.Field(view.Text(Control::Semester4), 7);
    p.Field("  |", 4);
    p.Field(view.Text(Control::SemesterD), 2);
    p.Write("|");
    p.NewLine();
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(Style::Bold);
    p.Write("Einzubringende Kurse");
    p.NewLine();
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(Style::Bold);
    p.Write("(Pflicht) für die");
    p.NewLine();
    p.Set(Style::Regular);
    p.Write("     ");
    p.Set(Style::BoldUnderlined);
    p.Write("Gesamtqualifikation :");
    p.Field(view.Text(Control::Gsq), 6);
    p.Write("  |");
    p.NewLine(5);

    // Lines 50 to 54: the two signature lines with their captions.
    p.Font(kGridFont, 12);
    p.Set(Style::Regular);
    printer.SetColour(Colour::Black);
    p.Write(std::string(25, ' ') + std::string(40, '_'));
    p.NewLine();
    p.Write(std::string(30, ' '));
    p.Size(10);
    p.Write("Datum             Unterschrift");
    p.Size(12);
    p.NewLine(2);
    p.Write(std::string(25, ' ') + std::string(40, '_'));
    p.NewLine();
    p.Write(std::string(25, ' '));
    p.Size(10);
    p.Write("      Kenntnisnahme Erziehungsberechtigte/r");

    return printer.Close();
}

}  // namespace belegix

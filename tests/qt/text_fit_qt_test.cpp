// Every text the window can show fits the room its control gives it, measured on the real window
// in the control's own font: the captions, options and list items of the design and of every
// profile, every text the rules write while whole passes through all five profiles run (grid
// cells, captions, panels), and the lines of the memos; and disabled controls look disabled.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/design.h"
#include "core/rules/profile_lists.h"
#include "qt/widgets.h"
#include "tests/qt/window_harness.h"

namespace belegix {
namespace {

using design::Kind;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Name(Control c) {
    return std::string(ControlName(c));
}

int Width(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(text);
}

// Collects every text that does not fit, once per control and text, with the pixels it lacks.
class Fit {
  public:
    explicit Fit(MainWindow& win) : win_(win) {}

    void Need(const std::string& where, const QString& text, int need, int room) {
        if (need <= room) return;
        std::ostringstream s;
        s << where << " \"" << text.toStdString() << "\": " << need << " px in " << room << " px, "
          << need - room << " px too wide";
        failures_.insert(s.str());
    }

    // The texts the controls show now.
    void Current() {
        for (const design::ControlDesign& d : design::Controls()) {
            QWidget* w = win_.widget(d.control);
            switch (d.kind) {
                case Kind::Label:
                case Kind::Heading:
                    Label(d.control, static_cast<QLabel*>(w)->text());
                    break;
                case Kind::Button:
                    Button(d.control, static_cast<QPushButton*>(w)->text());
                    break;
                case Kind::Combo:
                    ComboText(d.control, static_cast<QComboBox*>(w)->lineEdit()->text());
                    break;
                case Kind::RadioGroup:
                    Options(d.control);
                    break;
                case Kind::Edit: {
                    auto* edit = static_cast<QLineEdit*>(w);
                    Need(Name(d.control), edit->text(), Width(edit, edit->text()), EditRoom(edit));
                    break;
                }
                case Kind::Panel:
                case Kind::Smiley: {
                    const QString text = static_cast<Panel*>(w)->text();
                    if (d.kind == Kind::Panel)
                        Need(Name(d.control), text, Width(w, text),
                             static_cast<Panel*>(w)->contentsRect().width());
                    break;
                }
                case Kind::Memo:
                    Memo(d.control);
                    break;
                case Kind::Grid:
                    Grid();
                    break;
                case Kind::GroupBox:
                case Kind::StatusBar:
                    break;
            }
        }
    }

    // A caption's room: its own width, or for a caption sized to its text, up to the next
    // control to its right on the same line (or the end of its frame).
    void Label(Control c, const QString& text) {
        auto* label = static_cast<QLabel*>(win_.widget(c));
        int room = label->contentsRect().width();
        if (design::Of(c).width == 0) {
            const QWidget* parent = label->parentWidget();
            int right = parent->contentsRect().right() + 1;
            for (const design::ControlDesign& other : design::Controls()) {
                const QWidget* o = win_.widget(other.control);
                if (o == label || o->parentWidget() != parent || o->isHidden()) continue;
                const bool sameLine =
                    o->y() < label->y() + label->height() && label->y() < o->y() + o->height();
                if (sameLine && o->x() > label->x()) right = std::min(right, o->x());
            }
            room = right - label->x();
        }
        if (label->wordWrap()) {
            // Wrapped at blanks: each word within the width, all lines within the height.
            for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
                Need(Name(c) + " word", word, Width(label, word), room);
            Need(Name(c) + " height", text, label->heightForWidth(label->width()), label->height());
            return;
        }
        Need(Name(c), text, Width(label, text), room);
    }

    // A button's caption and glyph share the style's contents rectangle.
    void Button(Control c, const QString& text) {
        auto* button = static_cast<QPushButton*>(win_.widget(c));
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        Need(Name(c), text, glyph + Width(button, text), room);
    }

    void Options(Control c) {
        auto* group = static_cast<RadioGroup*>(win_.widget(c));
        for (int i = 0; i < group->count(); ++i) {
            const QRadioButton* option = group->button(i);
            Need(Name(c) + " option " + std::to_string(i), option->text(),
                 option->sizeHint().width(), option->width());
        }
    }

    static int EditRoom(const QLineEdit* edit) {
        // QLineEdit keeps 2 px on either side of its text inside the contents rectangle.
        const QMargins m = edit->textMargins();
        return edit->contentsRect().width() - m.left() - m.right() - 4;
    }

    // A combo box's text in its field. A text that cannot fit (a longer item in a narrow box)
    // must at least show its beginning while the student is not typing there.
    void ComboText(Control c, const QString& text) {
        auto* box = static_cast<QComboBox*>(win_.widget(c));
        QLineEdit* edit = box->lineEdit();
        const int need = Width(edit, text);
        const int room = EditRoom(edit);
        if (need <= room || edit->hasFocus()) return;
        edit->repaint();  // the field scrolls when it paints
        if (edit->text() == text &&
            edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= 2) {
            cutAtEnd_.insert(Name(c) + " \"" + text.toStdString() + "\"");
            return;
        }
        Need(Name(c) + " (shows its end)", text, need, room);
    }

    // Every item a combo box can hold, each shown in its field as when it is picked.
    void ComboItems(Control c, const std::vector<QString>& items) {
        QtView& view = win_.view();
        view.ClearItems(c);
        for (const QString& item : items) view.AddItem(c, item.toStdString());
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            view.SetItemIndex(c, i);
            ComboText(c, items[static_cast<std::size_t>(i)]);
        }
    }

    // Every line of a memo within its width, all lines within its height, and no written part
    // of a line under a control that stands in front of the memo.
    void Memo(Control c) {
        auto* memo = static_cast<QTextEdit*>(win_.widget(c));
        if (memo->isHidden()) return;
        QTextDocument* doc = memo->document();
        const int margin = static_cast<int>(doc->documentMargin());
        const int room = memo->viewport()->width() - 2 * margin;
        const QPoint origin = memo->viewport()->mapTo(memo->parentWidget(), QPoint(0, 0));
        std::vector<const QWidget*> front;
        const QObjectList& siblings = memo->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(memo) + 1; i < siblings.size(); ++i)
            // Controls, not the memos and panels that cover the memo as a whole.
            if (auto* w = qobject_cast<QWidget*>(siblings[i]);
                w && !w->isHidden() && win_.view().ControlOf(w) && !qobject_cast<QTextEdit*>(w) &&
                !qobject_cast<Panel*>(w))
                front.push_back(w);
        const QFontMetrics fm(memo->font());
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            const QRectF blockRect = doc->documentLayout()->blockBoundingRect(block);
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const QString text = block.text().mid(line.textStart(), line.textLength());
                const int need = qCeil(line.naturalTextWidth());
                Need(Name(c) + " line", text.trimmed(), need, room);
                const QString ink = text.trimmed();
                if (ink.isEmpty()) continue;
                const int lead = fm.horizontalAdvance(text.left(text.indexOf(ink)));
                const QRectF r = line.naturalTextRect().translated(blockRect.topLeft());
                const QRect inked =
                    QRect(qFloor(r.left()) + lead, qFloor(r.top()), need - lead, qCeil(r.height()))
                        .translated(origin);
                const int bottom = origin.y() + memo->viewport()->height();
                Need(Name(c) + " line below its bottom", ink, inked.bottom() + 1, bottom);
                for (const QWidget* w : front)
                    if (inked.intersects(w->geometry()))
                        Need(Name(c) + " line under " + Name(*win_.view().ControlOf(w)), ink,
                             inked.bottom() + 1, w->y());
            }
        }
    }

    // Every text in the grid within its column, the grid line and the cell's margins taken off.
    void Grid() {
        auto* grid = static_cast<QTableWidget*>(win_.widget(Control::Tabelle));
        const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const int line = grid->showGrid() ? 1 : 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int col = 0; col < grid->columnCount(); ++col) {
                const QString text = grid->item(row, col)->text();
                if (text.trimmed().isEmpty()) continue;
                Need("Tabelle column " + std::to_string(col), text, Width(grid, text),
                     grid->columnWidth(col) - line - margins);
            }
    }

    const std::set<std::string>& failures() const { return failures_; }
    const std::set<std::string>& cutAtEnd() const { return cutAtEnd_; }

  private:
    MainWindow& win_;
    std::set<std::string> failures_;
    std::set<std::string> cutAtEnd_;
};

std::vector<QString> Texts(std::span<const ListItem> items) {
    std::vector<QString> out;
    for (const ListItem& item : items) out.push_back(Q(item.text));
    return out;
}

// The lines of a scenario script of a whole pass.
std::vector<std::string> ScriptLines(const QString& file) {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    std::vector<std::string> lines;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#')) lines.push_back(line.toStdString());
    return lines;
}

TEST(WindowTexts, EveryTextFitsItsControl) {
    test::WindowHarness h;

    // Whole passes through every profile: whatever the rules write is checked as it appears.
    std::vector<std::vector<std::string>> passes{test::LanguagePlanLines()};
    const QDir scenarios(QStringLiteral(SCENARIO_DIR));
    const QStringList files = scenarios.entryList({QStringLiteral("pass_*.scn")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& file : files) passes.push_back(ScriptLines(scenarios.filePath(file)));
    std::set<std::string> cells;
    std::set<Control> usable;  // the combo boxes a student can pick in at some point
    for (const auto& pass : passes) {
        h.Open();
        Fit during(h.win());
        during.Current();
        for (const std::string& line : pass) {
            if (!h.Run(line)) break;
            during.Current();
            for (const design::ControlDesign& d : design::Controls())
                if (d.kind == Kind::Combo && h.win().widget(d.control)->isEnabled())
                    usable.insert(d.control);
        }
        for (const test::GridWrite& w : h.gridWrites()) cells.insert(w.text);
        for (const std::string& f : during.failures()) ADD_FAILURE() << f;
    }
    // The passes did reach the plan: exemption, exam roles, further courses.
    for (const char* mark : {"Attest", "P4", "P5", "4*", "Z4", "Z2"})
        EXPECT_TRUE(cells.count(mark)) << "no pass wrote " << mark;

    h.Open();
    MainWindow& win = h.win();
    Fit fit(win);
    // The measurements mean something only in the fonts the layout names or their stand-ins.
    for (const design::ControlDesign& d : design::Controls()) {
        const QString family = QFontInfo(win.widget(d.control)->font()).family();
        const QStringList allowed =
            QStringList{Q(d.font.family)} + QFont::substitutes(Q(d.font.family));
        EXPECT_TRUE(allowed.contains(family, Qt::CaseInsensitive))
            << Name(d.control) << " is drawn in " << family.toStdString() << ", not in "
            << allowed.join(QStringLiteral(", ")).toStdString();
    }
    // Every item of the design's lists and of every profile's, as it shows when picked.
    for (const design::ControlDesign& d : design::Controls()) {
        if (d.kind != Kind::Combo || !usable.count(d.control)) continue;
        std::vector<QString> items;
        for (std::string_view item : d.items) items.push_back(Q(item));
        fit.ComboItems(d.control, items);
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const auto p = static_cast<Profile>(i);
        fit.Label(Control::ProfilLabel, Q(items::ItemOf(p).caption));
        for (Control box :
             {Control::Lk1Box, Control::Lk2Box, Control::P3Box, Control::P4Box, Control::P5Box})
            fit.ComboItems(box, Texts(ExamList(p, box)));
    }
    std::vector<QString> extra{Q(items::kBrauchstDuNicht)};
    for (const items::BoxItem& item : items::kAdditionalObligation) extra.push_back(Q(item.text));
    fit.ComboItems(Control::BExtraBox, extra);
    for (const std::string& f : fit.failures()) ADD_FAILURE() << f;
    // Disabled captions, options and fields do not look like enabled ones.
    for (const design::ControlDesign& d : design::Controls()) {
        QWidget* w = win.widget(d.control);
        std::vector<std::pair<QWidget*, QPalette::ColorRole>> looks;
        if (d.kind == Kind::Button) looks.emplace_back(w, QPalette::ButtonText);
        if (d.kind == Kind::Combo) looks = {{w, QPalette::Text}, {w, QPalette::Base}};
        if (d.kind == Kind::RadioGroup)
            for (int i = 0; i < static_cast<RadioGroup*>(w)->count(); ++i)
                looks.emplace_back(static_cast<RadioGroup*>(w)->button(i), QPalette::WindowText);
        for (const auto& [widget, role] : looks) {
            const QPalette pal = widget->palette();
            EXPECT_NE(pal.color(QPalette::Active, role), pal.color(QPalette::Disabled, role))
                << Name(d.control) << ": disabled looks like enabled (colour role " << role << ")";
        }
    }
    // Longer than its field, an item shows its beginning (checked in ComboText); the one such
    // item is the second of `ReWnBox`.
    EXPECT_LE(fit.cutAtEnd().size(), 1U) << testing::PrintToString(fit.cutAtEnd());
}

}  // namespace
}  // namespace belegix

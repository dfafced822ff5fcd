#include "qt/widget_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "core/accessibility.h"
#include "core/must_exist.h"
#include "core/plan_limits.h"
#include "qt/colours_and_fonts.h"
#include "qt/widgets.h"

namespace belegix {

namespace {

using design::Kind;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

Kind KindOf(Control c) {
    return design::Of(c).kind;
}

// Writes the memo lines, each line aligned as the design says.
void SetMemoText(QTextEdit* memo, const QString& text, Control c) {
    memo->setPlainText(text);
    if (design::Of(c).align == design::Align::Centre) {
        QTextCursor cursor(memo->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(format);
    }
}

// A text longer than its field shows its beginning, not its end, while the student is not
// typing in it.
void ShowStart(QComboBox* box) {
    if (!box->lineEdit()->hasFocus()) box->lineEdit()->home(false);
}

}  // namespace

QtView::QtView(MessageBoxes& boxes) : boxes_(boxes) {}

QtView::Entry& QtView::At(Control c) {
    return ElementOf(entries_, static_cast<std::size_t>(c), "control of the window");
}
const QtView::Entry& QtView::At(Control c) const {
    return ElementOf(entries_, static_cast<std::size_t>(c), "control of the window");
}

void QtView::Register(Control c, QWidget* widget) {
    const auto& d = design::Of(c);
    Entry& e = At(c);
    e.widget = widget;
    controlOf_.insert(widget, c);
    if (!d.parentColour) ApplyColour(c, d.colour);
    ApplyFontColour(c, d.fontColour);
    SetAccessibleName(c,
                      access::Name(c, [](Control x) { return std::string(design::Of(x).text); }));
    // A field's label names it for assistive technology too (the "labelled by" relation).
    for (Control x : AllControls()) {
        const auto label = access::LabelOf(x);
        if (!label || (x != c && *label != c)) continue;
        auto* labelWidget = qobject_cast<QLabel*>(At(*label).widget);
        if (labelWidget != nullptr && At(x).widget != nullptr) labelWidget->setBuddy(At(x).widget);
    }
    if (c == Control::Tabelle) {
        auto* grid = static_cast<QTableWidget*>(widget);
        for (int column = 0; column < grid->columnCount(); ++column)
            UpdateGridHeaders(column, plan::kHeaderRow);
        for (int row = 0; row < grid->rowCount(); ++row)
            UpdateGridHeaders(plan::kSubjectColumn, row);
    }
}

void QtView::SetAccessibleName(Control c, const std::string& name) {
    QWidget* w = Widget(c);
    const QString q = Q(name);
    if (w->accessibleName() != q) w->setAccessibleName(q);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        // The edit field, which holds the focus, and the drop-down list carry the box's name.
        if (box->lineEdit() != nullptr && box->lineEdit()->accessibleName() != q)
            box->lineEdit()->setAccessibleName(q);
        if (box->view()->accessibleName() != q) box->view()->setAccessibleName(q);
    }
}

void QtView::UpdateGridHeaders(int column, int row) {
    auto* grid = static_cast<QTableWidget*>(Widget(Control::Tabelle));
    const auto header = [](QTableWidgetItem* item, const QString& text) {
        if (item->text() != text) item->setText(text);
    };
    const auto cell = [grid](int col, int r) {
        const QTableWidgetItem* item = grid->item(r, col);
        return item ? item->text().toStdString() : std::string();
    };
    // Column headers from the header row, row headers from the subjects' column.
    if (row == plan::kHeaderRow) {
        if (grid->horizontalHeaderItem(column) == nullptr)
            grid->setHorizontalHeaderItem(column, new QTableWidgetItem());
        header(grid->horizontalHeaderItem(column),
               Q(access::ColumnHeader(column, cell(column, plan::kHeaderRow))));
    }
    if (column == plan::kSubjectColumn) {
        if (grid->verticalHeaderItem(row) == nullptr)
            grid->setVerticalHeaderItem(row, new QTableWidgetItem());
        header(grid->verticalHeaderItem(row),
               Q(access::ColumnHeader(plan::kSubjectColumn, cell(plan::kSubjectColumn, row))));
    }
}

void QtView::UpdateAccessibleTexts(Control c) {
    QWidget* w = Widget(c);
    if (w == nullptr) return;
    for (Control x : access::NamesFollowing(c))
        if (Widget(x) != nullptr)
            SetAccessibleName(x, access::Name(x, [this](Control y) { return Text(y); }));
    if (!access::Describes(c)) return;
    // A count and its smiley describe each other's colour: all results are told again.
    for (Control r : AllControls())
        if (access::Describes(r) && Widget(r) == nullptr) return;  // still being built
    for (Control r : AllControls()) {
        if (!access::Describes(r)) continue;
        const QString text = QString::fromStdString(access::Description(r, *this));
        if (Widget(r)->accessibleDescription() != text) Widget(r)->setAccessibleDescription(text);
    }
}

QWidget* QtView::Widget(Control c) const {
    return At(c).widget;
}

std::optional<Control> QtView::ControlOf(const QWidget* widget) const {
    const auto it = controlOf_.constFind(widget);
    if (it == controlOf_.constEnd()) return std::nullopt;
    return *it;
}

void QtView::ApplyColour(Control c, Colour colour) {
    Entry& e = At(c);
    e.colour = colour;
    QWidget* w = e.widget;
    const QColor q = ToQColor(colour);
    QPalette pal = w->palette();
    if (access::Describes(c)) UpdateAccessibleTexts(c);
    switch (KindOf(c)) {
        case Kind::Button:
            return;  // buttons keep the system's face
        case Kind::Combo:
        case Kind::Edit:
            // A disabled field shows the style's disabled face.
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                pal.setColor(group, QPalette::Base, q);
            break;
        case Kind::Grid:
            pal.setColor(QPalette::Base, q);
            break;
        case Kind::Memo:
            pal.setColor(QPalette::Base, q);
            pal.setColor(QPalette::Window, q);
            break;
        default:
            pal.setColor(QPalette::Window, q);
            w->setAutoFillBackground(true);
            break;
    }
    w->setPalette(pal);
}

void QtView::ApplyFontColour(Control c, Colour colour) {
    Entry& e = At(c);
    e.fontColour = colour;
    QWidget* w = e.widget;
    QPalette pal = w->palette();
    const QColor q = ToQColor(colour);
    // Enabled controls only; disabled ones keep the style's greyed text.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, q);
        pal.setColor(group, QPalette::Text, q);
        pal.setColor(group, QPalette::ButtonText, q);
    }
    w->setPalette(pal);
}

void QtView::ReleaseFocusInside(QWidget* w) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || (focus != w && !w->isAncestorOf(focus))) return;
    focus->clearFocus();
    if (focusDropped_) focusDropped_();
}

void QtView::DropIndexKeepText(Control c) {
    auto* box = qobject_cast<QComboBox*>(Widget(c));
    if (box == nullptr || box->currentIndex() < 0) return;
    QLineEdit* edit = box->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blockBox(box);
    const QSignalBlocker blockEdit(edit);
    box->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
}

void QtView::RestoreColour(Control c, std::optional<Colour> colour) {
    if (colour) {
        ApplyColour(c, *colour);
        return;
    }
    Entry& e = At(c);
    if (!e.colour) return;
    // Painting the parent's colour underneath again: no own background any more.
    ApplyColour(c, design::Of(c).parent ? GetColour(*design::Of(c).parent) : design::Of(c).colour);
    e.colour.reset();
    if (KindOf(c) != Kind::Button && KindOf(c) != Kind::Combo && KindOf(c) != Kind::Edit &&
        KindOf(c) != Kind::Grid && KindOf(c) != Kind::Memo)
        e.widget->setAutoFillBackground(false);
    if (access::Describes(c)) UpdateAccessibleTexts(c);
}

QStringList QtView::Items(Control c) const {
    QStringList items;
    if (auto* box = qobject_cast<QComboBox*>(Widget(c))) {
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    } else if (auto* group = qobject_cast<RadioGroup*>(Widget(c))) {
        items = group->items();
    }
    return items;
}

Colour QtView::FontColour(Control c) const {
    return At(c).fontColour;
}

std::string QtView::StatusText(int panel) const {
    auto* bar = static_cast<StatusBar*>(Widget(Control::StatusBar1));
    return bar->panelText(panel).toStdString();
}

int QtView::ItemIndex(Control c) const {
    if (auto* box = qobject_cast<QComboBox*>(Widget(c))) return box->currentIndex();
    if (auto* group = qobject_cast<RadioGroup*>(Widget(c))) return group->index();
    return -1;
}

void QtView::SetItemIndex(Control c, int index) {
    if (auto* box = qobject_cast<QComboBox*>(Widget(c))) {
        const QSignalBlocker blockBox(box);
        const QSignalBlocker blockEdit(box->lineEdit());
        if (index >= 0 && index < box->count()) {
            box->setCurrentIndex(index);
            box->setEditText(box->itemText(index));
        } else {
            box->setCurrentIndex(-1);
            box->setEditText(QString());
        }
        ShowStart(box);
    } else if (auto* group = qobject_cast<RadioGroup*>(Widget(c))) {
        group->setIndex(index);
    }
}

void QtView::ClearItems(Control c) {
    if (auto* box = qobject_cast<QComboBox*>(Widget(c))) {
        // Refilling a list does not change the text shown in its edit field.
        const QSignalBlocker blockBox(box);
        const QSignalBlocker blockEdit(box->lineEdit());
        const QString text = box->lineEdit()->text();
        box->clear();
        box->setEditText(text);
        ShowStart(box);
    } else if (auto* group = qobject_cast<RadioGroup*>(Widget(c))) {
        group->clearItems();
    }
}

void QtView::AddItem(Control c, const std::string& item) {
    if (auto* box = qobject_cast<QComboBox*>(Widget(c))) {
        const QSignalBlocker blockBox(box);
        const QSignalBlocker blockEdit(box->lineEdit());
        const int before = box->currentIndex();
        const QString text = box->lineEdit()->text();
        box->addItem(Q(item));
        // Qt selects the first item added to an empty list; the program's lists do not.
        if (before < 0 && box->currentIndex() >= 0) {
            box->setCurrentIndex(-1);
            box->setEditText(text);
        }
        ShowStart(box);
    } else if (auto* group = qobject_cast<RadioGroup*>(Widget(c))) {
        group->addItem(Q(item));
    }
}

std::string QtView::Text(Control c) const {
    QWidget* w = Widget(c);
    switch (KindOf(c)) {
        case Kind::Label:
        case Kind::Heading:
            return static_cast<QLabel*>(w)->text().toStdString();
        case Kind::Button:
            return static_cast<QAbstractButton*>(w)->text().toStdString();
        case Kind::Combo:
            return static_cast<QComboBox*>(w)->lineEdit()->text().toStdString();
        case Kind::Edit:
            return static_cast<QLineEdit*>(w)->text().toStdString();
        case Kind::Memo:
            return static_cast<QTextEdit*>(w)->toPlainText().toStdString();
        case Kind::Panel:
        case Kind::Smiley:
            return static_cast<Panel*>(w)->text().toStdString();
        case Kind::GroupBox:
        case Kind::RadioGroup:
            return static_cast<QGroupBox*>(w)->title().toStdString();
        case Kind::Grid:
        case Kind::StatusBar:
            return {};
    }
    return {};
}

void QtView::SetText(Control c, const std::string& text) {
    QWidget* w = Widget(c);
    const QString q = Q(text);
    switch (KindOf(c)) {
        case Kind::Label:
        case Kind::Heading: {
            auto* label = static_cast<QLabel*>(w);
            label->setText(q);
            if (design::Of(c).width == 0) label->adjustSize();  // sized to its caption
            break;
        }
        case Kind::Button:
            static_cast<QAbstractButton*>(w)->setText(q);
            break;
        case Kind::Combo: {
            // A text written into the edit field is no selection.
            auto* box = static_cast<QComboBox*>(w);
            const QSignalBlocker blockBox(box);
            const QSignalBlocker blockEdit(box->lineEdit());
            box->setCurrentIndex(-1);
            box->setEditText(q);
            ShowStart(box);
            break;
        }
        case Kind::Edit: {
            auto* edit = static_cast<QLineEdit*>(w);
            const QSignalBlocker block(edit);
            edit->setText(q);
            break;
        }
        case Kind::Memo:
            SetMemoText(static_cast<QTextEdit*>(w), q, c);
            break;
        case Kind::Panel:
        case Kind::Smiley:
            static_cast<Panel*>(w)->setText(q);
            break;
        case Kind::GroupBox:
        case Kind::RadioGroup:
            static_cast<QGroupBox*>(w)->setTitle(q);
            break;
        case Kind::Grid:
        case Kind::StatusBar:
            break;
    }
    UpdateAccessibleTexts(c);
}

void QtView::SetEnabled(Control c, bool enabled) {
    QWidget* w = Widget(c);
    if (!enabled) ReleaseFocusInside(w);
    w->setEnabled(enabled);
}

void QtView::SetVisible(Control c, bool visible) {
    QWidget* w = Widget(c);
    if (!visible) ReleaseFocusInside(w);
    w->setVisible(visible);
}

void QtView::SetColour(Control c, Colour colour) {
    ApplyColour(c, colour);
}

Colour QtView::GetColour(Control c) const {
    const Entry& e = At(c);
    if (e.colour) return *e.colour;
    const auto& d = design::Of(c);
    if (d.parentColour && d.parent) return GetColour(*d.parent);
    return d.colour;
}

void QtView::SetFontColour(Control c, Colour colour) {
    ApplyFontColour(c, colour);
}

void QtView::SetLeft(Control c, int left) {
    QWidget* w = Widget(c);
    w->move(left, w->y());
}

void QtView::SetFocus(Control c) {
    Widget(c)->setFocus(Qt::OtherFocusReason);
}

void QtView::Repaint(Control c) {
    Widget(c)->repaint();
}

std::string QtView::Cell(int column, int row) const {
    auto* grid = static_cast<QTableWidget*>(Widget(Control::Tabelle));
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

void QtView::SetCell(int column, int row, const std::string& text) {
    auto* grid = static_cast<QTableWidget*>(Widget(Control::Tabelle));
    QTableWidgetItem* item = grid->item(row, column);
    if (item == nullptr) return;
    item->setText(Q(text));
    if (row == plan::kHeaderRow || column == plan::kSubjectColumn) UpdateGridHeaders(column, row);
}

void QtView::SetStatusText(int panel, const std::string& text) {
    static_cast<StatusBar*>(Widget(Control::StatusBar1))->setPanelText(panel, Q(text));
}

DlgResult QtView::MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) {
    return boxes_.Show(MessageDlgBox(text, type, buttons));
}

void QtView::ShowMessage(const std::string& text) {
    boxes_.Show(PlainBox(text));
}

void QtView::Close() {
    if (closer_) closer_();
}

}  // namespace belegix

#include <stdexcept>

#include "core/design.h"
#include "core/plan/plan.h"

namespace belegix::plan {

namespace {

using design::Kind;

Kind KindOf(Control c) {
    return design::Of(c).kind;
}

bool HasItems(Control c) {
    return KindOf(c) == Kind::Combo || KindOf(c) == Kind::RadioGroup;
}

}  // namespace

WindowState DesignedWindow() {
    WindowState w;
    for (const design::ControlDesign& d : design::Controls()) {
        ControlState& s = w.at(d.control);
        s.text = (d.kind == Kind::Grid || d.kind == Kind::StatusBar) ? "" : std::string(d.text);
        if (HasItems(d.control))
            for (std::string_view item : d.items) s.items.emplace_back(item);
        s.enabled = d.enabled;
        s.visible = d.visible;
        if (!d.parentColour) s.colour = d.colour;
        s.fontColour = d.fontColour;
        s.left = d.left;
    }
    return w;
}

Colour ShownColour(const WindowState& w, Control c) {
    const ControlState& s = w.at(c);
    if (s.colour) return *s.colour;
    const auto& d = design::Of(c);
    if (d.parentColour && d.parent) return ShownColour(w, *d.parent);
    return d.colour;
}

bool Usable(const WindowState& w, Control c) {
    if (w.closed) return false;
    if (w.at(Control::MemoIntro).visible && c != Control::BitBtnHinweise) return false;
    for (std::optional<Control> p = c; p; p = design::Of(*p).parent)
        if (!w.at(*p).enabled || !w.at(*p).visible) return false;
    return true;
}

void MemoryView::Pick(Control c, int index) {
    ControlState& s = w_->at(c);
    if (!HasItems(c) || index < 0 || static_cast<std::size_t>(index) >= s.items.size())
        throw std::out_of_range("pick outside the items");
    s.index = index;
    if (KindOf(c) == Kind::Combo) s.text = s.items[static_cast<std::size_t>(index)];
}

void MemoryView::Type(Control c, const std::string& text) {
    if (!design::TakesTyping(c)) throw std::logic_error("typing into a control without a field");
    ControlState& s = w_->at(c);
    s.text = text;
    s.index = -1;
}

int MemoryView::ItemIndex(Control c) const {
    return HasItems(c) ? w_->at(c).index : -1;
}

void MemoryView::SetItemIndex(Control c, int index) {
    if (!HasItems(c)) return;
    ControlState& s = w_->at(c);
    const bool inRange = index >= 0 && static_cast<std::size_t>(index) < s.items.size();
    s.index = inRange ? index : -1;
    if (KindOf(c) == Kind::Combo) s.text = inRange ? s.items[static_cast<std::size_t>(index)] : "";
}

void MemoryView::ClearItems(Control c) {
    if (!HasItems(c)) return;
    ControlState& s = w_->at(c);
    s.items.clear();
    s.index = -1;  // a combo box keeps the text of its edit field
}

void MemoryView::AddItem(Control c, const std::string& item) {
    if (HasItems(c)) w_->at(c).items.push_back(item);
}

std::string MemoryView::Text(Control c) const {
    return w_->at(c).text;
}

void MemoryView::SetText(Control c, const std::string& text) {
    const Kind k = KindOf(c);
    if (k == Kind::Grid || k == Kind::StatusBar) return;
    ControlState& s = w_->at(c);
    s.text = text;
    if (k == Kind::Combo) s.index = -1;  // a text written into the edit field is no selection
}

void MemoryView::DropFocusInside(Control c) {
    if (w_->focus && design::IsInside(*w_->focus, c)) w_->focus.reset();
}

void MemoryView::SetEnabled(Control c, bool enabled) {
    if (!enabled) DropFocusInside(c);
    w_->at(c).enabled = enabled;
}

void MemoryView::SetVisible(Control c, bool visible) {
    ControlState& s = w_->at(c);
    if (!visible) DropFocusInside(c);
    const bool shows = visible && !s.visible;
    s.visible = visible;
    // The period panel takes the keyboard to its options when it opens.
    if (shows && c == Control::ZusatzPanel) SetFocus(Control::RGZusatzkurse);
}

void MemoryView::SetColour(Control c, Colour colour) {
    w_->at(c).colour = colour;
}

Colour MemoryView::GetColour(Control c) const {
    return ShownColour(*w_, c);
}

void MemoryView::SetFontColour(Control c, Colour colour) {
    w_->at(c).fontColour = colour;
}

void MemoryView::SetLeft(Control c, int left) {
    w_->at(c).left = left;
}

void MemoryView::SetFocus(Control c) {
    // A control that cannot take the focus now does not get it.
    for (std::optional<Control> p = c; p; p = design::Of(*p).parent)
        if (!w_->at(*p).enabled || !w_->at(*p).visible) return;
    w_->focus = c;
    w_->lastFocus = c;
}

void MemoryView::Repaint(Control) {}

std::string MemoryView::Cell(int column, int row) const {
    return w_->cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void MemoryView::SetCell(int column, int row, const std::string& text) {
    w_->cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
}

void MemoryView::SetStatusText(int panel, const std::string& text) {
    w_->status.at(static_cast<std::size_t>(panel)) = text;
}

DlgResult MemoryView::Ask(const BoxRequest& box) {
    if (answerer_) return answerer_(box);
    return box.buttons.size() == 1 ? box.buttons.front() : DlgResult::Closed;
}

DlgResult MemoryView::MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) {
    return Ask(MessageDlgBox(text, type, buttons));
}

void MemoryView::ShowMessage(const std::string& text) {
    Ask(PlainBox(text));
}

void MemoryView::Close() {
    w_->closed = true;
    w_->focus.reset();
}

}  // namespace belegix::plan

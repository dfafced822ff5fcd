#include "tests/support/fake_view.h"

#include <stdexcept>

namespace belegix::test {

FakeView::FakeView() {
    for (Control c : AllControls()) controls_[c] = FakeControl{};
}

FakeControl& FakeView::Get(Control c) {
    return controls_.at(c);
}
const FakeControl& FakeView::Get(Control c) const {
    return controls_.at(c);
}

int FakeView::ItemIndex(Control c) const {
    return Get(c).index;
}

void FakeView::SetItemIndex(Control c, int index) {
    FakeControl& fc = Get(c);
    if (index < 0 || static_cast<std::size_t>(index) >= fc.items.size()) {
        fc.index = -1;
        if (index < 0 && c != Control::ProfilRadioGroup && c != Control::RGZusatzkurse)
            fc.text.clear();
        return;
    }
    fc.index = index;
    fc.text = fc.items[static_cast<std::size_t>(index)];
}

void FakeView::ClearItems(Control c) {
    FakeControl& fc = Get(c);
    fc.items.clear();
    fc.index = -1;
}

void FakeView::AddItem(Control c, const std::string& item) {
    Get(c).items.push_back(item);
}

std::string FakeView::Text(Control c) const {
    return Get(c).text;
}

void FakeView::SetText(Control c, const std::string& text) {
    FakeControl& fc = Get(c);
    fc.text = text;
    // A text written into a combo box's edit field is no selection.
    fc.index = -1;
}

void FakeView::SetEnabled(Control c, bool enabled) {
    Get(c).enabled = enabled;
}
void FakeView::SetVisible(Control c, bool visible) {
    Get(c).visible = visible;
}
void FakeView::SetColour(Control c, Colour colour) {
    Get(c).colour = colour;
}
Colour FakeView::GetColour(Control c) const {
    return Get(c).colour;
}
void FakeView::SetFontColour(Control c, Colour colour) {
    Get(c).fontColour = colour;
}
void FakeView::SetLeft(Control c, int left) {
    Get(c).left = left;
}

void FakeView::SetFocus(Control c) {
    focus = c;
    focusSet = true;
}

void FakeView::Repaint(Control c) {
    ++Get(c).repaints;
}

std::string FakeView::Cell(int column, int row) const {
    return grid_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

void FakeView::SetCell(int column, int row, const std::string& text) {
    grid_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row)) = text;
    ++cellWrites_;
}

void FakeView::SetStatusText(int panel, const std::string& text) {
    status.at(static_cast<std::size_t>(panel)) = text;
}

DlgResult FakeView::MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) {
    DlgResult answer = DlgResult::Ok;
    if (buttons == DlgButtons::YesNo) {
        answer = DlgResult::Closed;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    boxes_.push_back(
        {type == DlgType::Information ? Box::Kind::Information : Box::Kind::Confirmation, text,
         buttons, answer});
    return answer;
}

void FakeView::ShowMessage(const std::string& text) {
    boxes_.push_back({Box::Kind::Plain, text, DlgButtons::Ok, DlgResult::Ok});
}

void FakeView::Close() {
    closed = true;
}

void FakeView::Pick(Control c, int index) {
    FakeControl& fc = Get(c);
    if (index < 0 || static_cast<std::size_t>(index) >= fc.items.size())
        throw std::out_of_range("pick outside the items");
    fc.index = index;
    fc.text = fc.items[static_cast<std::size_t>(index)];
}

void FakeView::Type(Control c, const std::string& text) {
    FakeControl& fc = Get(c);
    fc.text = text;
    fc.index = -1;
}

std::vector<std::string> FakeView::BoxTexts() const {
    std::vector<std::string> texts;
    for (const Box& b : boxes_) texts.push_back(b.text);
    return texts;
}

}  // namespace belegix::test

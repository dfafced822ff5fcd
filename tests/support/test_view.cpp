#include "tests/support/test_view.h"

namespace belegix::test {

TestView::TestView() {
    SetAnswerer([this](const BoxRequest& box) { return Answer(box); });
}

TestView& TestView::operator=(const TestView& other) {
    if (this == &other) return *this;
    window() = other.window();
    for (std::size_t panel = 0; panel < other.status().size(); ++panel)
        MemoryView::SetStatusText(static_cast<int>(panel), other.status()[panel]);
    answers_ = other.answers_;
    boxes_ = other.boxes_;
    cellWrites_ = other.cellWrites_;
    repaints_ = other.repaints_;
    focusRequests_ = other.focusRequests_;
    return *this;
}

DlgResult TestView::Answer(const BoxRequest& box) {
    DlgResult answer = box.buttons.size() == 1 ? box.buttons.front() : DlgResult::Closed;
    if (box.buttons.size() > 1 && !answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    boxes_.push_back(
        {box.kind, box.text, box.buttons.size() > 1 ? DlgButtons::YesNo : DlgButtons::Ok, answer});
    return answer;
}

std::vector<std::string> TestView::BoxTexts() const {
    std::vector<std::string> texts;
    for (const Box& b : boxes_) texts.push_back(b.text);
    return texts;
}

void TestView::Repaint(Control c) {
    ++repaints_.at(static_cast<std::size_t>(c));
    MemoryView::Repaint(c);
}

void TestView::SetCell(int column, int row, const std::string& text) {
    MemoryView::SetCell(column, row, text);
    ++cellWrites_;
}

void TestView::SetFocus(Control c) {
    ++focusRequests_;
    MemoryView::SetFocus(c);
}

}  // namespace belegix::test

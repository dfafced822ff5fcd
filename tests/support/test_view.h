// The window in memory (`plan::MemoryView`, the same one that replays a plan) with what a test
// needs to see besides the window itself: answers queued for the question boxes, the boxes
// shown, and counts of cell writes, repaints and focus requests.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "core/plan/plan.h"

namespace belegix::test {

struct Box {
    using Kind = BoxKind;
    Kind kind;
    std::string text;
    DlgButtons buttons;
    DlgResult answer;
};

class TestView : public plan::MemoryView {
  public:
    TestView();
    // A copy shows the same window and has seen the same boxes (the benchmarks restore windows).
    TestView(const TestView& other) : TestView() { *this = other; }
    TestView& operator=(const TestView& other);

    // Answers for the next boxes with more than one button; a box with none queued is
    // answered Closed.
    void QueueAnswer(DlgResult answer) { answers_.push_back(answer); }

    // Replaces the items of `c`.
    void SetItems(Control c, const std::vector<std::string>& items) {
        ClearItems(c);
        for (const std::string& item : items) AddItem(c, item);
    }

    // What a control shows (the window's own state, writable for odd set-ups).
    plan::ControlState& Get(Control c) { return window().at(c); }
    const plan::ControlState& Get(Control c) const { return window().at(c); }
    std::optional<Control> Focus() const { return window().focus; }
    bool Closed() const { return window().closed; }

    // Texts of all boxes shown so far, in order; ClearBoxes forgets them.
    std::vector<std::string> BoxTexts() const;
    const std::vector<Box>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    // Count of cell writes, to see that a rule never writes outside its columns.
    int CellWrites() const { return cellWrites_; }
    int Repaints(Control c) const { return repaints_.at(static_cast<std::size_t>(c)); }
    // How often the focus was asked for (granted or not), also by the period panel opening.
    int FocusRequests() const { return focusRequests_; }

    void Repaint(Control c) override;
    void SetCell(int column, int row, const std::string& text) override;
    void SetFocus(Control c) override;

  private:
    DlgResult Answer(const BoxRequest& box);

    std::deque<DlgResult> answers_;
    std::vector<Box> boxes_;
    int cellWrites_ = 0;
    std::array<int, kControlCount> repaints_{};
    int focusRequests_ = 0;
};

}  // namespace belegix::test

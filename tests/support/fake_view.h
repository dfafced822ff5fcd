// A window without a toolkit: keeps what the rules set on every control, the grid and the
// message boxes, and answers confirmations from a queue.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/view.h"

namespace belegix::test {

struct FakeControl {
    std::string text;
    int index = -1;
    std::vector<std::string> items;
    bool enabled = true;
    bool visible = true;
    Colour colour = Colour::Neutral;
    Colour fontColour = Colour::Navy;
    int left = 0;
    int repaints = 0;
};

struct Box {
    enum class Kind { Information, Confirmation, Plain } kind;
    std::string text;
    DlgButtons buttons;
    DlgResult answer;
};

class FakeView : public View {
  public:
    FakeView();

    int ItemIndex(Control c) const override;
    void SetItemIndex(Control c, int index) override;
    void ClearItems(Control c) override;
    void AddItem(Control c, const std::string& item) override;
    std::string Text(Control c) const override;
    void SetText(Control c, const std::string& text) override;
    void SetEnabled(Control c, bool enabled) override;
    void SetVisible(Control c, bool visible) override;
    void SetColour(Control c, Colour colour) override;
    Colour GetColour(Control c) const override;
    void SetFontColour(Control c, Colour colour) override;
    void SetLeft(Control c, int left) override;
    void SetFocus(Control c) override;
    void Repaint(Control c) override;
    std::string Cell(int column, int row) const override;
    void SetCell(int column, int row, const std::string& text) override;
    void SetStatusText(int panel, const std::string& text) override;
    DlgResult MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) override;
    void ShowMessage(const std::string& text) override;
    void Close() override;

    // What a student does: pick an item (as the program would see it afterwards), or type text,
    // which leaves no selection.
    void Pick(Control c, int index);
    void Type(Control c, const std::string& text);

    // Answers for the next boxes with more than one button; a box with none queued is
    // answered Closed.
    void QueueAnswer(DlgResult answer) { answers_.push_back(answer); }

    FakeControl& Get(Control c);
    const FakeControl& Get(Control c) const;
    // Texts of all boxes shown so far, in order; ClearBoxes forgets them.
    std::vector<std::string> BoxTexts() const;
    const std::vector<Box>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    // Count of cell writes, to see that a rule never writes outside its columns.
    int CellWrites() const { return cellWrites_; }

    Control focus = Control::StatusBar1;
    bool focusSet = false;
    bool closed = false;
    std::array<std::string, 4> status;

  private:
    std::map<Control, FakeControl> controls_;
    std::array<std::array<std::string, kGridRows>, kGridColumns> grid_{};
    std::deque<DlgResult> answers_;
    std::vector<Box> boxes_;
    int cellWrites_ = 0;
};

}  // namespace belegix::test

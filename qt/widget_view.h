// The view on the real widgets: every operation of core/view.h done on the Qt controls of the main
// window. Program-made changes never emit the signals the window's change handlers listen to.
#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/design.h"
#include "core/message_boxes.h"
#include "core/view.h"

namespace belegix {

class QtView : public View {
  public:
    explicit QtView(MessageBoxes& boxes);

    // Called while the window is built, once per control.
    void Register(Control c, QWidget* widget);
    QWidget* Widget(Control c) const;
    std::optional<Control> ControlOf(const QWidget* widget) const;
    // What Close() does; the window sets it.
    void SetCloser(std::function<void()> closer) { closer_ = std::move(closer); }
    // Called when a program change took the focus away from every control.
    void SetFocusDropped(std::function<void()> dropped) { focusDropped_ = std::move(dropped); }

    // The student typed into a combo box: no item is selected any more, the text stays.
    void DropIndexKeepText(Control c);

    // Items of a combo box or radio group, empty for other controls.
    QStringList Items(Control c) const;
    Colour FontColour(Control c) const;
    // The colour set on the control itself; unset while it shows its parent's.
    std::optional<Colour> OwnColour(Control c) const { return At(c).colour; }
    // Puts back a control's own colour, or lets it show its parent's again.
    void RestoreColour(Control c, std::optional<Colour> colour);
    std::string StatusText(int panel) const;

    // Sets the accessible name of a control named by its caption, and the descriptions of the
    // results when `c` is one of them, from what the control now shows.
    void UpdateAccessibleTexts(Control c);

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

  private:
    // The name of `c`; a combo box's edit field and list get it too.
    void SetAccessibleName(Control c, const std::string& name);
    // The plan grid's header of `column` (when `row` is the header row) and of `row` (when
    // `column` is the subjects' column), as assistive technology reads them.
    void UpdateGridHeaders(int column, int row);
    struct Entry {
        QWidget* widget = nullptr;
        std::optional<Colour> colour;  // unset: a parent-coloured control shows its parent's
        Colour fontColour = Colour::Navy;
    };
    Entry& At(Control c);
    const Entry& At(Control c) const;
    void ApplyColour(Control c, Colour colour);
    void ApplyFontColour(Control c, Colour colour);
    // Disabling or hiding the control that holds the focus (or one of its parents) leaves the
    // focus on no control, so that no focus handler runs as a side effect.
    void ReleaseFocusInside(QWidget* w);

    MessageBoxes& boxes_;
    std::array<Entry, kControlCount> entries_{};
    QHash<const QWidget*, Control> controlOf_;  // every registered widget's control
    std::function<void()> closer_;
    std::function<void()> focusDropped_;
};

}  // namespace belegix

// A window after step 1 for the exam-subject check tests: the reset layout, the obligation
// boxes with their design items, and the chosen profile's lists in the five exam boxes. The view
// also keeps a copy of the choice state at every message box, so that counters can be seen
// before a reset clears them.
#pragma once

#include <string>
#include <vector>

#include "fake/fake_view.h"
#include "rules/choice_state.h"
#include "rules/profile_lists.h"

namespace belegix::test {

class ExamView : public FakeView {
  public:
    explicit ExamView(const ChoiceState& st) : st_(st) {}

    DlgResult MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) override {
        seen.push_back(st_);
        return FakeView::MessageDlg(text, type, buttons);
    }
    void ShowMessage(const std::string& text) override {
        seen.push_back(st_);
        FakeView::ShowMessage(text);
    }

    // The choice state as it was when each box appeared.
    std::vector<ChoiceState> seen;

  private:
    const ChoiceState& st_;
};

struct ExamWindow {
    ChoiceState st;
    ExamView view{st};

    // The reset window, step 1 confirmed with `profile`, step 2 open.
    explicit ExamWindow(Profile profile) {
        using enum Control;
        FormCreate(st, view);
        const std::vector<std::pair<Control, std::vector<std::string>>> design = {
            {DeBox, {"Deutsch", "bereits erfüllt"}},
            {FspBox, {"Englisch", "Französisch", "Latein", "Spanisch", "bereits erfüllt"}},
            {KuMuBox, {"Darst.Spiel", "Kunst", "Musik", "bereits erfüllt", ""}},
            {PoBox, {"Politik-W.", "bereits erfüllt"}},
            {GeBox, {"Geschichte", "bereits erfüllt"}},
            {ReWnBox, {"Religion", "Werte u. Normen", "bereits erfüllt"}},
            {MaBox, {"Mathematik", "bereits erfüllt "}},
            {NaturBox, {"Biologie", "Chemie", "Physik", "Informatik", "bereits erfüllt"}},
            {SpBox, {"Sport", "befreit (Attest)", "bereits erfüllt"}},
        };
        for (const auto& [box, items] : design) {
            for (const auto& item : items) view.AddItem(box, item);
        }
        for (int p = 0; p < kProfileCount; ++p)
            view.AddItem(ProfilRadioGroup, std::string(ListsFor(p)->radioItem));
        const int index = static_cast<int>(profile);
        view.SetItemIndex(ProfilRadioGroup, index);
        for (Control box : {Lk1Box, Lk2Box, P3Box, P4Box, P5Box}) {
            view.ClearItems(box);
            for (const ListItem& item : ExamList(index, box))
                view.AddItem(box, std::string(item.text));
        }
        view.ClearItems(BExtraBox);
        if (profile == Profile::B || profile == Profile::Sport) {
            for (std::string_view item : kBExtraItems) view.AddItem(BExtraBox, std::string(item));
            view.SetItemIndex(BExtraBox, 0);
        } else {
            view.AddItem(BExtraBox, std::string(kBrauchstDuNicht));
            view.SetItemIndex(BExtraBox, 0);
            view.SetEnabled(BExtraBox, false);
        }
        view.SetColour(ProfilRadioGroup, Colour::Silver);
        view.SetEnabled(ProfilRadioGroup, false);
        view.SetEnabled(ProfilBitBtn, false);
        view.SetColour(GroupBox1, Colour::Orange);
        view.SetEnabled(GroupBox1, true);
        view.SetEnabled(PFachBitBtn, true);
    }

    // Picks the five exam subjects by index; -1 leaves a box empty.
    void Choose(int p1, int p2, int p3, int p4, int p5) {
        using enum Control;
        const std::pair<Control, int> picks[] = {
            {Lk1Box, p1}, {Lk2Box, p2}, {P3Box, p3}, {P4Box, p4}, {P5Box, p5}};
        for (const auto& [box, index] : picks) {
            if (index >= 0) view.Pick(box, index);
        }
    }

    // True when the window and the state are those of a fresh reset after a failed check.
    bool LooksReset() const {
        using enum Control;
        const FakeControl& lk1 = view.Get(Lk1Box);
        bool cellsBlank = true;
        for (int row = 1; row < kGridRows; ++row)
            cellsBlank = cellsBlank && view.Cell(1, row) == " ";
        return st.GqKurse == 0 && st.FspZahl == 0 && st.NwZahl == 0 && st.KernOk == 0 &&
               st.FelderOk == 0 && view.ItemIndex(ProfilRadioGroup) == -1 &&
               lk1.items == std::vector<std::string>{"zuerst ein Profil wählen"} &&
               view.GetColour(ProfilRadioGroup) == Colour::Orange &&
               view.Get(ProfilRadioGroup).enabled && !view.Get(GroupBox2).enabled &&
               view.GetColour(GroupBox2) == Colour::Silver && !view.Get(AuflagenBitBtn).enabled &&
               cellsBlank;
    }
};

}  // namespace belegix::test

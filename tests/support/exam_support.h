// A window after step 1 for the exam-subject check tests: the reset layout, the obligation
// boxes with the items the window gives them, and the chosen profile's lists in the five exam
// boxes. The view also keeps a copy of the choice state at every message box, so that counters can
// be seen before a reset clears them. Below it the pieces the per-profile tests share: a fixture,
// the shown boxes as (kind, text) pairs and the messages that several profiles show alike.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/choice_state.h"
#include "core/rules/exam_checks.h"
#include "core/rules/profile.h"
#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"
#include "tests/support/test_view.h"

namespace belegix::test {

class ExamView : public TestView {
  public:
    explicit ExamView(const ChoiceState& st) : st_(st) {}

    DlgResult MessageDlg(const std::string& text, DlgType type, DlgButtons buttons) override {
        seen.push_back(st_);
        return TestView::MessageDlg(text, type, buttons);
    }
    void ShowMessage(const std::string& text) override {
        seen.push_back(st_);
        TestView::ShowMessage(text);
    }

    // The choice state as it was when each box appeared.
    std::vector<ChoiceState> seen;

  private:
    const ChoiceState& st_;
};

struct ExamWindow {
    ChoiceState st;
    ExamView view{st};

    // The reset window, step 1 confirmed with `profile` by the window's own operation, step 2
    // open.
    explicit ExamWindow(Profile profile) {
        using enum Control;
        StartPlanner(st, view);
        view.Pick(ProfilRadioGroup, static_cast<int>(profile));
        ConfirmProfile(st, view);
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
        const plan::ControlState& lk1 = view.Get(Lk1Box);
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

// The message boxes shown so far, as (kind, text).
using Shown = std::vector<std::pair<Box::Kind, std::string>>;
inline Shown ShownBoxes(const TestView& v) {
    Shown shown;
    for (const Box& b : v.Boxes()) shown.emplace_back(b.kind, b.text);
    return shown;
}

// A long check message: its lines joined by "\r".
inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r" : "") + lines[i];
    return text;
}

// Messages that several profiles show with the same text.
inline const std::string kIntensiv =
    "Eine Intensivsprache kann nicht als P1-, P2- oder P3-Fach gewählt werden";
inline const std::string kFelder =
    "Auflagen beachten: Es wurden nicht alle Aufgabenfelder abgedeckt";
inline const std::string kKern =
    "Auflagen beachten: zwei der Fächer Deutsch, Fremdsprache, Mathematik  müssen "
    "Prüfungsfächer sein! Du musst noch einmal neu beginnen!";

// The additional obligation's list in profiles B and sport.
inline const std::vector<std::string> kExtraList = {"Bitte wählen", "Englisch", "Französich",
                                                    "Latein",       "Spanisch", "Biologie",
                                                    "Chemie",       "Physik",   "Informatik"};

// A window of `profile` after step 1, for the checks of the exam subjects.
template <Profile profile>
struct ExamTest : ::testing::Test {
    ExamWindow w{profile};
    ChoiceState& st = w.st;
    ExamView& v = w.view;

    // Picks the five exam subjects by index (-1 leaves a box empty) and runs the check.
    void Run(int a, int b, int c, int d, int e) {
        w.Choose(a, b, c, d, e);
        CheckExamSubjects(st, v);
    }
    // The obligation box shows `item` and is closed.
    bool Met(Control box, int item) const {
        return v.ItemIndex(box) == item && !v.Get(box).enabled;
    }
    // The additional obligation is still open, on "Bitte wählen".
    bool ExtraOpen() const {
        return v.Get(Control::BExtraBox).items == kExtraList &&
               v.ItemIndex(Control::BExtraBox) == 0 && v.Get(Control::BExtraBox).enabled &&
               st.Erfuellt[Obligation::BExtra] == 0;
    }
    // Step 0 chose `s` as the intensive language.
    void Intensive(Subject s, Flag nurEineFs) {
        st.Int[s] = 1;
        st.IntGewaehlt = 1;
        st.NurEineFs = nurEineFs;
    }
};

}  // namespace belegix::test

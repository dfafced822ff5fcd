// Random user actions on the real window: mostly what a person can do at the moment, sometimes
// what must be ignored, now and then a walk through the steps so that the later steps are reached
// often enough. Window-level property tests draw their actions from here and check what they
// care about after each.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "qt/main_window.h"
#include "tools/drive/script.h"

namespace belegix::test {

// One action: a driver command, or a pick of an index that the list does not hold (`outside`),
// which no script can ask for (see PickOutsideTheList).
struct RandomAction {
    drive::Command command;
    bool outside = false;
};

class RandomActions {
  public:
    explicit RandomActions(std::uint64_t seed) : rng_(seed) {}

    // The next action on `win` as it is now; nothing when this draw only started a walk.
    std::optional<RandomAction> Next(MainWindow& win);

    // An answer to a box: mostly one of its buttons (on a walk mostly the first, to get on),
    // sometimes closing it through its title bar (`Closed`).
    DlgResult Answer(const BoxRequest& box);

    int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(int percent) { return Random(100) < percent; }

  private:
    std::mt19937_64 rng_;
    const std::vector<std::string>* walk_ = nullptr;
    std::size_t walkStep_ = 0;
    bool walkTaken_ = false;  // the walk's current line has been handed out
};

// The driver line of a text; aborts on a line this file's callers got wrong.
drive::Command ParseLine(const std::string& line);

// A pick of an index the list does not hold, as far as the toolkit lets a program do it: the
// control gets the focus, then the selection is set (Qt leaves none) and the pick signal is sent
// with that index. False when the control cannot be used now, and nothing happens.
bool PickOutsideTheList(MainWindow& win, Control c, int index);

}  // namespace belegix::test

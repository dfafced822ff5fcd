// The event table over the whole design, and the error rule for lookups that must succeed.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/design.h"
#include "core/rules/events.h"
#include "core/rules/profile_lists.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

TEST(EventTable, EveryButtonOfTheDesignRunsOneOperationAndNoRowIsShadowed) {
    std::set<std::pair<int, Event>> rows;
    for (const EventBinding& row : EventTable()) {
        const int control = row.control ? static_cast<int>(*row.control) : -1;
        EXPECT_TRUE(rows.insert({control, row.event}).second)
            << "two rows for " << (row.control ? ControlName(*row.control) : "the window");
        EXPECT_TRUE(row.control || row.event == Event::Activate);
    }
    for (const design::ControlDesign& d : design::Controls()) {
        if (d.kind != design::Kind::Button) continue;
        EXPECT_TRUE(rows.contains({static_cast<int>(d.control), Event::Click}))
            << ControlName(d.control) << " has no operation";
    }

    ChoiceState st;
    test::TestView v;
    test::NullPrinter printer;
    Form form{st, v, printer};
    EXPECT_FALSE(Dispatch(form, Control::Label1, Event::Click));
    EXPECT_FALSE(Dispatch(form, Control::DeBox, Event::Change));
}

TEST(MustExistDeathTest, ALookupOfSomethingMissingStopsTheProgramWithTheReason) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto outside = static_cast<Control>(kControlCount);
    EXPECT_DEATH(design::Of(outside), "control in the design table does not exist");
    EXPECT_DEATH(ControlName(outside), "control does not exist");
    EXPECT_DEATH(ListsFor(static_cast<Profile>(kProfileCount)), "profile does not exist");
    EXPECT_DEATH(ExamList(Profile::A, Control::DeBox), "exam-subject list");
}

}  // namespace
}  // namespace belegix

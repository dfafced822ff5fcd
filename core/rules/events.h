// The one entry of user events: a table of {control, event, operation}. The Qt window and the
// driver call Dispatch for every user event; nothing here depends on a GUI toolkit, so tests
// dispatch the same way.
#pragma once

#include <optional>
#include <span>

#include "core/choice_state.h"
#include "core/print_stream.h"
#include "core/view.h"

namespace belegix {

enum class Event {
    Click,     // a button, or the frame `GroupBox3`
    Change,    // the student picked an item of a combo box or typed into it
    Enter,     // the input focus moved into the control from outside it
    Activate,  // the window was activated (the control is ignored)
};

// The window as the operations see it.
struct Form {
    ChoiceState& st;
    View& view;
    PrintStream& printer;
};

// One row of the event table: `event` on `control` runs `operation`. A row without a control
// belongs to the window as a whole and matches whichever control the event names.
struct EventBinding {
    std::optional<Control> control;
    Event event;
    void (*operation)(Form&);
};

// The whole table, in no particular order; no two rows match the same control and event.
std::span<const EventBinding> EventTable();

// Runs the operation bound to `event` on `control`; false when there is none.
bool Dispatch(Form& form, Control control, Event event);

}  // namespace belegix

// Which handler each event of the window runs. The Qt window and the driver call Dispatch for
// every user event; nothing here depends on a GUI toolkit, so tests dispatch the same way.
#pragma once

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

// The window as the handlers see it.
struct Form {
    ChoiceState& st;
    View& view;
    PrintStream& printer;
};

// Runs the handler of `event` on `control`; false when there is none.
bool Dispatch(Form& form, Control control, Event event);

}  // namespace belegix

// What a screen reader says about the window's controls: each control's accessible name (the
// visible label or step heading that belongs to it) and, for the result panels and smileys, a
// description in words of the value and its traffic-light colour, so that no verdict is told by
// colour alone. Kept as data here; the Qt window applies it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/view.h"

namespace belegix::access {

// The accessible name of `c`. Labels, headings and buttons are named by their own caption
// (`caption`, blanks trimmed; the design's caption while it is empty); every other control by the
// label or heading that belongs to it.
std::string Name(Control c, std::string_view caption);

// Whether the name of `c` follows its own caption, so that it changes with the caption.
bool NamedByCaption(Control c);

// Whether `c` is one of the result panels or smileys, whose description follows their text and
// colour (and that of their partner: the count and its smiley describe each other's colour).
bool Describes(Control c);

// The description of a result panel or smiley as it stands in `v`, for example
// "Gesamtqualifikation: 36, gelb"; empty for every other control.
std::string Description(Control c, const View& v);

// The order in which Tab visits the controls that take the keyboard focus: the intro button, then
// the steps from left to right, each from its first field to its "  Fertig" button, a pop-up
// panel right after the step it lies over. `ErgebnisBitBtn` follows the obligations, before
// step 4: entering step 4 disables it, so that a student who only wants the plan evaluated
// reaches it without passing through step 4. Labels, frames, memos and the plan grid are never
// visited.
const std::vector<Control>& TabOrder();

// The German word of a traffic-light colour ("grün", "gelb", "rot"); empty for the neutral face.
std::string_view ColourName(Colour c);

}  // namespace belegix::access

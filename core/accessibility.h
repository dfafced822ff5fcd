// What a screen reader says about the window's controls: each control's accessible name (the
// visible label or step heading that belongs to it) and, for the result panels and smileys, a
// description in words of the value and its traffic-light colour, so that no verdict is told by
// colour alone. Kept as data here; the Qt window applies it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/view.h"

namespace belegix::access {

// The name under which assistive technology lists the program.
inline constexpr std::string_view kApplicationName = "Belegix-LiH";
// The names of the window's menu bar and of a list item without text.
inline constexpr std::string_view kMenuBarName = "Menüleiste";
inline constexpr std::string_view kEmptyItemName = "leer";

// The caption a control shows now (a label's or button's text).
using CaptionOf = std::function<std::string(Control)>;

// The accessible name of `c`. Labels, headings and buttons are named by their own caption
// (blanks trimmed; the design's caption while it is empty), a "Hilfe" or "Fertig" button by what
// it does for which step ("Hilfe zu Schritt 2", "Schritt 2 fertig"), and every other control by
// the label or heading that belongs to it. The exam positions of step 2, label and box alike,
// are read with what their label means ("P1 – 1. Prüfungsfach", "SP2 – 3. Prüfungsfach,
// 2. Schwerpunktfach"), so they follow the label's caption.
std::string Name(Control c, const CaptionOf& caption);

// The controls whose name follows the caption of `changed`: itself when it is named by its
// caption, and the box beside an exam position's label.
std::vector<Control> NamesFollowing(Control changed);

// The label or heading beside `c` that names it on screen (the "labelled by" relation); nothing
// for a control that is named by its own caption.
std::optional<Control> LabelOf(Control c);

// The header of a column of the plan grid: the grid's own header cell (`headerCell`, blanks
// trimmed), and "Aufgabenfeld" for the task-field column, whose header cell stays blank.
std::string ColumnHeader(int column, std::string_view headerCell);

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

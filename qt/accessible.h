// What assistive technology (a screen reader through AT-SPI) finds in the window beyond the names
// and descriptions the view sets (core/accessibility.h): the program under its name, the window
// as a frame, every combo box named by its label with its value as value, its edit field and a
// list whose items a screen reader can choose, the menu bar and menus named, and nothing of what
// a memo or panel in front covers (the intro screen covers the steps until it is closed).
#pragma once

class QComboBox;
class QWidget;

namespace belegix {

// Installs the window's accessible interfaces (once per program) and names the menu bar and
// menus of `window`. Called while the window is built, before its controls are made.
void SetUpAccessibility(QWidget& window);

// Whether `w` can be reached: it and every parent up to its window are shown and not covered by
// a shown memo or panel lying in front of them.
bool Reachable(const QWidget* w);

// Chooses item `index` of `box` as a pick with the mouse does: the box shows the item, then
// `QComboBox::activated` runs the window's operation for the pick. Nothing happens for a box that
// is disabled or cannot be reached, or for an index out of range.
void PickItem(QComboBox* box, int index);

}  // namespace belegix

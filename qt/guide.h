// Hilfe → "Anleitung" (F1): the program's guide (help::Guide) in a window of its own that stays
// open beside the planner, scrolls, cannot be edited and closes with Esc.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace belegix {

// Adds "Anleitung" with F1 to `help`; F1 also works over `window` while no menu is open.
QAction* AddGuideAction(QMenu* help, QWidget* window);

// Shows the guide over `window` (one guide per window, raised when already open).
void ShowGuide(QWidget* window);

}  // namespace belegix

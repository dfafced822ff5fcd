// The window's own operations: the intro screen, the status-bar clock and the quit button.
#pragma once

#include <string>

#include "core/view.h"

namespace belegix {

// "Kurswahlen beginnen": the intro screen goes away and the window below becomes usable.
void CloseIntro(View& view);

// "  Ende": asks, shows whom to write to, then closes the window. "No" changes nothing.
void QuitAfterAsking(View& view);

// The one-second timer: panel 0 the time, panel 1 the date, both already formatted in the
// system's short formats.
void ShowClock(View& view, const std::string& time, const std::string& date);

// The fixed texts of status-bar panels 2 and 3, written once when the window is built.
void ShowStatusTexts(View& view);

inline constexpr const char* kBeendenFrage =
    "\n   Möchtest Du Belegix-LiH-2014 jetzt beenden?   \n";
// The contact note after "Yes".
std::string BeendenKontakt();

}  // namespace belegix

// The web edition's colours and fonts: the screen colour of every colour word and the CSS font
// stack that stands in for each of the design's fonts (Liberation Sans for Arial and MS Sans
// Serif, Liberation Mono for Courier New, served with the page). The page and the printed page
// both take them from here.
#pragma once

#include <string>

#include "core/view.h"

namespace belegix::web {

// "#rrggbb" (the system colours as the classic desktop shows them).
std::string CssColour(Colour c);
// A CSS font-family list for a family of the design or the printed page.
std::string CssFontFamily(const std::string& family);

}  // namespace belegix::web

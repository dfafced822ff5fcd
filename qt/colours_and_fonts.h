// The one table of screen colours and fonts, shared by the window and the printer: the design's
// colour words as Qt colours, and the installed fonts that stand in for the design's Windows
// fonts.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include "core/view.h"

namespace belegix {

// The Qt colour of a colour word; the system colours come from the application's palette.
QColor ToQColor(Colour c);

// Registers the stand-in fonts with Qt's font substitution, so that the window's design fonts
// resolve to them.
void InstallFontStandIns();

// The installed family that the printer uses for the design's `family` (first stand-in),
// `family` itself when it has none.
QString InstalledFamily(const QString& family);

// Whether the design's `family` is a fixed-width font.
bool FixedPitch(const QString& family);

// The design's text fonts without which (or their first stand-in) the window's text and the
// printed grid fall apart: Arial, Courier New.
QStringList RequiredFonts();

}  // namespace belegix

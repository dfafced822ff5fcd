// The window's design as data: for every control its kind, parent, position, size, caption,
// items, colours, font and initial flags. The Qt window is built from this table; the driver and
// the tests read it too, so nothing here depends on a GUI toolkit.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/view.h"

namespace belegix::design {

enum class Kind {
    Label,       // a caption; autosized unless width and height are given
    Heading,     // a step heading: white bold text on the desktop colour
    GroupBox,    // a frame holding other controls
    Combo,       // a combo box that accepts typed text
    Button,      // a button with a glyph
    Memo,        // read-only lines of text
    Panel,       // a raised panel with a centred caption
    Smiley,      // a panel whose one-letter caption is drawn as a picture
    RadioGroup,  // a frame with one radio button per item
    Grid,        // the plan grid
    Edit,        // a one-line edit field
    StatusBar,   // the status bar with its four panels
};

enum class Glyph { None, Help, AllDone, Retry, Abort };
enum class Align { Left, Centre, Right };

struct Font {
    std::string_view family = "Arial";
    int pixels = 13;
    bool bold = true;
    bool underline = false;
};

struct ControlDesign {
    Control control;
    Kind kind;
    std::optional<Control> parent;  // nullopt: the window's client area
    int left = 0;
    int top = 0;
    int width = 0;   // 0 with height 0: sized to the caption
    int height = 0;  // 0 with a width: the kind's natural height
    std::string_view text;
    std::vector<std::string_view> items;
    // The background: parentColour controls show their parent's colour until one is set.
    Colour colour = Colour::Neutral;
    bool parentColour = false;
    Colour fontColour = Colour::Navy;
    Font font;
    Align align = Align::Left;
    Glyph glyph = Glyph::None;
    bool enabled = true;
    bool visible = true;
    int maxLength = 0;  // an edit field takes at most this many characters (0: any number)
};

// Every control in design order (the order of the control list in core/view.h).
const std::vector<ControlDesign>& Controls();
const ControlDesign& Of(Control c);

// Whether `inner` lies in `outer` (or is it).
bool IsInside(Control inner, Control outer);

// Combo boxes and radio groups take a pick; combo boxes and edit fields take typed text.
bool TakesPick(Control c);
bool TakesTyping(Control c);

// The window itself.
inline constexpr std::string_view kWindowName = "KurswahlenLiH";
inline constexpr std::string_view kCaption =
    "Kurswahlen für die Qualifikationsphase  am Gymnasium Lindenhain / Morlstadt [Version 2014 - "
    "Abitur 2016] ";
inline constexpr int kClientWidth = 862;
inline constexpr int kClientHeight = 637;
inline constexpr int kStatusBarHeight = 19;
// Widths of status-bar panels 0 to 2; panel 3 takes the rest.
inline constexpr int kStatusPanelWidths[3] = {70, 80, 230};

// The plan grid's column widths and row heights.
inline constexpr int kGridColumnWidths[kGridColumns] = {80, 37, 38, 39, 38, 38, 37};
int GridRowHeight(int row);

}  // namespace belegix::design

#include "web/look.h"

#include <array>

namespace belegix::web {

std::string CssColour(Colour c) {
    switch (c) {
        case Colour::Orange:
            return "#ff8000";
        case Colour::Silver:
            return "#c0c0c0";
        case Colour::Green:
            return "#008000";
        case Colour::Yellow:
            return "#ffff00";
        case Colour::Red:
            return "#ff0000";
        case Colour::Navy:
            return "#000080";
        case Colour::Teal:
            return "#008080";
        case Colour::Maroon:
            return "#800000";
        case Colour::White:
            return "#ffffff";
        case Colour::Black:
            return "#000000";
        case Colour::Neutral:
            return "#efefef";
        case Colour::PaleYellow:
            return "#ffffdc";
        case Colour::InactiveCaption:
            return "#bfcddb";
        case Colour::Desktop:
            return "#3a6ea5";
    }
    return "#000000";
}

std::string CssFontFamily(const std::string& family) {
    struct StandIn {
        const char* design;
        const char* css;
    };
    static constexpr std::array<StandIn, 5> kFonts = {{
        {"Arial", "'Liberation Sans', Arial, sans-serif"},
        {"MS Sans Serif", "'Liberation Sans', Arial, sans-serif"},
        {"Courier New", "'Liberation Mono', 'Courier New', monospace"},
        {"Arial Rounded MT Bold", "'Liberation Sans', Arial, sans-serif"},
        {"Wingdings", "'Liberation Sans', sans-serif"},
    }};
    for (const StandIn& f : kFonts)
        if (family == f.design) return f.css;
    return "'Liberation Sans', sans-serif";
}

}  // namespace belegix::web

#include "core/view.h"

#include <algorithm>

#include "core/must_exist.h"

namespace belegix {

namespace {

constexpr std::array<std::string_view, kControlCount> kControlNames = {
#define BELEGIX_NAME(name) #name,
    BELEGIX_CONTROLS(BELEGIX_NAME)
#undef BELEGIX_NAME
};

struct ColourEntry {
    Colour colour;
    std::string_view word;
};

constexpr std::array<ColourEntry, 14> kColourWords = {{
    {Colour::Orange, "orange"},
    {Colour::Silver, "silver"},
    {Colour::Green, "green"},
    {Colour::Yellow, "yellow"},
    {Colour::Red, "red"},
    {Colour::Navy, "navy"},
    {Colour::Teal, "teal"},
    {Colour::Maroon, "maroon"},
    {Colour::White, "white"},
    {Colour::Black, "black"},
    {Colour::Neutral, "neutral"},
    {Colour::PaleYellow, "paleyellow"},
    {Colour::InactiveCaption, "inactivecaption"},
    {Colour::Desktop, "desktop"},
}};

}  // namespace

std::string_view ControlName(Control c) {
    return ElementOf(kControlNames, static_cast<std::size_t>(c), "control");
}

std::optional<Control> ControlFromName(std::string_view name) {
    const auto it = std::find(kControlNames.begin(), kControlNames.end(), name);
    if (it == kControlNames.end()) return std::nullopt;
    return static_cast<Control>(it - kControlNames.begin());
}

const std::array<Control, kControlCount>& AllControls() {
    static const auto all = [] {
        std::array<Control, kControlCount> a{};
        for (std::size_t i = 0; i < kControlCount; ++i) a[i] = static_cast<Control>(i);
        return a;
    }();
    return all;
}

std::string_view ColourWord(Colour c) {
    for (const auto& e : kColourWords)
        if (e.colour == c) return e.word;
    MustExist(false, "colour word");
    return {};
}

std::optional<Colour> ColourFromWord(std::string_view word) {
    for (const auto& e : kColourWords)
        if (e.word == word) return e.colour;
    return std::nullopt;
}

}  // namespace belegix

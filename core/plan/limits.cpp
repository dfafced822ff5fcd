#include "core/plan/limits.h"

#include <cstdint>

#include "core/design.h"

namespace belegix::plan {

namespace {

// The next code point of `s` from `i` (advancing `i`); nothing for invalid UTF-8.
bool NextCodePoint(std::string_view s, std::size_t& i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
        cp = b;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are no characters.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    out = cp;
    return true;
}

// Characters a person cannot type into a field, or that would change how the text around them
// reads: C0 and C1 controls, DEL, the bidirectional marks and overrides, line and paragraph
// separators.
bool Forbidden(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x2028 ||
           cp == 0x2029 || cp == 0x061C;
}

}  // namespace

std::size_t FieldLimit(Control c) {
    if (!design::TakesTyping(c)) return 0;
    const design::ControlDesign& d = design::Of(c);
    if (d.kind == design::Kind::Combo) return kMaxComboText;
    return d.maxLength > 0 ? static_cast<std::size_t>(d.maxLength) : kMaxComboText;
}

std::string TextProblem(Control c, std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        if (!NextCodePoint(text, i, cp)) return "Der Text ist kein gültiger UTF-8-Text.";
        if (Forbidden(cp)) return "Der Text enthält ein Steuerzeichen.";
        ++characters;
    }
    if (characters > FieldLimit(c))
        return "Der Text ist länger als " + std::to_string(FieldLimit(c)) + " Zeichen.";
    return {};
}

}  // namespace belegix::plan

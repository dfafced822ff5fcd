#include "tools/check/cells.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace belegix::check {

namespace {

struct Range {
    char32_t first, last;
};
#include "tools/check/width_table.inc"

template <std::size_t N>
bool In(const Range (&table)[N], char32_t cp) {
    const Range* end = table + N;
    const Range* it =
        std::upper_bound(table, end, cp, [](char32_t c, const Range& r) { return c < r.first; });
    return it != table && cp <= (it - 1)->last;
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// The code point at `s[i]` and its length in bytes; kInvalid and 1 for a byte that starts no
// well-formed UTF-8 sequence (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> Decode(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    if (c < 0x80) return {c, 1};
    std::size_t n = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return {kInvalid, 1};
    }
    if (i + n > s.size()) return {kInvalid, 1};
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return {kInvalid, 1};
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {kInvalid, 1};
    return {cp, n};
}

std::string Hex(unsigned value, int digits, bool upper = true) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, upper ? "%0*X" : "%0*x", digits, value);
    return buffer;
}

// Escapes start with "⟨" and end with "⟩" (U+27E8, U+27E9).
constexpr std::string_view kOpen = "\u27E8";
constexpr std::string_view kClose = "\u27E9";

std::string Escape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        const auto [cp, n] = Decode(raw, i);
        if (cp == kInvalid) {
            out += std::string(kOpen) + "0x" + Hex(static_cast<unsigned char>(raw[i]), 2) +
                   std::string(kClose);
        } else if (In(kInvisible, cp)) {
            out += std::string(kOpen) + "U+" + Hex(cp, 4) + std::string(kClose);
        } else {
            out.append(raw.substr(i, n));
        }
        i += n;
    }
    return out;
}

bool IsBreak(char ch) {
    return ch == '\r' || ch == '\n';
}

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The lines of `s` split at CR, LF and CR LF.
template <typename F>
void ForEachLine(std::string_view s, F&& line) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && !IsBreak(s[i])) continue;
        line(s.substr(start, i - start), i < s.size());
        if (i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n') ++i;
        start = i + 1;
    }
}

std::size_t CharWidth(char32_t cp) {
    if (In(kZeroWidth, cp)) return 0;
    return In(kDoubleWidth, cp) ? 2 : 1;
}

// The next unit that is never cut: an escape, or a character with the combining marks after it.
std::size_t UnitEnd(std::string_view s, std::size_t i, std::size_t& width) {
    if (s.substr(i).starts_with(kOpen)) {
        const auto close = s.find(kClose, i);
        if (close != std::string_view::npos && close - i <= 16) {
            width = DisplayWidth(s.substr(i, close + kClose.size() - i));
            return close + kClose.size();
        }
    }
    auto [cp, n] = Decode(s, i);
    width = cp == kInvalid ? 1 : CharWidth(cp);
    std::size_t end = i + n;
    while (end < s.size()) {
        const auto [next, m] = Decode(s, end);
        if (next == kInvalid || CharWidth(next) != 0) break;
        end += m;
    }
    return end;
}

}  // namespace

std::string Visible(std::string_view raw, LineBreaks breaks) {
    std::string out;
    ForEachLine(raw, [&](std::string_view line, bool broken) {
        if (breaks == LineBreaks::Keep) {
            out += Escape(line);
            if (broken) out += '\n';
            return;
        }
        line = Trimmed(line);
        if (line.empty()) return;
        if (!out.empty()) out += " / ";
        out += Escape(line);
    });
    return out;
}

std::size_t DisplayWidth(std::string_view visible) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < visible.size();) {
        const auto [cp, n] = Decode(visible, i);
        width += cp == kInvalid ? 1 : CharWidth(cp);
        i += n;
    }
    return width;
}

std::string Cut(std::string_view visible, std::size_t columns, Keep keep) {
    if (DisplayWidth(visible) <= columns) return std::string(visible);
    const std::size_t room = columns > 0 ? columns - 1 : 0;  // one column for "…"
    // The units and where each ends, with its width.
    std::vector<std::pair<std::size_t, std::size_t>> units;
    for (std::size_t i = 0; i < visible.size();) {
        std::size_t width = 0;
        i = UnitEnd(visible, i, width);
        units.emplace_back(i, width);
    }
    std::size_t used = 0;
    if (keep == Keep::Start) {
        std::size_t end = 0;
        for (const auto& [unitEnd, width] : units) {
            if (used + width > room) break;
            used += width;
            end = unitEnd;
        }
        return std::string(visible.substr(0, end)) + "…";
    }
    std::size_t start = visible.size();
    for (std::size_t u = units.size(); u-- > 0;) {
        if (used + units[u].second > room) break;
        used += units[u].second;
        start = u > 0 ? units[u - 1].first : 0;
    }
    return "…" + std::string(visible.substr(start));
}

bool LooksLikeFormula(std::string_view visible) {
    for (std::size_t i = 0; i < visible.size();) {
        const auto [cp, n] = Decode(visible, i);
        switch (cp) {
            case ' ':
            case '\n':
            case 0x00A0:  // no-break space
            case 0x1680:
            case 0x202F:
            case 0x205F:
            case 0x3000:  // ideographic space
                break;
            case '=':
            case '+':
            case '-':
            case '@':
            case 0xFF1D:  // ＝
            case 0xFF0B:  // ＋
            case 0xFF0D:  // －
            case 0xFF20:  // ＠
                return true;
            default:
                if (cp >= 0x2000 && cp <= 0x200A) break;  // the typographic spaces
                return false;
        }
        i += n;
    }
    return false;
}

std::string JsonEscaped(std::string_view json) {
    std::string out;
    out.reserve(json.size());
    auto unit = [&out](unsigned u) { out += "\\u" + Hex(u, 4, false); };
    for (std::size_t i = 0; i < json.size();) {
        const auto [cp, n] = Decode(json, i);
        if (cp != kInvalid && cp >= 0x7F && In(kInvisible, cp)) {
            if (cp > 0xFFFF) {
                unit(0xD800 + ((cp - 0x10000) >> 10));
                unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                unit(cp);
            }
        } else {
            out.append(json.substr(i, n));
        }
        i += n;
    }
    return out;
}

}  // namespace belegix::check

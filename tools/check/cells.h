// The checker's cells as a terminal or a spreadsheet shows them: every character that would not
// show as itself (control, format, bidi and zero-width characters, the line and paragraph
// separators, bytes that are no UTF-8) becomes a visible escape, widths are counted in terminal
// columns, and a text a spreadsheet would take for a formula is marked as text. No GUI toolkit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace belegix::check {

enum class LineBreaks {
    Join,  // lines trimmed and joined with " / " (one table row)
    Keep,  // CR, LF and CR LF each become one LF (a quoted CSV field)
};

// `raw` with "⟨U+202E⟩" for each invisible character and "⟨0x9B⟩" for each byte that is no
// UTF-8; line breaks as `breaks` says.
std::string Visible(std::string_view raw, LineBreaks breaks);

// Terminal columns of a text made by `Visible`: wide (East Asian) characters two, combining
// marks none, every other character one.
std::size_t DisplayWidth(std::string_view visible);

// `visible` cut to at most `columns` terminal columns, "…" marking the cut; an escape or a
// character with its combining marks is never cut in two. A file name keeps its end.
enum class Keep { Start, End };
std::string Cut(std::string_view visible, std::size_t columns, Keep keep = Keep::Start);

// A spreadsheet would compute the text: after leading blanks (NBSP and the wide blanks
// included) and line breaks it starts with = + - @ or their full-width forms.
bool LooksLikeFormula(std::string_view visible);

// A line of JSON (valid UTF-8) with every invisible character as a \u escape, so that no raw
// control, bidi or separator character reaches a reader's terminal.
std::string JsonEscaped(std::string_view json);

}  // namespace belegix::check

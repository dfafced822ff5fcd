// The plan's limits, in one place: the door applies them to every action of the student, so the
// window never holds what a file could not, the writer never writes a file the reader refuses,
// and the reader refuses whatever passes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/view.h"

namespace belegix::plan {

inline constexpr std::size_t kMaxFileBytes = 10 * 1024 * 1024;
inline constexpr std::size_t kMaxActions = 200000;
// Characters a combo box's field takes when the student types into it.
inline constexpr std::size_t kMaxComboText = 10000;
// Answers to the boxes of one action.
inline constexpr std::size_t kMaxAnswers = 64;
inline constexpr int kMaxDepth = 16;
// JSON values in a file (every object, array, key and scalar counts one; an action takes at
// least five). Read into memory a value takes about a hundred bytes, so a file the reader accepts
// stays well below 64 MB together with its text.
inline constexpr std::size_t kMaxFileValues = 250000;
// Room kept in a file for the values of everything but the actions.
inline constexpr std::size_t kFileReserveValues = 2000;
// Room kept in a file for everything but the actions (header and summary).
inline constexpr std::size_t kFileReserveBytes = 64 * 1024;

// The most characters the field of `c` takes: the design's length for an edit field,
// kMaxComboText for a combo box, 0 for a control without a field.
std::size_t FieldLimit(Control c);

// Why `text` cannot stand in the field of `c` (German, naming no control), empty when it can:
// invalid UTF-8, a control, bidirectional-override or separator character, or more characters
// than FieldLimit.
std::string TextProblem(Control c, std::string_view text);

}  // namespace belegix::plan

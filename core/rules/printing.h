// The printed course plan: the two buttons that lead to it and the page itself, written as a
// text stream with font changes within a line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/choice_state.h"
#include "core/print_stream.h"
#include "core/view.h"

namespace belegix {

// "Drucken": asks whether to print and opens the personal-data panel.
void AskToPrint(View& view);

// "  Fertig" on the personal-data panel: checks name, first name and class, asks once more,
// closes the panel and prints the page.
void PrintPlan(View& view, PrintStream& printer);

// Writes the page from the window's current contents and closes the stream. Returns the
// printer's error text when the document could not be started or finished.
std::optional<std::string> WritePlanPage(const View& view, PrintStream& printer);

// Characters of a UTF-8 text (code points; a stray byte counts as one).
std::size_t CharCount(std::string_view text);
// `text` right-aligned in a field of `width` characters; a longer text is returned whole.
std::string InField(std::string_view text, std::size_t width);

}  // namespace belegix

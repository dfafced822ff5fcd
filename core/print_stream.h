// The printer as the printed page sees it: a text stream with font changes within a line.
#pragma once

#include <optional>
#include <string>

#include "core/view.h"

namespace belegix {

// The font and colour of the text written next. Every document starts with these values until
// the page sets others.
struct PrintFont {
    std::string family = "Courier New";
    int points = 12;
    bool bold = false;
    bool underline = false;
    Colour colour = Colour::Black;
};

class PrintStream {
  public:
    virtual ~PrintStream() = default;

    // Starts a print document; returns the platform's error text when it cannot be started.
    virtual std::optional<std::string> Open() = 0;
    virtual void SetFontName(const std::string& family) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontStyle(bool bold, bool underline) = 0;
    virtual void SetColour(Colour colour) = 0;
    // Drawn at the current position in the current font; the position moves on by its width.
    virtual void Write(const std::string& fragment) = 0;
    // Back to the left edge, down by the tallest fragment of the line.
    virtual void NewLine() = 0;
    // Ends the document and prints it; returns the platform's error text when that fails.
    virtual std::optional<std::string> Close() = 0;
};

// A print stream that prints nothing and never fails: a plan replayed without a window, and
// tests that need a form but no page.
class NullPrintStream : public PrintStream {
  public:
    std::optional<std::string> Open() override { return std::nullopt; }
    void SetFontName(const std::string&) override {}
    void SetFontSize(int) override {}
    void SetFontStyle(bool, bool) override {}
    void SetColour(Colour) override {}
    void Write(const std::string&) override {}
    void NewLine() override {}
    std::optional<std::string> Close() override { return std::nullopt; }
};

}  // namespace belegix

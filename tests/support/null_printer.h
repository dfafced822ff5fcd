// A print stream that prints nothing and never fails: for tests that need a form but no page.
#pragma once

#include <optional>
#include <string>

#include "core/print_stream.h"

namespace belegix::test {

class NullPrinter : public PrintStream {
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

}  // namespace belegix::test

// The printer of the web edition: the printed page written as HTML (one block per line, one span
// per fragment in its font and colour), which the page puts into its print area and prints
// through the browser's print dialog. Every call is also kept as the driver reports it.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core/print_stream.h"

namespace belegix::web {

class HtmlPrintStream : public PrintStream {
  public:
    std::optional<std::string> Open() override;
    void SetFontName(const std::string& family) override { font_.family = family; }
    void SetFontSize(int points) override { font_.points = points; }
    void SetFontStyle(bool bold, bool underline) override {
        font_.bold = bold;
        font_.underline = underline;
    }
    void SetColour(Colour colour) override { font_.colour = colour; }
    void Write(const std::string& fragment) override;
    void NewLine() override;
    std::optional<std::string> Close() override;

    bool printed() const { return printed_; }
    const nlohmann::ordered_json& ops() const { return ops_; }
    const std::string& html() const { return html_; }

  private:
    PrintFont font_;
    nlohmann::ordered_json ops_ = nlohmann::ordered_json::array();
    std::string html_, line_;
    bool printed_ = false;
};

// `s` with &, <, > and " escaped.
std::string HtmlEscape(const std::string& s);

}  // namespace belegix::web

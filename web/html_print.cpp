#include "web/html_print.h"

#include "web/look.h"

namespace belegix::web {

std::string HtmlEscape(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

std::optional<std::string> HtmlPrintStream::Open() {
    font_ = {};
    ops_ = nlohmann::ordered_json::array();
    html_.clear();
    line_.clear();
    return std::nullopt;
}

void HtmlPrintStream::Write(const std::string& fragment) {
    ops_.push_back({{"text", fragment},
                    {"font", font_.family},
                    {"size", font_.points},
                    {"bold", font_.bold},
                    {"underline", font_.underline},
                    {"colour", std::string(ColourWord(font_.colour))}});
    line_ += "<span style=\"font-family:" + HtmlEscape(CssFontFamily(font_.family)) +
             ";font-size:" + std::to_string(font_.points) + "pt" +
             (font_.bold ? ";font-weight:bold" : "") +
             (font_.underline ? ";text-decoration:underline" : "") +
             ";color:" + CssColour(font_.colour) + "\">" + HtmlEscape(fragment) + "</span>";
}

void HtmlPrintStream::NewLine() {
    ops_.push_back({{"newline", true}});
    html_ += "<div class=\"line\">" + (line_.empty() ? std::string("&nbsp;") : line_) + "</div>\n";
    line_.clear();
}

std::optional<std::string> HtmlPrintStream::Close() {
    if (!line_.empty()) html_ += "<div class=\"line\">" + line_ + "</div>\n";
    line_.clear();
    printed_ = true;
    return std::nullopt;
}

}  // namespace belegix::web

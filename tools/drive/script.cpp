#include "tools/drive/script.h"

#include <charconv>

#include "core/design.h"

namespace belegix::drive {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    rest = Trim(rest);
    return word;
}

// A TEXT argument: double quotes around it, with \" \\ \n \r \t inside. Nothing may follow.
std::optional<std::string> ParseQuoted(std::string_view s, std::string& why) {
    if (s.size() < 2 || s.front() != '"') {
        why = "TEXT must be written in double quotes";
        return std::nullopt;
    }
    std::string out;
    std::size_t i = 1;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') break;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= s.size()) break;
        switch (s[i]) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            default:
                why = std::string("unknown escape \\") + s[i];
                return std::nullopt;
        }
    }
    if (i >= s.size()) {
        why = "TEXT has no closing double quote";
        return std::nullopt;
    }
    if (i + 1 != s.size()) {
        why = "nothing may follow the closing double quote";
        return std::nullopt;
    }
    return out;
}

std::optional<Command> ParseLine(std::string_view line, int number, std::string& why) {
    Command cmd;
    cmd.line = number;
    cmd.source = std::string(line);
    std::string_view rest = line;
    const std::string_view word = NextWord(rest);

    struct Known {
        std::string_view word;
        Op op;
    };
    constexpr Known kOps[] = {
        {"click", Op::Click}, {"pick", Op::Pick}, {"type", Op::Type},
        {"focus", Op::Focus}, {"key", Op::Key},   {"answer", Op::Answer},
        {"tick", Op::Tick},   {"dump", Op::Dump}, {"screenshot", Op::Screenshot},
        {"close", Op::Close}, {"save", Op::Save}, {"open", Op::Open},
        {"undo", Op::Undo},   {"redo", Op::Redo}};
    bool known = false;
    for (const Known& k : kOps)
        if (k.word == word) {
            cmd.op = k.op;
            known = true;
        }
    if (!known) {
        why = "unknown command \"" + std::string(word) + "\"";
        return std::nullopt;
    }

    auto control = [&]() -> bool {
        const std::string_view name = NextWord(rest);
        if (name.empty()) {
            why = "a control name is missing";
            return false;
        }
        const auto c = ControlFromName(name);
        if (!c) {
            why = "unknown control \"" + std::string(name) + "\"";
            return false;
        }
        cmd.control = *c;
        return true;
    };
    auto noMore = [&]() -> bool {
        if (rest.empty()) return true;
        why = "unexpected \"" + std::string(rest) + "\"";
        return false;
    };

    switch (cmd.op) {
        case Op::Click:
        case Op::Focus:
            if (!control() || !noMore()) return std::nullopt;
            break;
        case Op::Key:
            // `-` for the control that has the focus; the keys are the rest of the line, as
            // Qt's key sequence text (checked by the driver).
            if (rest.substr(0, 1) == "-" && (rest.size() == 1 || IsBlank(rest[1]))) {
                NextWord(rest);
                cmd.focused = true;
            } else if (!control()) {
                return std::nullopt;
            }
            if (rest.empty()) {
                why = "the keys are missing";
                return std::nullopt;
            }
            cmd.text = std::string(rest);
            break;
        case Op::Pick: {
            if (!control()) return std::nullopt;
            if (!design::TakesPick(cmd.control)) {
                why = std::string(ControlName(cmd.control)) + " is no combo box or radio group";
                return std::nullopt;
            }
            const std::string_view number = NextWord(rest);
            const char* end = number.data() + number.size();
            const auto [ptr, ec] = std::from_chars(number.data(), end, cmd.index);
            if (number.empty() || ec != std::errc() || ptr != end) {
                why = "INDEX must be a decimal integer";
                return std::nullopt;
            }
            if (!noMore()) return std::nullopt;
            break;
        }
        case Op::Type: {
            if (!control()) return std::nullopt;
            if (!design::TakesTyping(cmd.control)) {
                why = std::string(ControlName(cmd.control)) + " has no edit field";
                return std::nullopt;
            }
            auto text = ParseQuoted(rest, why);
            if (!text) return std::nullopt;
            cmd.text = std::move(*text);
            break;
        }
        case Op::Answer: {
            const std::string_view a = NextWord(rest);
            if (a == "Yes")
                cmd.answer = DlgResult::Yes;
            else if (a == "No")
                cmd.answer = DlgResult::No;
            else if (a == "OK")
                cmd.answer = DlgResult::Ok;
            else if (a == "Save")
                cmd.answer = DlgResult::Save;
            else if (a == "Discard")
                cmd.answer = DlgResult::Discard;
            else if (a == "Cancel")
                cmd.answer = DlgResult::Cancel;
            else {
                why = "the answer must be Yes, No, OK, Save, Discard or Cancel";
                return std::nullopt;
            }
            if (!noMore()) return std::nullopt;
            break;
        }
        case Op::Screenshot:
        case Op::Save:
        case Op::Open: {
            if (rest.empty()) {
                why = "a file name is missing";
                return std::nullopt;
            }
            if (rest.front() == '"') {
                auto file = ParseQuoted(rest, why);
                if (!file) return std::nullopt;
                cmd.text = std::move(*file);
            } else {
                cmd.text = std::string(NextWord(rest));
                if (!noMore()) return std::nullopt;
            }
            break;
        }
        case Op::Tick:
        case Op::Dump:
        case Op::Close:
        case Op::Undo:
        case Op::Redo:
            if (!noMore()) return std::nullopt;
            break;
    }
    return cmd;
}

}  // namespace

Script ParseScript(std::string_view text) {
    Script script;
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#') {
            if (text.empty()) break;
            continue;
        }
        std::string why;
        auto cmd = ParseLine(line, number, why);
        if (!cmd) {
            script.commands.clear();
            script.error = Error{number, why};
            return script;
        }
        script.commands.push_back(std::move(*cmd));
    }
    return script;
}

}  // namespace belegix::drive

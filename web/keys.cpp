// The keyboard of the web edition, as the desktop window answers it: Tab and Shift+Tab along the
// tab order (core/accessibility), Space and Return press a button, the arrow keys move within a
// radio group and pick once an option is selected, Down and Up pick the next or previous item of
// a list, Alt+Down opens the list, Ctrl+Z and Ctrl+Y undo and redo, and editing keys in a field.
#include <algorithm>

#include "core/accessibility.h"
#include "core/design.h"
#include "web/session.h"

namespace belegix::web {

namespace {

using design::Kind;

std::vector<std::string> SplitKeys(const std::string& text) {
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(", ", start);
        keys.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 2;
    }
    return keys;
}

bool Known(const std::string& key) {
    static const std::vector<std::string> kKeys = {
        "Tab",      "Shift+Tab", "Backtab", "Space",  "Return",       "Enter",  "Up",
        "Down",     "Left",      "Right",   "Home",   "End",          "Escape", "Esc",
        "Alt+Down", "Alt+Up",    "Ctrl+Z",  "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+A", "Backspace",
        "Delete",   "Del",       "F4",      "Alt+J",  "Alt+N",        "PgUp",   "PgDown"};
    if (std::find(kKeys.begin(), kKeys.end(), key) != kKeys.end()) return true;
    // A single printable character, perhaps with Shift.
    std::string k = key.rfind("Shift+", 0) == 0 ? key.substr(6) : key;
    return k.size() == 1 && static_cast<unsigned char>(k[0]) > 0x20 &&
           static_cast<unsigned char>(k[0]) < 0x7F;
}

}  // namespace

bool KeysReadable(const std::string& text) {
    if (text.empty()) return false;
    const auto keys = SplitKeys(text);
    if (keys.size() > 4) return false;
    return std::all_of(keys.begin(), keys.end(), Known);
}

void Session::Keys(const Gesture& g) {
    if (!g.focused) {
        if (!Reachable(g)) return;
        popup_.reset();
        FocusMove(g.control);
        if (closed()) return;
    }
    for (const std::string& key : SplitKeys(g.text)) {
        if (closed()) return;
        if (!g.focused && !Usable(g.control) && !popup_) {
            Ignored(g);
            return;
        }
        Key(key);
    }
}

void Session::TabMove(bool next) {
    popup_.reset();
    if (window().at(Control::MemoIntro).visible) {
        FocusMove(Control::BitBtnHinweise);
        return;
    }
    const auto& order = access::TabOrder();
    const std::optional<Control> from = window().focus ? window().focus
                                        : resumeFrom_  ? resumeFrom_
                                                       : window().lastFocus;
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t at = from ? std::find(order.begin(), order.end(), *from) - order.begin() : -1;
    if (at >= n) at = -1;
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        std::ptrdiff_t i = next ? at + step : at - step;
        if (at < 0 && !next) i = n - step;
        i = ((i % n) + n) % n;
        const Control c = order[static_cast<std::size_t>(i)];
        if (!Usable(c)) continue;
        FocusMove(c);
        if (design::Of(c).kind == Kind::RadioGroup)
            focusOption_ = std::max(0, window().at(c).index);
        // Tab into a field selects its whole text.
        selected_ = design::TakesTyping(c);
        return;
    }
}

void Session::Key(const std::string& key) {
    if (key == "Ctrl+Z") {
        door_.Undo();
        return;
    }
    if (key == "Ctrl+Y" || key == "Ctrl+Shift+Z") {
        door_.Redo();
        return;
    }
    if (key == "Tab" || key == "Shift+Tab" || key == "Backtab") {
        TabMove(key == "Tab");
        return;
    }
    const std::optional<Control> f = window().focus;
    if (!f) return;
    const Control c = *f;
    const Kind kind = design::Of(c).kind;
    const plan::ControlState& s = window().at(c);
    const int count = static_cast<int>(s.items.size());
    auto pick = [&](int index) { Pick(c, index); };
    auto edit = [&](const std::string& text) { Edit(c, text); };

    if (popup_ == c) {
        if (key == "Down" && popupRow_ + 1 < count) ++popupRow_;
        if (key == "Up" && popupRow_ > 0) --popupRow_;
        if (key == "Home") popupRow_ = 0;
        if (key == "End") popupRow_ = count - 1;
        if (key == "Escape" || key == "Esc" || key == "Alt+Up" || key == "F4") popup_.reset();
        if (key == "Return" || key == "Enter") {
            popup_.reset();
            if (popupRow_ >= 0 && popupRow_ < count) pick(popupRow_);
        }
        return;
    }

    switch (kind) {
        case Kind::Button:
            if (key == "Space" || key == "Return" || key == "Enter")
                Through([&] { door_.Click(c); });
            break;
        case Kind::RadioGroup: {
            if (count == 0) break;
            if (key == "Space") {
                pick(std::clamp(focusOption_, 0, count - 1));
                break;
            }
            int to = focusOption_;
            if (key == "Down" || key == "Right") to = std::min(count - 1, focusOption_ + 1);
            if (key == "Up" || key == "Left") to = std::max(0, focusOption_ - 1);
            if (to == focusOption_) break;
            // Another option of the same group takes the focus; once one is selected, it is
            // picked.
            focusOption_ = to;
            if (s.index >= 0) pick(to);
            break;
        }
        case Kind::Combo:
        case Kind::Edit: {
            if (kind == Kind::Combo) {
                if (key == "Alt+Down" || key == "F4") {
                    popup_ = c;
                    popupRow_ = std::max(0, s.index);
                    break;
                }
                if (key == "Down" && count > 0) {
                    if (s.index + 1 < count) pick(s.index + 1);
                    break;
                }
                if (key == "Up" && count > 0) {
                    if (s.index > 0) pick(s.index - 1);
                    break;
                }
            }
            if (key == "Ctrl+A") {
                selected_ = true;
            } else if (key == "Backspace" || key == "Delete" || key == "Del") {
                if (selected_) {
                    selected_ = false;
                    edit("");
                } else if (!s.text.empty() && key == "Backspace") {
                    std::string t = s.text;
                    do t.pop_back();
                    while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80);
                    if (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0xC0)
                        t.pop_back();
                    edit(t);
                }
            } else if (key.size() == 1 || (key.rfind("Shift+", 0) == 0 && key.size() == 7)) {
                std::string ch = key.substr(key.size() - 1);
                if (key.size() == 1 && ch[0] >= 'A' && ch[0] <= 'Z')
                    ch[0] = char(ch[0] - 'A' + 'a');
                const int maxLength = design::Of(c).maxLength;
                const std::string next = selected_ ? ch : s.text + ch;
                if (maxLength > 0 && next.size() > static_cast<std::size_t>(maxLength)) break;
                selected_ = false;
                edit(next);
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace belegix::web

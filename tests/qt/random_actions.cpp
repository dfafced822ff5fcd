#include "tests/qt/random_actions.h"

#include <QApplication>
#include <QComboBox>
#include <climits>
#include <cstdlib>

#include "core/design.h"
#include "qt/widgets.h"
#include "tests/qt/window_harness.h"
#include "tools/drive/json_writer.h"
#include "tools/drive/session.h"

namespace belegix::test {

namespace {

using enum Control;

std::string LongText() {
    std::string s;
    while (s.size() < 5000) s += "Müller-Lüdenscheidt ";
    s.resize(5000);
    return s;
}

// Hostile typed text.
const std::vector<std::string>& TypedTexts() {
    static const std::vector<std::string> texts = {
        "",
        "a",
        "ß",
        "Jürgen Größe-Ärger",
        "😀👩‍👩‍👧‍👦🇩🇪",
        "\t\n\r\x01\x07\x1b\x7f",
        "\xff\xfe\xc3\x28\xa0\xa1\xe2\x28\xa1",
        "שלום עולם مرحبا",
        "Englisch",
        "Informatik\n",
        "Französisch\r",
        "bereits erfüllt",
        "-1",
        "99",
        "  ",
        "\"\\",
    };
    return texts;
}

// Passes through the steps that a random run joins now and then.
const std::vector<std::vector<std::string>>& Walks() {
    static const std::vector<std::vector<std::string>> walks = {
        [] {
            std::vector<std::string> walk = LanguagePlanLines();
            walk.insert(walk.end(), {"click DruckenBitBtn", "type MaskEdit1 \"Mustermann\"",
                                     "type MaskEdit2 \"Erika\"", "type MaskEdit3 \"10c\"",
                                     "click PersDatenBitBtn"});
            return walk;
        }(),
        {"click BitBtnHinweise", "pick ProfilRadioGroup 2", "click ProfilBitBtn", "pick Lk2Box 0",
         "pick P3Box 1", "pick P4Box 1", "pick P5Box 9", "click PFachBitBtn"},
    };
    return walks;
}

}  // namespace

drive::Command ParseLine(const std::string& line) {
    const drive::Script script = drive::ParseScript(line);
    if (script.error || script.commands.size() != 1) std::abort();  // a fault of the caller
    return script.commands.front();
}

std::optional<RandomAction> RandomActions::Next(MainWindow& win) {
    // A walk goes on after its last line has run (the answers it needed are drawn by then).
    if (walk_ != nullptr && walkTaken_) {
        walkTaken_ = false;
        if (++walkStep_ >= walk_->size() || Chance(3)) walk_ = nullptr;
    }
    if (walk_ != nullptr) {
        const drive::Command cmd = ParseLine(walk_->at(walkStep_));
        walkTaken_ = true;
        // The walk may have joined where the list holds fewer items.
        const int count = static_cast<int>(win.view().Items(cmd.control).size());
        return RandomAction{cmd, cmd.op == drive::Op::Pick && cmd.index >= count};
    }
    const int kind = Random(100);
    if (kind < 5) {
        walk_ = &Walks().at(static_cast<std::size_t>(Random(static_cast<int>(Walks().size()))));
        walkStep_ = 0;
        return std::nullopt;
    }
    // Mostly a control a person can use now; sometimes any, which must be ignored.
    const bool usableOnly = Chance(85) && !(win.introShown() && Chance(60));
    auto choose = [&](auto accept) -> std::optional<Control> {
        std::vector<Control> all;
        for (Control c : AllControls())
            if (accept(c) && (!usableOnly || drive::Usable(win, c))) all.push_back(c);
        if (all.empty()) return std::nullopt;
        return all.at(static_cast<std::size_t>(Random(static_cast<int>(all.size()))));
    };
    const auto name = [](Control c) { return std::string(ControlName(c)); };
    const auto line = [](const std::string& l) { return RandomAction{ParseLine(l)}; };

    if (kind < 35) {
        if (win.introShown() && Chance(50)) return line("click BitBtnHinweise");
        // Mostly buttons; labels, panels, frames and lists take clicks too.
        const bool buttons = Chance(80);
        const auto c = choose([buttons](Control c) {
            return !buttons || design::Of(c).kind == design::Kind::Button || c == GroupBox3;
        });
        if (c) return line("click " + name(*c));
    } else if (kind < 72) {
        const auto c = choose([](Control c) { return design::TakesPick(c); });
        if (!c) return std::nullopt;
        const int count = static_cast<int>(win.view().Items(*c).size());
        if (count > 0 && Chance(92))
            return line("pick " + name(*c) + " " + std::to_string(Random(count)));
        static const int kOutside[] = {-1, -2, INT_MIN, INT_MAX, 1000};
        RandomAction outside{ParseLine("pick " + name(*c) + " 0"), true};
        outside.command.index = Chance(50) ? count + Random(3) : kOutside[Random(5)];
        return outside;
    } else if (kind < 84) {
        const auto c = choose([](Control c) {
            const auto k = design::Of(c).kind;
            return k == design::Kind::Combo || k == design::Kind::Edit;
        });
        if (!c) return std::nullopt;
        RandomAction type = line("type " + name(*c) + " \"\"");
        type.command.text = Random(250) == 0 ? LongText()
                                             : TypedTexts().at(static_cast<std::size_t>(
                                                   Random(static_cast<int>(TypedTexts().size()))));
        type.command.source = "type " + name(*c) + " " + drive::JsonString(type.command.text);
        return type;
    } else if (kind < 96) {
        const auto c = choose([](Control) { return true; });
        if (c) return line("focus " + name(*c));
    } else if (kind < 98) {
        return line("tick");
    } else {
        return line("click ResetBitBtn");
    }
    return std::nullopt;
}

DlgResult RandomActions::Answer(const BoxRequest& box) {
    if (box.buttons.empty() || Chance(10)) return DlgResult::Closed;
    const int n = static_cast<int>(box.buttons.size());
    return box.buttons.at(static_cast<std::size_t>(walk_ && Chance(80) ? 0 : Random(n)));
}

bool PickOutsideTheList(MainWindow& win, Control c, int index) {
    if (!drive::Usable(win, c)) return false;
    QWidget* w = win.widget(c);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setFocus(Qt::MouseFocusReason);
        if (!win.closed() && drive::Usable(win, c)) {
            box->setCurrentIndex(index);
            box->setEditText(box->itemText(index));
            emit box->activated(index);
        }
    } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
        group->setFocus(Qt::MouseFocusReason);
        if (!win.closed() && drive::Usable(win, c)) emit group->picked(index);
    }
    QApplication::processEvents();
    return true;
}

}  // namespace belegix::test

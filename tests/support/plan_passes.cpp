#include "tests/support/plan_passes.h"

#include <stdexcept>

namespace belegix::test {

namespace {

using plan::Action;
using plan::ActionKind;

Action Make(Control c, ActionKind kind) {
    Action a;
    a.control = c;
    a.kind = kind;
    return a;
}

}  // namespace

Action Click(Control c) {
    return Make(c, ActionKind::Click);
}
Action Enter(Control c) {
    return Make(c, ActionKind::Enter);
}
Action Pick(Control c, int index) {
    Action a = Make(c, ActionKind::Change);
    a.index = index;
    return a;
}
Action Typed(Control c, std::string text) {
    Action a = Make(c, ActionKind::Change);
    a.text = std::move(text);
    return a;
}
Action Answered(Action a, DlgResult answer) {
    a.answers.push_back(answer);
    return a;
}

namespace {

// Typing into a field records one change per keystroke, with the text the field then holds.
void TypeKeys(std::vector<Action>& out, Control c, const std::string& text) {
    out.push_back(Make(c, ActionKind::Focus));
    for (std::size_t i = 1; i <= text.size(); ++i) {
        // Never a cut inside a UTF-8 character.
        if (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        Action a = Make(c, ActionKind::Change);
        a.text = text.substr(0, i);
        out.push_back(std::move(a));
    }
}

}  // namespace

std::vector<Action> PassB(const std::string& name, const std::string& vorname,
                          const std::string& klasse, bool admissible) {
    using enum Control;
    std::vector<Action> a = {Click(BitBtnHinweise),  Pick(ProfilRadioGroup, 2),
                             Click(ProfilBitBtn),    Pick(Lk2Box, 1),
                             Pick(P3Box, 0),         Pick(P4Box, 8),
                             Pick(P5Box, 11),        Click(PFachBitBtn),
                             Pick(DeBox, 0),         Pick(KuMuBox, 0),
                             Pick(RGZusatzkurse, 1), Click(FZusatzkurseBitBtn),
                             Pick(ReWnBox, 1),       Pick(SpBox, 0),
                             Pick(BExtraBox, 2),     Click(AuflagenBitBtn),
                             Enter(ErgebnisBitBtn),  Click(ErgebnisBitBtn)};
    if (admissible) {
        a.insert(a.end(), {Enter(GroupBox3), Pick(ZusatzBox, 5), Pick(RGZusatzkurse, 1),
                           Click(FZusatzkurseBitBtn), Click(WeiterBitBtn),
                           Answered(Click(DruckenBitBtn), DlgResult::Yes)});
        TypeKeys(a, MaskEdit1, name);
        TypeKeys(a, MaskEdit2, vorname);
        TypeKeys(a, MaskEdit3, klasse);
        a.push_back(Answered(Click(PersDatenBitBtn), DlgResult::No));
    }
    return a;
}

std::vector<Action> Session(std::size_t actions, unsigned seed, bool admissible) {
    const std::vector<std::string> names = {"Weber", "Öztürk", "Nguyen", "Schmidt-Lüders"};
    const std::vector<std::string> firsts = {"Anna", "Jörg", "Mai Linh", "Zoë"};
    std::vector<Action> out;
    for (unsigned round = seed;; ++round) {
        const std::string& name = names[round % names.size()];
        const std::string& first = firsts[(round / names.size()) % firsts.size()];
        const std::string klasse = "Q" + std::to_string(1 + round % 2);
        // After a reset the intro screen stays closed: its button is the first pass's only.
        const std::size_t from = out.empty() ? 0 : 1;
        const std::vector<Action> pass = PassB(name, first, klasse, true);
        const std::vector<Action> last = PassB(name, first, klasse, admissible);
        if (out.size() + pass.size() + 1 >= actions) {
            out.insert(out.end(), last.begin() + from, last.end());
            return out;
        }
        out.insert(out.end(), pass.begin() + from, pass.end());
        out.push_back(Click(Control::ResetBitBtn));
    }
}

std::string PlanFileText(const std::vector<Action>& actions) {
    const plan::ReplayResult replay = plan::Replay(actions);
    if (!replay.plan) throw std::logic_error("a plan that cannot be replayed: " + replay.error);
    return plan::WritePlan(actions, *replay.plan, "2026-12-08T08:00:00Z");
}

}  // namespace belegix::test

#include "web/session.h"

#include <algorithm>

#include "core/accessibility.h"
#include "core/design.h"
#include "core/help_texts.h"
#include "web/html_print.h"

namespace belegix::web {

namespace {

using design::Kind;

Kind KindOf(Control c) {
    return design::Of(c).kind;
}

// A control that a click gives the focus to, as a mouse does: buttons and fields.
bool TakesClickFocus(Control c) {
    const Kind k = KindOf(c);
    return k == Kind::Button || k == Kind::Combo || k == Kind::Edit;
}

Json BoxJson(const BoxRequest& box, DlgResult answer) {
    Json buttons = Json::array();
    for (DlgResult b : box.buttons) buttons.push_back(std::string(AnswerWord(b)));
    const char* kind = box.kind == BoxKind::Information    ? "information"
                       : box.kind == BoxKind::Confirmation ? "confirmation"
                                                           : "plain";
    return Json{{"box",
                 {{"kind", kind},
                  {"caption", box.caption},
                  {"text", box.text},
                  {"buttons", buttons},
                  {"answer", std::string(AnswerWord(answer))}}}};
}

std::string Utf8Char(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    n = std::min(n, s.size() - i);
    std::string one(s.substr(i, n));
    i += n;
    return one;
}

// The boxes of the gesture being run: answered from the answers given so far; a question
// without an answer yet is noted and answered Closed (the gesture's copy is dropped then).
// One object for every copy of the session, because the door keeps a pointer to it.
class WebBoxes : public MessageBoxes {
  public:
    Outcome* out = nullptr;
    std::vector<DlgResult> answers;
    std::size_t next = 0;

    DlgResult Show(const BoxRequest& box) override {
        DlgResult answer = box.buttons.empty() ? DlgResult::Ok : box.buttons.front();
        if (out == nullptr) return box.buttons.size() > 1 ? DlgResult::Closed : answer;
        if (box.buttons.size() > 1) {
            if (out->ask) return DlgResult::Closed;
            if (next >= answers.size()) {
                out->ask = box;
                return DlgResult::Closed;
            }
            answer = answers[next++];
        }
        if (!out->ask) out->events.push_back(BoxJson(box, answer));
        return answer;
    }
};

// The printer: the page as HTML, and the calls as the driver reports them, in their place among
// the boxes.
class WebPrinter : public HtmlPrintStream {
  public:
    Outcome* out = nullptr;
    std::optional<std::string> Close() override {
        HtmlPrintStream::Close();
        if (out != nullptr && !out->ask) {
            out->events.push_back(Json{{"print", ops()}});
            out->printHtml = html();
        }
        return std::nullopt;
    }
};

WebBoxes g_boxes;
WebPrinter g_printer;

}  // namespace

Session::Session() : door_(&g_boxes, &g_printer) {
    door_.Activate();
}

// ---------------------------------------------------------------------------------------------
// Gestures

Outcome Session::Run(const Gesture& g, const std::vector<DlgResult>& answers) {
    Outcome out;
    Session trial = *this;
    g_boxes.out = &out;
    g_boxes.answers = answers;
    g_boxes.next = 0;
    g_printer.out = &out;
    trial.Exec(g);
    g_boxes.out = nullptr;
    g_printer.out = nullptr;
    if (out.ask || out.fail) return out;
    *this = std::move(trial);
    if (closed()) out.events.push_back(Json{{"closed", true}});
    return out;
}

void Session::Exec(const Gesture& g) {
    using Op = Gesture::Op;
    const Control c = g.control;
    // An open list closes when the student turns to anything else.
    if (g.op == Op::Click || g.op == Op::Pick || g.op == Op::Type || g.op == Op::Focus ||
        g.op == Op::Close)
        popup_.reset();
    switch (g.op) {
        case Op::Click:
            if (!Reachable(g)) return;
            if (TakesClickFocus(c)) FocusMove(c);
            if (closed() || !Reachable(g)) return;
            Through([&] { door_.Click(c); });
            break;
        case Op::Pick: {
            if (!Reachable(g)) return;
            const auto count = static_cast<int>(window().at(c).items.size());
            if (g.index < 0 || g.index >= count) {
                g_boxes.out->fail = 2;
                g_boxes.out->failure = "pick " + std::to_string(g.index) + " outside the " +
                                       std::to_string(count) + " items of " +
                                       std::string(ControlName(c));
                return;
            }
            FocusMove(c);
            if (KindOf(c) == Kind::RadioGroup) focusOption_ = g.index;
            if (closed() || !Reachable(g)) return;
            Pick(c, g.index);
            break;
        }
        case Op::Type: {
            if (!Reachable(g)) return;
            FocusMove(c);
            if (closed() || !Reachable(g)) return;
            bool selected = true;  // the whole text is selected first
            if (g.text.empty()) {
                Edit(c, "");
                return;
            }
            for (std::size_t i = 0; i < g.text.size();) {
                if (closed()) return;
                if (!Usable(c)) {
                    Ignored(g);
                    return;
                }
                const std::string ch = Utf8Char(g.text, i);
                const auto byte = static_cast<unsigned char>(ch[0]);
                if (ch == "\t") {
                    TabMove(true);
                    continue;
                }
                if (byte < 0x20 || byte == 0x7F) continue;  // edits nothing
                const std::string& now = window().at(c).text;
                const std::string next = selected ? ch : now + ch;
                const std::string before = now;
                Edit(c, next);
                if (window().at(c).text != before || next == before) selected = false;
            }
            break;
        }
        case Op::Edit:
            // One keystroke in the page's own field: the text it now holds.
            if (!Reachable(g) || !design::TakesTyping(c)) return;
            if (window().focus != c) FocusMove(c);
            if (closed() || !Reachable(g)) return;
            Edit(c, g.text);
            break;
        case Op::Focus:
            if (!Reachable(g)) return;
            FocusMove(c);
            break;
        case Op::Key:
            Keys(g);
            break;
        case Op::Tick: {
            const auto bar = g.text.find('|');
            door_.ShowClock(g.text.substr(0, bar),
                            bar == std::string::npos ? "" : g.text.substr(bar + 1));
            break;
        }
        case Op::Close:
            closed_ = true;
            break;
        case Op::Undo:
            if (!door_.Undo()) g_boxes.out->events.push_back(Json{{"ignored", "undo"}});
            break;
        case Op::Redo:
            if (!door_.Redo()) g_boxes.out->events.push_back(Json{{"ignored", "redo"}});
            break;
    }
}

bool Session::Reachable(const Gesture& g) {
    if (Usable(g.control)) return true;
    Ignored(g);
    return false;
}

void Session::Ignored(const Gesture& g) {
    g_boxes.out->events.push_back(Json{{"ignored", g.source}});
}

void Session::Through(const std::function<void()>& call) {
    // Where Tab goes on when the rules take the focus away: after the control that had it, or
    // after the control that opened the period panel when the focus was in the panel.
    const std::optional<Control> focusBefore = window().focus;
    const bool panelBefore = window().at(Control::ZusatzPanel).visible;
    call();
    if (!panelBefore && window().at(Control::ZusatzPanel).visible)
        panelOpener_ = focusBefore && !design::IsInside(*focusBefore, Control::ZusatzPanel)
                           ? focusBefore
                           : std::nullopt;
    if (focusBefore && !window().focus)
        resumeFrom_ = design::IsInside(*focusBefore, Control::ZusatzPanel) && panelOpener_
                          ? panelOpener_
                          : focusBefore;
    if (window().focus) resumeFrom_.reset();
    // A radio group that the rules give the focus to (the period panel's) has it on its
    // selected option, or its first.
    if (const auto f = window().focus; f && f != focusBefore && KindOf(*f) == Kind::RadioGroup)
        focusOption_ = std::max(0, window().at(*f).index);
}

void Session::FocusMove(Control to) {
    if (window().focus == to) return;
    selected_ = false;
    if (KindOf(to) == Kind::RadioGroup) focusOption_ = std::max(0, window().at(to).index);
    Through([&] { door_.Focus(to); });
}

void Session::Pick(Control c, int index) {
    Through([&] { door_.Pick(c, index); });
}

void Session::Edit(Control c, const std::string& text) {
    if (text == window().at(c).text) return;
    Through([&] { door_.Type(c, text); });
}

// ---------------------------------------------------------------------------------------------
// The plan file

std::string Session::FileText() const {
    return door_.FileText("");
}

std::string Session::PlanText(const std::string& savedUtc) const {
    return door_.FileText(savedUtc);
}

void Session::Saved(const std::string& file) {
    file_ = file;
    door_.MarkSaved();
}

Outcome Session::SaveFailed(const std::string& file, const std::string& why) {
    static const std::pair<const char*, const char*> kReasons[] = {
        {"folder-missing", "Den Ordner gibt es nicht."},
        {"folder-is-file", "Der Ordner ist eine Datei."},
        {"is-folder", "An dieser Stelle steht ein Ordner."},
        {"permission", "Die Datei lässt sich dort nicht anlegen (keine Schreibrechte)."},
        {"write-error", "Beim Schreiben ist ein Fehler aufgetreten (ist der Datenträger voll?)."},
        {"rename", "Die fertige Datei ließ sich nicht an ihren Platz bringen."},
    };
    std::string reason = "Die Datei ließ sich nicht schreiben.";
    for (const auto& [word, text] : kReasons)
        if (why == word) reason = text;
    Outcome out;
    g_boxes.out = &out;
    g_boxes.Show(MessageDlgBox("Der Plan konnte nicht gespeichert werden:\n" + file + "\n\n" +
                                   reason + "\n\nDie bisherige Datei ist unverändert.",
                               DlgType::Information, DlgButtons::Ok));
    g_boxes.out = nullptr;
    return out;
}

Outcome Session::Open(const std::string& path) {
    Outcome out;
    g_boxes.out = &out;
    auto inform = [&](const std::string& text) {
        g_boxes.Show(MessageDlgBox(text, DlgType::Information, DlgButtons::Ok));
    };
    const plan::LoadResult load = plan::LoadFile(path);
    plan::Planning::OpenResult opened;
    if (load.error.empty())
        opened = door_.Open(load.text);
    else
        opened.error = load.error;
    if (!opened.error.empty()) {
        inform("Der Plan lässt sich nicht öffnen:\n" + path + "\n\n" + opened.error +
               "\n\nDer bisherige Plan bleibt, wie er war.");
    } else {
        file_ = path;
        closed_ = false;
        resumeFrom_.reset();
        if (!opened.differences.empty()) {
            std::string text = "Die Angaben in der Datei\n" + path +
                               "\npassen nicht zu dem, was die Regeln aus den gespeicherten "
                               "Schritten ergeben. Angezeigt wird das Ergebnis der Regeln.\n";
            for (const plan::Difference& d : opened.differences)
                text += "\n" + d.figure + ": gespeichert „" + d.stored + "“, berechnet „" +
                        d.replayed + "“";
            inform(text);
        }
    }
    g_boxes.out = nullptr;
    return out;
}

bool Session::Restore(const std::string& text, const std::string& file, bool /*unsaved*/) {
    if (!door_.Open(text).error.empty()) return false;
    file_ = file;
    return true;
}

std::string Session::ProposedName() const {
    return plan::ProposedFileName(window().at(Control::MaskEdit1).text,
                                  window().at(Control::MaskEdit2).text);
}

// ---------------------------------------------------------------------------------------------
// What the page shows

std::string Session::Title() const {
    std::string title(design::kCaption);
    if (!file_.empty()) {
        const auto slash = file_.find_last_of('/');
        title += " – " + (slash == std::string::npos ? file_ : file_.substr(slash + 1));
        if (door_.Unsaved()) title += "*";
    }
    return title;
}

Json Session::ViewJson() const {
    plan::WindowState shown = window();
    const plan::MemoryView view(shown);
    Json controls = Json::object();
    for (Control c : AllControls()) {
        const plan::ControlState& s = window().at(c);
        Json o{
            {"enabled", s.enabled},
            {"visible", s.visible},
            {"usable", Usable(c)},
            {"colour", std::string(ColourWord(plan::ShownColour(window(), c)))},
            {"fontColour", std::string(ColourWord(s.fontColour))},
            {"text", s.text},
            {"left", s.left},
            {"accessibleName", access::Name(c, [this](Control x) { return window().at(x).text; })}};
        if (design::TakesPick(c)) {
            o["index"] = s.index;
            o["items"] = s.items;
        }
        if (const std::string_view hint = help::Hint(c); !hint.empty())
            o["hint"] = std::string(hint);
        if (access::Describes(c)) o["accessibleDescription"] = access::Description(c, view);
        controls[std::string(ControlName(c))] = std::move(o);
    }
    Json grid = Json::array();
    for (const auto& row : window().cells) grid.push_back(row);
    return Json{
        {"title", Title()},
        {"focus", window().focus ? Json(std::string(ControlName(*window().focus))) : Json()},
        {"focusOption", focusOption_},
        {"closed", closed()},
        {"controls", std::move(controls)},
        {"grid", std::move(grid)},
        {"status", window().status},
        {"plan",
         {{"file", file_.empty() ? Json() : Json(file_)},
          {"unsaved", !file_.empty() && door_.Unsaved()},
          {"undo", door_.UndoCount()},
          {"redo", door_.RedoCount()}}}};
}

}  // namespace belegix::web

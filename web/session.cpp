#include "web/session.h"

#include <algorithm>

#include "core/accessibility.h"
#include "core/design.h"
#include "core/help_texts.h"
#include "core/rules/course_plan.h"
#include "core/rules/events.h"
#include "core/rules/window.h"
#include "web/html_print.h"

namespace belegix::web {

namespace {

using design::Kind;

bool IsVerdict(const std::string& text) {
    const auto& verdicts = VerdictTexts();
    return std::find(verdicts.begin(), verdicts.end(), text) != verdicts.end();
}

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

bool SamePlan(const plan::PlanState& a, const plan::PlanState& b) {
    return a.st == b.st && a.verdict == b.verdict && a.window.controls == b.window.controls &&
           a.window.cells == b.window.cells && a.window.closed == b.window.closed;
}

std::string Utf8Char(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    n = std::min(n, s.size() - i);
    std::string one(s.substr(i, n));
    i += n;
    return one;
}

std::size_t Utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

Session::Session() {
    plan_ = plan::StartState();
    WebView view(plan_.window, status_);
    ShowStatusTexts(view);
    lastFocus_ = plan_.window.focus;
    settled_ = Capture();
}

// ---------------------------------------------------------------------------------------------
// Gestures

Outcome Session::Run(const Gesture& g, const std::vector<DlgResult>& answers) {
    Outcome out;
    // Undo, redo and the clock raise no box: they run on the session itself.
    Session trial = *this;
    trial.answers_ = answers;
    trial.nextAnswer_ = 0;
    trial.out_ = &out;
    trial.Exec(g);
    trial.out_ = nullptr;
    if (out.ask || out.fail) return out;
    trial.answers_.clear();
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
            if (TakesClickFocus(c)) FocusMove(c, true);
            if (out_->ask || closed() || !Reachable(g)) return;
            UserEvent(c, Event::Click);
            break;
        case Op::Pick: {
            if (!Reachable(g)) return;
            const auto count = static_cast<int>(plan_.window.at(c).items.size());
            if (g.index < 0 || g.index >= count) {
                out_->fail = 2;
                out_->failure = "pick " + std::to_string(g.index) + " outside the " +
                                std::to_string(count) + " items of " + std::string(ControlName(c));
                return;
            }
            FocusMove(c, true);
            if (KindOf(c) == Kind::RadioGroup) focusOption_ = g.index;
            if (out_->ask || closed() || !Reachable(g)) return;
            WebView view(plan_.window, status_);
            view.Pick(c, g.index);
            UserEvent(c, Event::Change);
            break;
        }
        case Op::Type: {
            if (!Reachable(g)) return;
            FocusMove(c, true);
            if (out_->ask || closed() || !Reachable(g)) return;
            const int maxLength = design::Of(c).maxLength;
            bool selected = true;  // the whole text is selected first
            auto edit = [&](const std::string& text) {
                if (text == plan_.window.at(c).text && !selected) return;
                WebView view(plan_.window, status_);
                view.Type(c, text);
                UserEvent(c, Event::Change);
            };
            if (g.text.empty()) {
                if (!plan_.window.at(c).text.empty()) edit("");
                return;
            }
            for (std::size_t i = 0; i < g.text.size();) {
                if (out_->ask || closed()) return;
                if (!plan::Usable(plan_.window, c)) {
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
                const std::string& now = plan_.window.at(c).text;
                const std::string next = selected ? ch : now + ch;
                if (maxLength > 0 && Utf8Length(next) > static_cast<std::size_t>(maxLength))
                    continue;
                selected = false;
                edit(next);
            }
            break;
        }
        case Op::Edit: {
            // One keystroke in the page's own field: the text it now holds.
            if (!Reachable(g) || !design::TakesTyping(c)) return;
            if (plan_.window.focus != c) FocusMove(c, true);
            if (out_->ask || closed() || !Reachable(g)) return;
            const int maxLength = design::Of(c).maxLength;
            if (g.text == plan_.window.at(c).text ||
                (maxLength > 0 && Utf8Length(g.text) > static_cast<std::size_t>(maxLength)))
                return;
            WebView view(plan_.window, status_);
            view.Type(c, g.text);
            UserEvent(c, Event::Change);
            break;
        }
        case Op::Focus:
            if (!Reachable(g)) return;
            FocusMove(c, true);
            break;
        case Op::Key:
            Keys(g);
            break;
        case Op::Tick: {
            const auto bar = g.text.find('|');
            WebView view(plan_.window, status_);
            ShowClock(view, g.text.substr(0, bar),
                      bar == std::string::npos ? "" : g.text.substr(bar + 1));
            break;
        }
        case Op::Close: {
            WebView view(plan_.window, status_);
            view.Close();
            break;
        }
        case Op::Undo:
            if (!DoUndo()) out_->events.push_back(Json{{"ignored", "undo"}});
            break;
        case Op::Redo:
            if (!DoRedo()) out_->events.push_back(Json{{"ignored", "redo"}});
            break;
    }
}

bool Session::Reachable(const Gesture& g) {
    if (plan::Usable(plan_.window, g.control)) return true;
    Ignored(g);
    return false;
}

void Session::Ignored(const Gesture& g) {
    out_->events.push_back(Json{{"ignored", g.source}});
}

DlgResult Session::Box(const BoxRequest& box) {
    if (box.kind == BoxKind::Plain && IsVerdict(box.text)) plan_.verdict = box.text;
    DlgResult answer = box.buttons.empty() ? DlgResult::Ok : box.buttons.front();
    if (box.buttons.size() > 1) {
        if (out_->ask) return DlgResult::Closed;  // the gesture is dropped anyway
        if (nextAnswer_ >= answers_.size()) {
            out_->ask = box;
            return DlgResult::Closed;
        }
        answer = answers_[nextAnswer_++];
        if (record_ != nullptr) record_->push_back(answer);
    }
    if (!out_->ask) out_->events.push_back(BoxJson(box, answer));
    return answer;
}

void Session::UserEvent(Control c, Event e) {
    WebView view(plan_.window, status_);
    view.SetAnswerer([this](const BoxRequest& box) { return Box(box); });
    HtmlPrintStream printer;
    Form form{plan_.st, view, printer};
    auto printed = [&] {
        if (!printer.printed()) return;
        out_->events.push_back(Json{{"print", printer.ops()}});
        out_->printHtml = printer.html();
    };
    // Where Tab goes on when the rules take the focus away: after the control that had it, or
    // after the control that opened the period panel when the focus was in the panel.
    const std::optional<Control> focusBefore = plan_.window.focus;
    const bool panelBefore = plan_.window.at(Control::ZusatzPanel).visible;
    auto followFocus = [&] {
        if (!panelBefore && plan_.window.at(Control::ZusatzPanel).visible)
            panelOpener_ = focusBefore && !design::IsInside(*focusBefore, Control::ZusatzPanel)
                               ? focusBefore
                               : std::nullopt;
        if (focusBefore && !plan_.window.focus)
            resumeFrom_ = design::IsInside(*focusBefore, Control::ZusatzPanel) && panelOpener_
                              ? panelOpener_
                              : focusBefore;
    };
    if (depth_ > 0) {
        Dispatch(form, c, e);
        followFocus();
        printed();
        return;
    }
    plan::Action action;
    action.control = c;
    switch (e) {
        case Event::Click:
            action.kind = plan::ActionKind::Click;
            break;
        case Event::Enter:
            action.kind = plan::ActionKind::Enter;
            break;
        case Event::Change:
        case Event::Activate:
            action.kind = plan::ActionKind::Change;
            if (design::TakesPick(c) && view.ItemIndex(c) >= 0) {
                action.index = view.ItemIndex(c);
            } else if (design::TakesTyping(c)) {
                action.text = view.Text(c);
            } else {
                Dispatch(form, c, e);
                return;
            }
            break;
    }
    if (!pendingStart_) pendingStart_ = Settled();
    record_ = &action.answers;
    ++depth_;
    const bool handled = Dispatch(form, c, e);
    --depth_;
    record_ = nullptr;
    followFocus();
    printed();
    // A focus move made by the rules enters the controls as a move by the student does.
    if (plan_.window.focus != focusBefore && plan_.window.focus) {
        const std::optional<Control> to = plan_.window.focus;
        plan_.window.focus = focusBefore;
        ++depth_;
        FocusMove(to, false);
        --depth_;
    }
    if (!handled && e != Event::Change) return;
    const bool typed = action.text.has_value();
    actions_.push_back(std::move(action));
    if (e == Event::Enter) {
        settled_ = Capture();
        return;
    }
    NoteStep(typed ? std::optional<Control>(c) : std::nullopt);
}

void Session::FocusMove(std::optional<Control> to, bool byStudent) {
    const std::optional<Control> before = plan_.window.focus;
    if (to == before) return;
    plan_.window.focus = to;
    selected_ = false;
    if (to) {
        lastFocus_ = to;
        resumeFrom_.reset();
    }
    if (!to) return;
    if (to && KindOf(*to) == Kind::RadioGroup)
        focusOption_ = std::max(0, plan_.window.at(*to).index);
    if (byStudent && depth_ == 0) {
        if (!pendingStart_) pendingStart_ = Settled();
        plan::Action action;
        action.control = *to;
        action.kind = plan::ActionKind::Focus;
        actions_.push_back(std::move(action));
        settled_ = Capture();
    }
    std::vector<Control> entered;
    for (std::optional<Control> w = to; w; w = design::Of(*w).parent) {
        if (before && design::IsInside(*before, *w)) break;
        entered.push_back(*w);
    }
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        if (out_->ask) return;
        UserEvent(*it, Event::Enter);
    }
}

// ---------------------------------------------------------------------------------------------
// Steps, undo and redo

Session::Snapshot Session::Capture() const {
    return {std::make_shared<const plan::PlanState>(plan_), actions_.size()};
}

const Session::Snapshot& Session::Settled() {
    if (!settled_) settled_ = Capture();
    return *settled_;
}

void Session::NoteStep(std::optional<Control> typedInto) {
    if (!pendingStart_) return;
    Snapshot after = Capture();
    settled_ = after;
    const Snapshot& before = *pendingStart_;
    if (SamePlan(*before.plan, *after.plan)) return;
    if (typedInto && !steps_.empty() && steps_.back().typedInto == typedInto &&
        steps_.back().after.actions + 1 == actions_.size() && redo_.empty()) {
        steps_.back().after = std::move(after);
    } else {
        steps_.push_back({before, std::move(after), typedInto, ++nextStepId_, {}});
    }
    pendingStart_.reset();
    redo_.clear();
}

void Session::Restore(const Snapshot& s) {
    plan_ = *s.plan;
    lastFocus_ = plan_.window.focus;
    settled_ = s;
}

bool Session::DoUndo() {
    if (steps_.empty()) return false;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    const auto from = actions_.begin() + static_cast<std::ptrdiff_t>(step.before.actions);
    const auto to = actions_.begin() + static_cast<std::ptrdiff_t>(step.after.actions);
    step.actions.assign(from, to);
    actions_.resize(step.before.actions);
    pendingStart_.reset();
    Restore(step.before);
    redo_.push_back(std::move(step));
    return true;
}

bool Session::DoRedo() {
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    actions_.resize(step.before.actions);
    actions_.insert(actions_.end(), step.actions.begin(), step.actions.end());
    step.actions.clear();
    pendingStart_.reset();
    Restore(step.after);
    steps_.push_back(std::move(step));
    return true;
}

// ---------------------------------------------------------------------------------------------
// The plan file

std::string Session::FileText() const {
    return plan::WritePlan(actions_, plan_, "");
}

std::string Session::PlanText(const std::string& savedUtc) const {
    return plan::WritePlan(actions_, plan_, savedUtc);
}

void Session::Saved(const std::string& file) {
    file_ = file;
    savedStepId_ = TopStepId();
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
    out_ = &out;
    Box(MessageDlgBox("Der Plan konnte nicht gespeichert werden:\n" + file + "\n\n" + reason +
                          "\n\nDie bisherige Datei ist unverändert.",
                      DlgType::Information, DlgButtons::Ok));
    out_ = nullptr;
    return out;
}

Outcome Session::Open(const std::string& path) {
    Outcome out;
    out_ = &out;
    plan::Opened opened = plan::OpenFile(path);
    auto inform = [&](const std::string& text) {
        Box(MessageDlgBox(text, DlgType::Information, DlgButtons::Ok));
    };
    if (!opened.error.empty()) {
        inform("Der Plan lässt sich nicht öffnen:\n" + path + "\n\n" + opened.error +
               "\n\nDer bisherige Plan bleibt, wie er war.");
        out_ = nullptr;
        return out;
    }
    actions_ = std::move(opened.file->actions);
    plan_ = std::move(*opened.plan);
    lastFocus_ = plan_.window.focus;
    steps_.clear();
    redo_.clear();
    pendingStart_.reset();
    settled_ = Capture();
    savedStepId_ = 0;
    nextStepId_ = 0;
    file_ = path;
    if (!opened.differences.empty()) {
        std::string text = "Die Angaben in der Datei\n" + path +
                           "\npassen nicht zu dem, was die Regeln aus den gespeicherten "
                           "Schritten ergeben. Angezeigt wird das Ergebnis der Regeln.\n";
        for (const plan::Difference& d : opened.differences)
            text += "\n" + d.figure + ": gespeichert „" + d.stored + "“, berechnet „" + d.replayed +
                    "“";
        inform(text);
    }
    out_ = nullptr;
    return out;
}

bool Session::Restore(const std::string& text, const std::string& file, bool unsaved) {
    plan::Opened opened = plan::OpenText(text);
    if (!opened.error.empty()) return false;
    actions_ = std::move(opened.file->actions);
    plan_ = std::move(*opened.plan);
    lastFocus_ = plan_.window.focus;
    steps_.clear();
    redo_.clear();
    pendingStart_.reset();
    settled_ = Capture();
    file_ = file;
    // A plan with unsaved changes stays marked so: its step is kept as one that undoes nothing.
    nextStepId_ = unsaved ? 1 : 0;
    savedStepId_ = 0;
    if (unsaved) {
        // The unsaved mark without an undo step: compare against an id no step has.
        savedStepId_ = -1;
    }
    return true;
}

std::string Session::ProposedName() const {
    return plan::ProposedFileName(plan_.window.at(Control::MaskEdit1).text,
                                  plan_.window.at(Control::MaskEdit2).text);
}

// ---------------------------------------------------------------------------------------------
// What the page shows

std::string Session::Title() const {
    std::string title(design::kCaption);
    if (!file_.empty()) {
        const auto slash = file_.find_last_of('/');
        title += " – " + (slash == std::string::npos ? file_ : file_.substr(slash + 1));
        if (TopStepId() != savedStepId_) title += "*";
    }
    return title;
}

Json Session::ViewJson() const {
    WebView view(const_cast<plan::WindowState&>(plan_.window),
                 const_cast<std::array<std::string, 4>&>(status_));
    Json controls = Json::object();
    for (Control c : AllControls()) {
        const plan::ControlState& s = plan_.window.at(c);
        Json o{{"enabled", s.enabled},
               {"visible", s.visible},
               {"usable", plan::Usable(plan_.window, c)},
               {"colour", std::string(ColourWord(plan::ShownColour(plan_.window, c)))},
               {"fontColour", std::string(ColourWord(s.fontColour))},
               {"text", s.text},
               {"left", s.left},
               {"accessibleName", access::Name(c, s.text)}};
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
    for (const auto& row : plan_.window.cells) grid.push_back(row);
    return Json{{"title", Title()},
                {"focus",
                 plan_.window.focus ? Json(std::string(ControlName(*plan_.window.focus))) : Json()},
                {"focusOption", focusOption_},
                {"closed", plan_.window.closed},
                {"controls", std::move(controls)},
                {"grid", std::move(grid)},
                {"status", status_},
                {"plan",
                 {{"file", file_.empty() ? Json() : Json(file_)},
                  {"unsaved", !file_.empty() && TopStepId() != savedStepId_},
                  {"undo", steps_.size()},
                  {"redo", redo_.size()}}}};
}

}  // namespace belegix::web

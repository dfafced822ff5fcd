// The bridge between the page's JavaScript and the planner's C++: a handful of C functions that
// take and give JSON text. The page holds no rule, text or limit of its own; it draws what these
// return and hands every gesture of the student back here.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "core/accessibility.h"
#include "core/design.h"
#include "core/message_boxes.h"
#include "tools/drive/script.h"
#include "web/look.h"
#include "web/session.h"

using belegix::Colour;
using belegix::Control;
using belegix::DlgResult;
using belegix::web::Json;
using belegix::web::Session;

namespace {

std::unique_ptr<Session> g_session;
std::string g_result;  // the text last returned; valid until the next call

const char* Return(std::string text) {
    g_result = std::move(text);
    return g_result.c_str();
}

const char* Return(const Json& j) {
    return Return(j.dump(-1, ' ', false, Json::error_handler_t::replace));
}

Session& S() {
    if (!g_session) g_session = std::make_unique<Session>();
    return *g_session;
}

std::string KindWord(belegix::design::Kind k) {
    using belegix::design::Kind;
    switch (k) {
        case Kind::Label:
            return "label";
        case Kind::Heading:
            return "heading";
        case Kind::GroupBox:
            return "groupbox";
        case Kind::Combo:
            return "combo";
        case Kind::Button:
            return "button";
        case Kind::Memo:
            return "memo";
        case Kind::Panel:
            return "panel";
        case Kind::Smiley:
            return "smiley";
        case Kind::RadioGroup:
            return "radiogroup";
        case Kind::Grid:
            return "grid";
        case Kind::Edit:
            return "edit";
        case Kind::StatusBar:
            return "statusbar";
    }
    return "label";
}

std::string GlyphWord(belegix::design::Glyph g) {
    using belegix::design::Glyph;
    switch (g) {
        case Glyph::None:
            return "";
        case Glyph::Help:
            return "help";
        case Glyph::AllDone:
            return "alldone";
        case Glyph::Retry:
            return "retry";
        case Glyph::Abort:
            return "abort";
    }
    return "";
}

DlgResult AnswerFromWord(const std::string& w) {
    if (w == "Yes") return DlgResult::Yes;
    if (w == "No") return DlgResult::No;
    if (w == "OK") return DlgResult::Ok;
    return DlgResult::Closed;
}

Json OutcomeJson(const belegix::web::Outcome& out) {
    Json j{{"events", out.events}, {"fail", out.fail}, {"failure", out.failure}};
    if (out.ask) {
        Json buttons = Json::array();
        for (DlgResult b : out.ask->buttons) buttons.push_back(std::string(belegix::AnswerWord(b)));
        const char* kind = out.ask->kind == belegix::BoxKind::Information    ? "information"
                           : out.ask->kind == belegix::BoxKind::Confirmation ? "confirmation"
                                                                             : "plain";
        j["ask"] = {{"kind", kind},
                    {"caption", out.ask->caption},
                    {"text", out.ask->text},
                    {"buttons", buttons}};
    } else {
        j["ask"] = nullptr;
    }
    if (!out.printHtml.empty()) j["printHtml"] = out.printHtml;
    return j;
}

}  // namespace

extern "C" {

// The window's design: every control with kind, parent, place, size, texts, colours and font;
// the colour table; the window's sizes; the tab order.
EMSCRIPTEN_KEEPALIVE const char* bx_design() {
    namespace design = belegix::design;
    Json controls = Json::array();
    for (const design::ControlDesign& d : design::Controls()) {
        Json items = Json::array();
        for (std::string_view item : d.items) items.push_back(std::string(item));
        controls.push_back(
            {{"name", std::string(belegix::ControlName(d.control))},
             {"kind", KindWord(d.kind)},
             {"parent", d.parent ? Json(std::string(belegix::ControlName(*d.parent))) : Json()},
             {"left", d.left},
             {"top", d.top},
             {"width", d.width},
             {"height", d.height},
             {"text", std::string(d.text)},
             {"items", items},
             {"font",
              {{"family", belegix::web::CssFontFamily(std::string(d.font.family))},
               {"pixels", d.font.pixels},
               {"bold", d.font.bold},
               {"underline", d.font.underline}}},
             {"align", d.align == design::Align::Left     ? "left"
                       : d.align == design::Align::Centre ? "center"
                                                          : "right"},
             {"glyph", GlyphWord(d.glyph)},
             {"maxLength", d.maxLength}});
    }
    Json colours = Json::object();
    for (int i = 0; i <= static_cast<int>(Colour::Desktop); ++i) {
        const auto c = static_cast<Colour>(i);
        colours[std::string(belegix::ColourWord(c))] = belegix::web::CssColour(c);
    }
    Json rows = Json::array();
    for (int r = 0; r < belegix::kGridRows; ++r) rows.push_back(design::GridRowHeight(r));
    Json tabOrder = Json::array();
    for (Control c : belegix::access::TabOrder())
        tabOrder.push_back(std::string(belegix::ControlName(c)));
    return Return(Json{{"caption", std::string(design::kCaption)},
                       {"tabOrder", tabOrder},
                       {"width", design::kClientWidth},
                       {"height", design::kClientHeight},
                       {"statusBarHeight", design::kStatusBarHeight},
                       {"statusPanelWidths", design::kStatusPanelWidths},
                       {"gridColumnWidths", design::kGridColumnWidths},
                       {"gridRowHeights", rows},
                       {"colours", colours},
                       {"controls", controls}});
}

// Runs one gesture: {"op", "control", "index", "text", "focused", "source", "answers"}.
EMSCRIPTEN_KEEPALIVE const char* bx_run(const char* gestureJson) {
    using Op = belegix::web::Gesture::Op;
    const Json in = Json::parse(gestureJson, nullptr, false);
    if (in.is_discarded()) return Return(Json{{"fail", 2}, {"failure", "malformed gesture"}});
    belegix::web::Gesture g;
    const std::string op = in.value("op", "");
    static const std::pair<const char*, Op> kOps[] = {
        {"click", Op::Click}, {"pick", Op::Pick}, {"type", Op::Type}, {"edit", Op::Edit},
        {"focus", Op::Focus}, {"key", Op::Key},   {"tick", Op::Tick}, {"close", Op::Close},
        {"undo", Op::Undo},   {"redo", Op::Redo}};
    bool known = false;
    for (const auto& [word, value] : kOps)
        if (op == word) {
            g.op = value;
            known = true;
        }
    if (!known) return Return(Json{{"fail", 2}, {"failure", "unknown gesture " + op}});
    if (in.contains("control")) {
        const auto c = belegix::ControlFromName(in.value("control", ""));
        if (!c) return Return(Json{{"fail", 2}, {"failure", "unknown control"}});
        g.control = *c;
    }
    g.index = in.value("index", 0);
    g.text = in.value("text", "");
    g.focused = in.value("focused", false);
    g.source = in.value("source", op);
    std::vector<DlgResult> answers;
    if (in.contains("answers"))
        for (const auto& a : in["answers"]) answers.push_back(AnswerFromWord(a.get<std::string>()));
    Json out = OutcomeJson(S().Run(g, answers));
    out["view"] = S().ViewJson();
    return Return(out);
}

EMSCRIPTEN_KEEPALIVE const char* bx_view() {
    return Return(S().ViewJson());
}

EMSCRIPTEN_KEEPALIVE const char* bx_dump() {
    return Return(S().DumpJson());
}

// The plan file's text, saved at `savedUtc`.
EMSCRIPTEN_KEEPALIVE const char* bx_plan_text(const char* savedUtc) {
    return Return(S().PlanText(savedUtc));
}

// The text was written to `file`: the plan now belongs to it and counts as saved.
EMSCRIPTEN_KEEPALIVE void bx_saved(const char* file) {
    S().Saved(file);
}

// Writing `file` failed; `why` names the reason (see Session::SaveFailed). Gives the box.
EMSCRIPTEN_KEEPALIVE const char* bx_save_failed(const char* file, const char* why) {
    Json out = OutcomeJson(S().SaveFailed(file, why));
    out["view"] = S().ViewJson();
    return Return(out);
}

// Opens the plan file at `path` in the module's file system (the page writes it there first).
EMSCRIPTEN_KEEPALIVE const char* bx_open(const char* path) {
    Json out = OutcomeJson(S().Open(path));
    out["view"] = S().ViewJson();
    return Return(out);
}

// Puts back a plan kept in the browser's storage; 1 when it could be used.
EMSCRIPTEN_KEEPALIVE int bx_restore(const char* text, const char* file, int unsaved) {
    return S().Restore(text, file, unsaved != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* bx_file_text() {
    return Return(S().FileText());
}

EMSCRIPTEN_KEEPALIVE const char* bx_proposed_name() {
    return Return(S().ProposedName());
}

// A box's text as the screen shows it (a lone carriage return starts a new line).
EMSCRIPTEN_KEEPALIVE const char* bx_screen_text(const char* text) {
    return Return(belegix::ScreenText(text));
}

EMSCRIPTEN_KEEPALIVE int bx_keys_ok(const char* keys) {
    return belegix::web::KeysReadable(keys) ? 1 : 0;
}

// A driver script read by the desktop driver's own reader: {"commands": [...]} or
// {"error": {"line", "reason"}}; unknown keys are an error too.
EMSCRIPTEN_KEEPALIVE const char* bx_parse_script(const char* text) {
    using belegix::drive::Op;
    const belegix::drive::Script script = belegix::drive::ParseScript(text);
    if (script.error)
        return Return(
            Json{{"error", {{"line", script.error->line}, {"reason", script.error->reason}}}});
    static const char* const kWords[] = {"click",  "pick", "type", "focus",      "key",
                                         "answer", "tick", "dump", "screenshot", "close",
                                         "save",   "open", "undo", "redo"};
    Json commands = Json::array();
    for (const belegix::drive::Command& c : script.commands) {
        if (c.op == Op::Key && !belegix::web::KeysReadable(c.text))
            return Return(
                Json{{"error", {{"line", c.line}, {"reason", "unknown keys \"" + c.text + "\""}}}});
        commands.push_back({{"op", kWords[static_cast<int>(c.op)]},
                            {"line", c.line},
                            {"source", c.source},
                            {"control", std::string(belegix::ControlName(c.control))},
                            {"focused", c.focused},
                            {"index", c.index},
                            {"text", c.text},
                            {"answer", std::string(belegix::AnswerWord(c.answer))}});
    }
    return Return(Json{{"commands", commands}});
}

// A fresh program start (the page's "Neu" and the benchmarks).
EMSCRIPTEN_KEEPALIVE void bx_reset() {
    g_session = std::make_unique<Session>();
}

}  // extern "C"

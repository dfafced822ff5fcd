#include <nlohmann/json.hpp>

#include "core/plan/plan.h"
#include "core/plan/planning.h"
#include "core/platform/files.h"

#ifndef BELEGIX_VERSION
#define BELEGIX_VERSION "0"
#endif

namespace belegix::plan {

using nlohmann::json;

namespace {

constexpr std::string_view kFormatName = "belegix-plan";

// The library's own reader into a JSON value, refusing early what cannot be a plan file: a text
// that is no JSON object, deeply nested input and more values than a plan file has. The values
// are counted as they are read, so that a file of millions of small values ("{},{},…") is refused
// after a few hundred kilobytes instead of growing to hundreds of megabytes in memory. (The
// library's reader with a callback rescans every array it adds to, which costs the square of the
// number of actions.)
class BoundedReader : public nlohmann::detail::json_sax_dom_parser<json> {
    using Base = nlohmann::detail::json_sax_dom_parser<json>;

  public:
    explicit BoundedReader(json& result) : Base(result, false) {}
    bool null() { return Value() && Base::null(); }
    bool boolean(bool v) { return Value() && Base::boolean(v); }
    bool number_integer(json::number_integer_t v) { return Value() && Base::number_integer(v); }
    bool number_unsigned(json::number_unsigned_t v) { return Value() && Base::number_unsigned(v); }
    bool number_float(json::number_float_t v, const json::string_t& s) {
        return Value() && Base::number_float(v, s);
    }
    bool string(json::string_t& v) { return Value() && Base::string(v); }
    bool binary(json::binary_t& v) { return Value() && Base::binary(v); }
    bool key(json::string_t& v) { return Count() && Base::key(v); }
    bool start_object(std::size_t n) {
        ++depth_;
        if (depth_ > kMaxDepth) tooDeep = true;
        return !tooDeep && Count() && Base::start_object(n);
    }
    bool start_array(std::size_t n) {
        if (depth_ == 0) notAPlan = true;
        ++depth_;
        if (depth_ > kMaxDepth) tooDeep = true;
        return !notAPlan && !tooDeep && Count() && Base::start_array(n);
    }
    bool end_object() {
        --depth_;
        return Base::end_object();
    }
    bool end_array() {
        --depth_;
        return Base::end_array();
    }
    bool tooDeep = false;
    bool notAPlan = false;  // the text is no JSON object
    bool tooMany = false;   // more values than a plan file can have

  private:
    bool Value() {
        if (depth_ == 0) notAPlan = true;
        return !notAPlan && Count();
    }
    bool Count() {
        tooMany = tooMany || ++values_ > kMaxFileValues;
        return !tooMany;
    }
    int depth_ = 0;
    std::size_t values_ = 0;
};

// A reason for a file that cannot be used; the message is German.
struct Unusable {
    std::string reason;
};

DlgResult AnswerFromName(const std::string& word) {
    if (word == "Yes") return DlgResult::Yes;
    if (word == "No") return DlgResult::No;
    if (word == "Closed") return DlgResult::Closed;
    throw Unusable{"Unbekannte Antwort „" + word + "“."};
}

json ActionJson(const Action& a) {
    json o = json::object();
    o["control"] = std::string(ControlName(a.control));
    o["event"] = std::string(ActionWord(a.kind));
    if (a.index) o["index"] = *a.index;
    if (a.text) o["text"] = *a.text;
    if (a.edit) o["edit"] = json::array({a.edit->cut, a.edit->keepEnd, a.edit->insert});
    if (!a.answers.empty()) {
        json answers = json::array();
        for (DlgResult r : a.answers) answers.push_back(std::string(AnswerWord(r)));
        o["answers"] = std::move(answers);
    }
    return o;
}

std::string Dumped(const json& j) {
    // Invalid UTF-8 (which the door never lets in) is replaced rather than thrown.
    return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

// A keystroke that adds one character at the end of a field and raised no question: a run of
// them is written as one entry whose "keys" hold the characters, one keystroke each.
bool AtEnd(const Action& a) {
    if (a.kind != ActionKind::Change || !a.edit || !a.answers.empty()) return false;
    const TextEdit& e = *a.edit;
    if (e.cut != 0 || e.keepEnd != 0 || e.insert.empty()) return false;
    const auto lead = static_cast<unsigned char>(e.insert[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return e.insert.size() == length;
}

bool Continues(const Action& a, const Action* previous) {
    return previous != nullptr && AtEnd(a) && AtEnd(*previous) && previous->control == a.control;
}

json EntryJson(const Action& a) {
    if (!AtEnd(a)) return ActionJson(a);
    json o = json::object();
    o["control"] = std::string(ControlName(a.control));
    o["event"] = "type";
    o["keys"] = a.edit->insert;
    return o;
}

// One entry's line in the file: two blanks, the entry, and the comma and line break before it.
constexpr std::size_t kEntryFrame = 4;

json SummaryJson(const Summary& s) {
    json o = json::object();
    o["name"] = s.name;
    o["vorname"] = s.vorname;
    o["klasse"] = s.klasse;
    o["schule"] = s.schule;
    o["profil"] = s.profil;
    o["pruefungsfaecher"] = s.pruefungsfaecher;
    json grid = json::array();
    for (const auto& row : s.grid) grid.push_back(row);
    o["raster"] = std::move(grid);
    o["wochenstunden"] = s.stunden;
    o["durchschnitt"] = s.durchschnitt;
    o["kurse"] = s.kurse;
    o["gesamtqualifikation"] = s.gqKurse;
    json lights = json::object();
    for (std::size_t i = 0; i < TrafficLights().size(); ++i)
        lights[std::string(ControlName(TrafficLights()[i]))] = s.ampeln[i];
    o["ampeln"] = std::move(lights);
    o["zulaessig"] = s.zulaessig;
    o["urteil"] = s.urteil;
    return o;
}

const json& Field(const json& o, const char* key) {
    const auto it = o.find(key);
    if (it == o.end()) throw Unusable{std::string("Das Feld „") + key + "“ fehlt."};
    return *it;
}

std::string Text(const json& o, const char* key) {
    const json& v = Field(o, key);
    if (!v.is_string()) throw Unusable{std::string("Das Feld „") + key + "“ ist kein Text."};
    return v.get<std::string>();
}

std::int64_t Number(const json& o, const char* key) {
    const json& v = Field(o, key);
    if (!v.is_number_integer())
        throw Unusable{std::string("Das Feld „") + key + "“ ist keine ganze Zahl."};
    return v.get<std::int64_t>();
}

template <std::size_t N>
std::array<std::string, N> Texts(const json& v, const char* key) {
    if (!v.is_array() || v.size() != N)
        throw Unusable{std::string("Das Feld „") + key + "“ hat nicht " + std::to_string(N) +
                       " Einträge."};
    std::array<std::string, N> out;
    for (std::size_t i = 0; i < N; ++i) {
        if (!v[i].is_string())
            throw Unusable{std::string("Das Feld „") + key + "“ enthält keinen Text."};
        out[i] = v[i].get<std::string>();
    }
    return out;
}

Summary SummaryFrom(const json& o) {
    if (!o.is_object()) throw Unusable{"Die Zusammenfassung ist kein Objekt."};
    Summary s;
    s.name = Text(o, "name");
    s.vorname = Text(o, "vorname");
    s.klasse = Text(o, "klasse");
    s.schule = Text(o, "schule");
    s.profil = Text(o, "profil");
    s.pruefungsfaecher = Texts<5>(Field(o, "pruefungsfaecher"), "pruefungsfaecher");
    const json& grid = Field(o, "raster");
    if (!grid.is_array() || grid.size() != static_cast<std::size_t>(kGridRows))
        throw Unusable{"Das Raster hat nicht " + std::to_string(kGridRows) + " Zeilen."};
    for (std::size_t r = 0; r < grid.size(); ++r)
        s.grid[r] = Texts<kGridColumns>(grid[r], "raster");
    const json& hours = Field(o, "wochenstunden");
    if (!hours.is_array() || hours.size() != 4)
        throw Unusable{"Das Feld „wochenstunden“ hat nicht 4 Einträge."};
    for (std::size_t n = 0; n < 4; ++n) {
        if (!hours[n].is_number_integer())
            throw Unusable{"Das Feld „wochenstunden“ enthält keine ganze Zahl."};
        s.stunden[n] = hours[n].get<std::int64_t>();
    }
    s.durchschnitt = Number(o, "durchschnitt");
    s.kurse = Number(o, "kurse");
    s.gqKurse = Number(o, "gesamtqualifikation");
    const json& lights = Field(o, "ampeln");
    if (!lights.is_object()) throw Unusable{"Das Feld „ampeln“ ist kein Objekt."};
    for (std::size_t i = 0; i < TrafficLights().size(); ++i)
        s.ampeln[i] = Text(lights, std::string(ControlName(TrafficLights()[i])).c_str());
    const json& ok = Field(o, "zulaessig");
    if (!ok.is_boolean()) throw Unusable{"Das Feld „zulaessig“ ist nicht true oder false."};
    s.zulaessig = ok.get<bool>();
    s.urteil = Text(o, "urteil");
    return s;
}

Action ActionFrom(const json& o, std::size_t number) {
    const std::string where = "Aktion " + std::to_string(number) + ": ";
    try {
        if (!o.is_object()) throw Unusable{"keine Aktion."};
        Action a;
        const std::string control = Text(o, "control");
        const auto c = ControlFromName(control);
        if (!c) throw Unusable{"unbekanntes Bedienelement „" + control + "“."};
        a.control = *c;
        const std::string event = Text(o, "event");
        if (event == "click")
            a.kind = ActionKind::Click;
        else if (event == "change")
            a.kind = ActionKind::Change;
        else if (event == "enter")
            a.kind = ActionKind::Enter;
        else if (event == "focus")
            a.kind = ActionKind::Focus;
        else
            throw Unusable{"unbekanntes Ereignis „" + event + "“."};
        if (o.contains("index")) {
            const std::int64_t index = Number(o, "index");
            if (index < -1 || index > 1000)
                throw Unusable{"unmögliche Auswahl " + std::to_string(index) + "."};
            a.index = static_cast<int>(index);
        }
        if (o.contains("text")) a.text = Text(o, "text");
        if (o.contains("edit")) {
            const json& e = o["edit"];
            if (!e.is_array() || e.size() != 3 || !e[0].is_number_unsigned() ||
                !e[1].is_number_unsigned() || !e[2].is_string() ||
                e[0].get<std::uint64_t>() > kMaxFileBytes ||
                e[1].get<std::uint64_t>() > kMaxFileBytes)
                throw Unusable{"die Änderung eines Textes ist unlesbar."};
            a.edit =
                TextEdit{e[0].get<std::size_t>(), e[1].get<std::size_t>(), e[2].get<std::string>()};
        }
        if (o.contains("answers")) {
            const json& answers = o["answers"];
            if (!answers.is_array() || answers.size() > kMaxAnswers)
                throw Unusable{"die Antworten sind keine Liste."};
            for (const json& w : answers) {
                if (!w.is_string()) throw Unusable{"eine Antwort ist kein Text."};
                a.answers.push_back(AnswerFromName(w.get<std::string>()));
            }
        }
        return a;
    } catch (const Unusable& u) {
        throw Unusable{where + u.reason};
    }
}

// A run of keystrokes at the end of a field: one change for each character of "keys".
void ReadKeys(const json& o, std::vector<Action>& out) {
    const std::string where = "Aktion " + std::to_string(out.size() + 1) + ": ";
    try {
        const std::string control = Text(o, "control");
        const auto c = ControlFromName(control);
        if (!c) throw Unusable{"unbekanntes Bedienelement „" + control + "“."};
        const std::string keys = Text(o, "keys");
        for (std::size_t i = 0; i < keys.size();) {
            const auto lead = static_cast<unsigned char>(keys[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            if (i + length > keys.size()) throw Unusable{"ein Zeichen ist unvollständig."};
            Action a = MakeAction(*c, ActionKind::Change);
            a.edit = TextEdit{0, 0, keys.substr(i, length)};
            out.push_back(std::move(a));
            if (out.size() > kMaxActions) return;
            i += length;
        }
    } catch (const Unusable& u) {
        throw Unusable{where + u.reason};
    }
}

}  // namespace

std::string ProgramVersion() {
    return std::string("Belegix-LiH ") + BELEGIX_VERSION;
}

namespace {

// The bytes of `s` as a JSON string in the file, quotes included (the writer keeps UTF-8 as it
// is; bytes that are no UTF-8, which the door never lets in, count as the replacement they get).
std::size_t JsonStringBytes(std::string_view s) {
    std::size_t n = 2;
    for (unsigned char c : s) {
        if (c == '"' || c == '\\' || c == '\b' || c == '\f' || c == '\n' || c == '\r' || c == '\t')
            n += 2;
        else if (c < 0x20)
            n += 6;
        else if (c >= 0x80)
            n += 3;  // at most: a byte of a character, or the replacement of a stray byte
        else
            n += 1;
    }
    return n;
}

std::size_t Digits(std::size_t v) {
    return std::to_string(v).size();
}

}  // namespace

FileCost CostInFile(const Action& a, const Action* previous) {
    if (Continues(a, previous)) return {JsonStringBytes(a.edit->insert) - 2, 0};
    // {"key":value,...}: braces, and for each field its quoted key, a colon and a comma.
    FileCost cost{2, 1};
    auto field = [&cost](std::string_view key, std::size_t bytes, std::size_t values) {
        cost.bytes += key.size() + 4 + bytes;
        cost.values += 1 + values;
    };
    field("control", JsonStringBytes(ControlName(a.control)), 1);
    if (AtEnd(a)) {
        field("event", JsonStringBytes("type"), 1);
        field("keys", JsonStringBytes(a.edit->insert), 1);
        return {cost.bytes + kEntryFrame, cost.values};
    }
    field("event", JsonStringBytes(ActionWord(a.kind)), 1);
    if (a.index) field("index", std::to_string(*a.index).size(), 1);
    if (a.text) field("text", JsonStringBytes(*a.text), 1);
    if (a.edit)
        field("edit",
              4 + Digits(a.edit->cut) + Digits(a.edit->keepEnd) + JsonStringBytes(a.edit->insert),
              4);
    if (!a.answers.empty()) {
        std::size_t bytes = 1 + a.answers.size();
        for (DlgResult r : a.answers) bytes += JsonStringBytes(AnswerWord(r));
        field("answers", bytes, 1 + a.answers.size());
    }
    return {cost.bytes + kEntryFrame, cost.values};
}

std::string WritePlan(const std::vector<Action>& actions, const PlanState& plan,
                      const std::string& savedUtc) {
    std::string out = "{\n";
    auto field = [&out](std::string_view key, const json& value) {
        out += " " + Dumped(json(key)) + ": " + Dumped(value) + ",\n";
    };
    field("format", std::string(kFormatName));
    field("formatVersion", kFormatVersion);
    field("program", ProgramVersion());
    field("saved", savedUtc);
    // One entry a line; keystrokes at a field's end are gathered into one entry.
    out += " \"actions\": [";
    std::optional<json> entry;
    auto flush = [&] {
        if (!entry) return;
        out += out.back() == '[' ? "\n  " : ",\n  ";
        out += Dumped(*entry);
        entry.reset();
    };
    const Action* previous = nullptr;
    for (const Action& a : actions) {
        if (entry && Continues(a, previous)) {
            (*entry)["keys"] = (*entry)["keys"].get<std::string>() + a.edit->insert;
        } else {
            flush();
            entry = EntryJson(a);
        }
        previous = &a;
    }
    flush();
    out += "\n ],\n \"summary\": " + Dumped(SummaryJson(Summarise(plan))) + "\n}\n";
    return out;
}

ReadResult ReadPlan(std::string_view text) {
    ReadResult result;
    try {
        if (text.size() > kMaxFileBytes) throw Unusable{"Die Datei ist größer als 10 MB."};
        json o;
        BoundedReader reader(o);
        const bool read = json::sax_parse(text.begin(), text.end(), &reader);
        if (reader.notAPlan) throw Unusable{"Die Datei ist keine Belegix-Plandatei."};
        if (reader.tooDeep) throw Unusable{"Die Datei ist zu tief verschachtelt."};
        if (reader.tooMany)
            throw Unusable{"Die Datei enthält mehr Einträge, als eine Plandatei haben kann."};
        if (!read) throw Unusable{"Die Datei ist keine Belegix-Plandatei oder ist beschädigt."};
        if (!o.is_object() || !o.contains("format") || o["format"] != kFormatName)
            throw Unusable{"Die Datei ist keine Belegix-Plandatei."};
        PlanFile file;
        const std::int64_t version = Number(o, "formatVersion");
        if (version > kFormatVersion)
            throw Unusable{"Die Datei stammt aus einer neueren Programmversion (Format " +
                           std::to_string(version) + ")."};
        if (version < 1)
            throw Unusable{"Die Formatversion " + std::to_string(version) + " gibt es nicht."};
        file.formatVersion = static_cast<int>(version);
        file.program = o.contains("program") && o["program"].is_string()
                           ? o["program"].get<std::string>()
                           : "";
        file.saved =
            o.contains("saved") && o["saved"].is_string() ? o["saved"].get<std::string>() : "";
        const json& actions = Field(o, "actions");
        if (!actions.is_array()) throw Unusable{"Das Feld „actions“ ist keine Liste."};
        if (actions.size() > kMaxActions)
            throw Unusable{"Die Datei enthält mehr als " + std::to_string(kMaxActions) +
                           " Aktionen."};
        file.actions.reserve(actions.size());
        for (const json& entry : actions) {
            if (entry.is_object() && entry.contains("event") && entry["event"] == "type") {
                ReadKeys(entry, file.actions);
            } else {
                file.actions.push_back(ActionFrom(entry, file.actions.size() + 1));
            }
            if (file.actions.size() > kMaxActions)
                throw Unusable{"Die Datei enthält mehr als " + std::to_string(kMaxActions) +
                               " Aktionen."};
        }
        if (o.contains("summary")) file.summary = SummaryFrom(o["summary"]);
        result.file = std::move(file);
    } catch (const Unusable& u) {
        result.error = u.reason;
    } catch (const std::exception&) {
        result.error = "Die Datei ist beschädigt.";
    }
    return result;
}

LoadResult LoadFile(const std::string& path) {
    LoadResult result;
    platform::FileBytes read = platform::ReadRegularFile(path, kMaxFileBytes);
    switch (read.error) {
        case platform::FileError::None:
            result.text = std::move(read.bytes);
            break;
        case platform::FileError::Missing:
            result.error = "Die Datei gibt es nicht.";
            break;
        case platform::FileError::Denied:
            result.error = "Die Datei darf nicht gelesen werden.";
            break;
        case platform::FileError::Folder:
            result.error = "Das ist ein Ordner, keine Datei.";
            break;
        case platform::FileError::NotRegular:
            result.error = "Das ist keine gewöhnliche Datei.";
            break;
        case platform::FileError::TooLarge:
            result.error = "Die Datei ist größer als 10 MB.";
            break;
        case platform::FileError::OpenFailed:
            result.error = "Die Datei lässt sich nicht öffnen.";
            break;
        case platform::FileError::ReadFailed:
            result.error = "Die Datei lässt sich nicht lesen.";
            break;
    }
    return result;
}

Opened OpenText(std::string_view text) {
    return Planning::Replayed(text);
}

Opened OpenFile(const std::string& path) {
    LoadResult load = LoadFile(path);
    if (!load.error.empty()) {
        Opened o;
        o.error = load.error;
        return o;
    }
    return OpenText(load.text);
}

}  // namespace belegix::plan

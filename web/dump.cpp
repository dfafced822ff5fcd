// The driver's dump of the web edition's window, in the form belegix-drive writes it. Sizes that
// the design leaves to the text (autosized labels, the natural height of a field) are null here;
// the page fills them in from what the browser measured.
#include "core/accessibility.h"
#include "core/choice_state.h"
#include "core/design.h"
#include "core/help_texts.h"
#include "web/session.h"

namespace belegix::web {

namespace {

Json SubjectFamily(const SubjectFlags& flags, const auto& members) {
    Json o = Json::object();
    for (int row = 1; row <= kSubjectCount; ++row) {
        const Subject s = SubjectAtRow(row);
        bool member = false;
        for (Subject m : members) member = member || m == s;
        if (member) o[std::string(SubjectKey(s))] = static_cast<int>(flags[s]);
    }
    return o;
}

template <class T>
Json TwoHourFamily(const KeyedArray<TwoHour, T, kTwoHourCount>& values) {
    Json o = Json::object();
    for (int i = 0; i < kTwoHourCount; ++i) {
        const auto x = static_cast<TwoHour>(i);
        o[std::string(TwoHourKey(x))] = static_cast<std::int64_t>(values[x]);
    }
    return o;
}

Json StateJson(const ChoiceState& st) {
    Json o = Json::object();
    o["PFach"] = SubjectFamily(st.PFach, kPFachSubjects);
    o["PKurs"] = SubjectFamily(st.PKurs, kPKursSubjects);
    o["P4"] = SubjectFamily(st.P4, kP4Subjects);
    o["P5"] = SubjectFamily(st.P5, kP5Subjects);
    o["Int"] = SubjectFamily(st.Int, kIntSubjects);
    o["Zusatz4"] = SubjectFamily(st.Zusatz4, kZusatz4Subjects);
    Json erfuellt = Json::object();
    for (int k = 0; k < kObligationCount; ++k) {
        const auto key = static_cast<Obligation>(k);
        erfuellt[std::string(ObligationKey(key))] = static_cast<int>(st.Erfuellt[key]);
    }
    o["Erfuellt"] = std::move(erfuellt);
    o["Aufgabenfeld"] = {{"A", static_cast<int>(st.Aufgabenfeld[Field::A])},
                         {"B", static_cast<int>(st.Aufgabenfeld[Field::B])},
                         {"C", static_cast<int>(st.Aufgabenfeld[Field::C])}};
    o["FelderOk"] = static_cast<int>(st.FelderOk);
    o["KernOk"] = static_cast<int>(st.KernOk);
    o["IntGewaehlt"] = static_cast<int>(st.IntGewaehlt);
    o["NurEineFs"] = static_cast<int>(st.NurEineFs);
    o["FspZahl"] = st.FspZahl;
    o["FspZahlSport"] = st.FspZahlSport;
    o["NwZahl"] = st.NwZahl;
    o["NwZahlZusatz"] = st.NwZahlZusatz;
    o["GqKurse"] = st.GqKurse;
    o["ZeitVon"] = st.ZeitVon;
    o["ZeitBis"] = st.ZeitBis;
    o["KursSpalte1"] = TwoHourFamily(st.KursSpalte1);
    o["KursSpalte2"] = TwoHourFamily(st.KursSpalte2);
    o["ZeitOffen"] = TwoHourFamily(st.ZeitOffen);
    o["ZusatzSchritt"] = static_cast<int>(st.ZusatzSchritt);
    o["ZusatzPanelOffen"] = static_cast<int>(st.ZusatzPanelOffen);
    o["ErgebnisAktiv"] = static_cast<int>(st.ErgebnisAktiv);
    o["KursAnzahl"] = st.KursAnzahl;
    Json stunden = Json::array();
    for (int n = 1; n <= 4; ++n) stunden.push_back(st.Stunden[static_cast<std::size_t>(n)]);
    o["Stunden"] = std::move(stunden);
    o["StundenSumme"] = st.StundenSumme;
    o["Durchschnitt"] = st.Durchschnitt;
    o["IntSchrittAktiv"] = static_cast<int>(st.IntSchrittAktiv);
    return o;
}

Json OrNull(int v) {
    return v > 0 ? Json(v) : Json();
}

}  // namespace

Json Session::DumpJson() const {
    const Json view = ViewJson();
    Json controls = Json::object();
    for (Control c : AllControls()) {
        const design::ControlDesign& d = design::Of(c);
        const std::string name(ControlName(c));
        const Json& v = view["controls"][name];
        Json o{{"enabled", v["enabled"]},       {"visible", v["visible"]}, {"colour", v["colour"]},
               {"fontColour", v["fontColour"]}, {"text", v["text"]},       {"left", v["left"]}};
        int height = d.height;
        if (d.kind == design::Kind::StatusBar) height = design::kStatusBarHeight;
        o["geometry"] = {v["left"], d.top, OrNull(d.width), OrNull(height)};
        if (design::TakesPick(c)) {
            o["index"] = v["index"];
            o["items"] = v["items"];
        }
        if (v.contains("hint")) o["hint"] = v["hint"];
        o["accessibleName"] = v["accessibleName"];
        if (v.contains("accessibleDescription"))
            o["accessibleDescription"] = v["accessibleDescription"];
        controls[name] = std::move(o);
    }
    return Json{{"dump",
                 {{"window",
                   {{"title", view["title"]},
                    {"clientWidth", design::kClientWidth},
                    {"clientHeight", design::kClientHeight},
                    {"resizable", false},
                    {"focus", view["focus"]}}},
                  {"controls", std::move(controls)},
                  {"grid", view["grid"]},
                  {"state", StateJson(door_.state())},
                  {"status", view["status"]},
                  {"plan", view["plan"]}}}};
}

}  // namespace belegix::web

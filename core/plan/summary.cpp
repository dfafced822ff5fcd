#include <cctype>

#include "core/plan_limits.h"
#include "core/rules/profile_lists.h"

#include "core/plan/plan.h"

namespace belegix::plan {

const std::array<Control, 7>& TrafficLights() {
    static constexpr std::array<Control, 7> kLights = {
        Control::Semester1, Control::Semester2, Control::Semester3, Control::Semester4,
        Control::SemesterD, Control::Kurse_ok,  Control::Gsq_ok};
    return kLights;
}

namespace {

constexpr std::array<Control, 5> kExamBoxes = {Control::Lk1Box, Control::Lk2Box, Control::P3Box,
                                               Control::P4Box, Control::P5Box};

// The subject `s` at exam position `p` (0 to 4), named as the profile's box names it.
std::string ExamSubjectName(const PlanState& plan, std::size_t p, Subject s) {
    const int profile = plan.window.at(Control::ProfilRadioGroup).index;
    if (profile >= 0 && profile < kProfileCount)
        for (const ListItem& item : ExamList(static_cast<Profile>(profile), kExamBoxes[p]))
            if (item.subject == s) return std::string(item.text);
    return std::string(SubjectName(s));
}

// The exam subjects as the rules took them: P1 to P3 as the exam check marked them in the plan,
// P4 and P5 as the state holds them; empty where there is none yet.
std::array<std::string, 5> ExamSubjects(const PlanState& plan) {
    std::array<std::string, 5> out;
    for (int row = 1; row <= kSubjectCount; ++row) {
        const Subject s = SubjectAtRow(row);
        const std::string& mark = plan.window.cells[static_cast<std::size_t>(row)][kRoleColumn];
        for (std::size_t p = 0; p < 3; ++p)
            if (mark == "P" + std::to_string(p + 1) && out[p].empty())
                out[p] = ExamSubjectName(plan, p, s);
    }
    for (Subject s : kP4Subjects)
        if (plan.st.P4[s] && out[3].empty()) out[3] = ExamSubjectName(plan, 3, s);
    for (Subject s : kP5Subjects)
        if (plan.st.P5[s] && out[4].empty()) out[4] = ExamSubjectName(plan, 4, s);
    return out;
}

}  // namespace

Summary Summarise(const PlanState& plan) {
    const WindowState& w = plan.window;
    const Evaluation& ev = plan.st.evaluation;
    Summary s;
    s.name = w.at(Control::MaskEdit1).text;
    s.vorname = w.at(Control::MaskEdit2).text;
    s.klasse = w.at(Control::MaskEdit3).text;
    s.schule = w.at(Control::MaskEdit4).text;
    s.profil = w.at(Control::ProfilLabel).text;
    s.pruefungsfaecher = ExamSubjects(plan);
    s.grid = w.cells;
    for (std::size_t n = 0; n < 4; ++n) s.stunden[n] = plan.st.Stunden[n + 1];
    s.durchschnitt = plan.st.Durchschnitt;
    s.kurse = plan.st.KursAnzahl;
    s.gqKurse = plan.st.GqKurse;
    for (std::size_t i = 0; i < ev.lights.size(); ++i)
        s.ampeln[i] = std::string(ColourWord(ev.lights[i]));
    s.zulaessig = ev.admissible;
    s.urteil = ev.verdict;
    return s;
}

namespace {

std::string RowText(const std::array<std::string, kGridColumns>& row) {
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) text += " | ";
        text += row[i];
    }
    return text;
}

std::string Trimmed(const std::string& s) {
    std::size_t a = 0;
    std::size_t b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

}  // namespace

std::vector<Difference> Compare(const Summary& stored, const Summary& replayed) {
    std::vector<Difference> out;
    auto text = [&out](std::string figure, const std::string& a, const std::string& b) {
        if (a != b) out.push_back({std::move(figure), a, b});
    };
    auto number = [&text](std::string figure, std::int64_t a, std::int64_t b) {
        text(std::move(figure), std::to_string(a), std::to_string(b));
    };
    text("Name", stored.name, replayed.name);
    text("Vorname", stored.vorname, replayed.vorname);
    text("Klasse", stored.klasse, replayed.klasse);
    text("Schule", stored.schule, replayed.schule);
    text("Profil", stored.profil, replayed.profil);
    for (std::size_t i = 0; i < 5; ++i)
        text("P" + std::to_string(i + 1), stored.pruefungsfaecher[i], replayed.pruefungsfaecher[i]);
    for (std::size_t row = 0; row < stored.grid.size(); ++row) {
        const std::string subject = Trimmed(replayed.grid[row][0]);
        text("Zeile " + std::to_string(row) + (subject.empty() ? "" : " (" + subject + ")"),
             RowText(stored.grid[row]), RowText(replayed.grid[row]));
    }
    for (std::size_t n = 0; n < 4; ++n)
        number("Wochenstunden " + std::to_string(n + 1) + ".Hj.", stored.stunden[n],
               replayed.stunden[n]);
    number("Durchschnitt", stored.durchschnitt, replayed.durchschnitt);
    number("Kurse", stored.kurse, replayed.kurse);
    number("Ergebnisse für die Gesamtqualifikation", stored.gqKurse, replayed.gqKurse);
    static constexpr std::array<std::string_view, 7> kLightLabels = {"Ampel 1.Hj.",
                                                                     "Ampel 2.Hj.",
                                                                     "Ampel 3.Hj.",
                                                                     "Ampel 4.Hj.",
                                                                     "Ampel Durchschnitt",
                                                                     "Ampel Kurse",
                                                                     "Ampel Gesamtqualifikation"};
    auto colour = [](const std::string& word) -> std::string {
        if (word == "green") return "grün";
        if (word == "yellow") return "gelb";
        if (word == "red") return "rot";
        return word;
    };
    for (std::size_t i = 0; i < kLightLabels.size(); ++i)
        text(std::string(kLightLabels[i]), colour(stored.ampeln[i]), colour(replayed.ampeln[i]));
    text("zulässig", stored.zulaessig ? "ja" : "nein", replayed.zulaessig ? "ja" : "nein");
    text("Urteil", stored.urteil, replayed.urteil);
    return out;
}

std::string ProposedFileName(const std::string& name, const std::string& vorname) {
    auto part = [](const std::string& s) {
        std::string out;
        for (unsigned char ch : Trimmed(s)) {
            // Letters (also UTF-8 ones such as ä, é), digits and '-' stay; anything else
            // (separators, dots, quotes, control characters) becomes '_'.
            const bool keep = std::isalnum(ch) || ch == '-' || ch >= 0x80;
            if (keep)
                out += static_cast<char>(ch);
            else if (!out.empty() && out.back() != '_')
                out += '_';
        }
        while (!out.empty() && out.back() == '_') out.pop_back();
        if (out.size() > 60) {
            // Never cut a UTF-8 character in two.
            std::size_t cut = 60;
            while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
            out.resize(cut);
        }
        return out;
    };
    std::string file = "Kurswahl";
    const std::string n = part(name);
    const std::string v = part(vorname);
    if (!n.empty()) file += "_" + n;
    if (!v.empty()) file += "_" + v;
    return file + std::string(kFileExtension);
}

}  // namespace belegix::plan

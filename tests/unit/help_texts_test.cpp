#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/choice_state.h"
#include "core/help_texts.h"
#include "core/rules/course_plan.h"
#include "core/rules/events.h"
#include "core/rules/steps.h"
#include "tests/support/null_printer.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;

// Characters as the student sees them: a line break and an umlaut count one each.
std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find('\n', from);
        lines.emplace_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return lines;
        from = at + 1;
    }
}

bool Contains(std::string_view text, std::string_view fragment) {
    return text.find(fragment) != std::string_view::npos;
}

TEST(HelpTexts, CharacterCountsAndLineCounts) {
    EXPECT_EQ(Characters("Ä\n"), 2u);
    const std::size_t counts[] = {388, 2356, 2370, 1230, 861};
    const std::size_t lines[] = {2, 14, 10, 4, 4};
    for (int step = 0; step < 5; ++step) {
        EXPECT_EQ(Characters(help::HelpText(step)), counts[step]) << "text of step " << step;
        EXPECT_EQ(Lines(help::HelpText(step)).size(), lines[step]) << "text of step " << step;
    }
    EXPECT_EQ(help::HelpText(5), "");
}

TEST(HelpTexts, DistinctiveFragments) {
    const std::string_view t1 = help::HelpText(0), t2 = help::HelpText(1), t3 = help::HelpText(2),
                           t4 = help::HelpText(3), t5 = help::HelpText(4);
    EXPECT_TRUE(t1.starts_with("Alle Schülerinnen und Schüler, die in der E-Phase"));
    EXPECT_TRUE(Contains(t1, "teilzunehmen.\nAlle, die eine Fremdsprache"));
    EXPECT_TRUE(t1.ends_with("zwei Kurse dieser Sprache einbringen!"));

    EXPECT_TRUE(Contains(t2, "Prüfungsfachwahlen):  \nSprachliches Profil"));
    EXPECT_TRUE(Contains(t2, "und Deutsch . Man muss"));
    EXPECT_TRUE(Contains(t2, "Erdkunde.Man muss"));
    EXPECT_TRUE(Contains(t2, "eine zweite  Fremdsprache oder"));
    EXPECT_TRUE(Contains(t2, "gesellschafts- wissenschaftliche"));
    EXPECT_TRUE(
        Contains(t2, "unterzubringen!!!\n\nWÄHLE nun zunächst Dein \"Lieblingsprofil\" aus!! "));
    EXPECT_TRUE(t2.ends_with("aus!! "));

    EXPECT_TRUE(Contains(t3, "Mathematik  müssen sich"));
    EXPECT_TRUE(Contains(t3, "besteht nicht. \nJedes Aufgabenfeld"));
    EXPECT_TRUE(Contains(t3, "\n* Die Prüfungsfächer sind so zu wählen"));
    EXPECT_TRUE(Contains(t3, "gewählte Kurse).\n\nDas Programm gibt Rückmeldungen"));
    EXPECT_TRUE(Contains(t3, "keine(!) Rückmeldung.\nWÄHLE Deine"));
    EXPECT_TRUE(t3.ends_with("den Auflagen der Verordnung."));

    EXPECT_TRUE(Contains(t4, "alle  Kernfächer"));
    EXPECT_TRUE(Contains(t4, "sehr wahrcheinlich"));
    EXPECT_TRUE(t4.ends_with("erfüllten Auflagen! "));

    EXPECT_TRUE(Contains(t5, "Du kannst also  maximal 12 Kurse"));
    EXPECT_TRUE(Contains(t5, "L(angfach)-Schienen und drei K(urzfach)-Schienen"));
    EXPECT_TRUE(t5.ends_with("angerechnet werden."));
}

TEST(HelpTexts, IntroScreen) {
    EXPECT_EQ(help::MemoHead(), "Hinweise zum Programm Belegix-LiH 2014");
    EXPECT_EQ(help::MemoHead2(),
              "Dieses Programm wendet sich an die Schülerinnen und Schüler des LiH, die 2014 \n"
              "in die Qualifikationsphase eintreten  und  im Jahr 2016 mit dem Abitur "
              "abschließen.");

    const std::vector<std::string> lines = Lines(help::MemoIntro());
    ASSERT_EQ(lines.size(), 7u + 16u + 1u + 1u + 11u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(lines[i], "") << i;
    EXPECT_EQ(lines[7],
              "    Das Programm zeigt Möglichkeiten für die Profil- und Prüfungsfachwahlen zur "
              "Qualifikationsphase speziell am ");
    EXPECT_EQ(lines[8],
              "    Gymnasium Lindenhain in Morlstadt auf. Weiterhin können die "
              "Belegungsverpflichtungen und die Stunden\"belastung\" ");
    EXPECT_EQ(lines[12], "    ");
    EXPECT_EQ(lines[13], "    Anleitung:");
    EXPECT_EQ(lines[15],
              "    \"Fertig\"-Schalter bestätigen. Danach kann der Belegungsplan (5.)  mit dem "
              "\"Ergebnis\"-Schalter aktualisiert werden.");
    EXPECT_EQ(lines[21],
              "    Zu jeder Auswahbox gibt es eine Hilfefunktion mit entsprechenden "
              "Informationen zur Prüfungsordnung.");
    EXPECT_EQ(
        lines[22],
        "    Der fertige Plan lässt sich - nach Eingabe der persönlichen Daten - ausdrucken.");
    EXPECT_EQ(lines[23], "");
    EXPECT_EQ(lines[24], std::string(136, ' ') + "Viel Spaß beim Planen und Testen!");
    for (std::size_t i = 25; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find_first_not_of(' '), std::string::npos) << i;
}

TEST(HelpTexts, HintMemoStatusBarAndPanelHints) {
    EXPECT_EQ(help::Memo1(),
              "Nach jeder Wahl bei 1., 2. und 3. \ngeht es nur mit  >>Fertig weiter!\n"
              "Danach muss der Schalter mit\n>>Ergebnis gedrückt werden!\n"
              "Danach Zusatzkurse auswählen!");
    EXPECT_EQ(help::StatusText(2), "Letzte Aktualisierung am 24. März 2014");
    EXPECT_EQ(help::StatusText(3), "Verantwortlich:  " + std::string(help::kResponsible) +
                                       " - Gymnasium Lindenhain / Morlstadt   " +
                                       std::string(help::kContactMail));
    EXPECT_EQ(help::StatusText(0), "");
    EXPECT_EQ(help::StatusText(1), "");

    EXPECT_EQ(help::Hint(Semester1), "Anzahl der Wochenstunden im 1. Halbjahr");
    EXPECT_EQ(help::Hint(Semester4), "Anzahl der Wochenstunden im 4. Halbjahr");
    EXPECT_EQ(help::Hint(SemesterD),
              "Die durchschnittliche Wochenstundentzahl muss mindestens 34 betragen!");
    EXPECT_EQ(help::Hint(Kurse_ok), "Die Anzahl sollte mehr als  36 und weniger als 46 betragen!!");
    EXPECT_EQ(help::Hint(Gsq), "Anzahl der Kurse, die eingebracht werden müssen");
    EXPECT_EQ(help::Hint(Gsq_ok), "Die Anzahl sollte 32 bzw. 34 betragen; maximal sind 36 Kurse!");
    EXPECT_EQ(help::Hint(Gks), "");
    EXPECT_EQ(help::Hint(Lk1Box), "");
}

// Everything the window keeps, apart from the boxes.
std::string Snapshot(const TestView& v) {
    std::string s;
    for (Control c : AllControls()) {
        const plan::ControlState& fc = v.Get(c);
        s += std::string(ControlName(c)) + "|" + fc.text + "|" + std::to_string(fc.index) + "|" +
             std::to_string(fc.items.size()) + "|" + std::to_string(fc.enabled) +
             std::to_string(fc.visible) + "|" + std::string(ColourWord(v.GetColour(c))) + "|" +
             std::string(ColourWord(fc.fontColour)) + "|" + std::to_string(fc.left) + "|" +
             std::to_string(v.Repaints(c)) + "\n";
    }
    for (int col = 0; col < kGridColumns; ++col)
        for (int row = 0; row < kGridRows; ++row) s += v.Cell(col, row) + "\t";
    for (const std::string& p : v.status()) s += p + "\t";
    s += std::string(v.Focus() ? ControlName(*v.Focus()) : "-") +
         std::to_string(v.FocusRequests()) + std::to_string(v.Closed()) +
         std::to_string(v.CellWrites());
    return s;
}

TEST(HelpButtons, EachShowsOneInformationBoxAndChangesNothingElse) {
    const Control buttons[] = {IntHilfeBitBtn, ProfilHilfeBitBtn, PFachHilfeBitBtn,
                               AuflagenHilfeBitBtn, KurseHilfeBitBtn};
    for (int step = 0; step < 5; ++step) {
        ChoiceState st;
        TestView v;
        test::NullPrinter printer;
        Form form{st, v, printer};
        StartPlanner(st, v);
        // Some step later than the button's own is open, and a plan is on the grid.
        OpenStep(v, Step::Obligations);
        st.PKurs[Subject::De] = st.PFach[Subject::De] = 1;
        st.GqKurse = 33;
        EvaluatePlan(st, v);
        v.ClearBoxes();

        const std::string before = Snapshot(v);
        const ChoiceState stateBefore = st;
        ASSERT_TRUE(Dispatch(form, buttons[step], Event::Click));

        ASSERT_EQ(v.Boxes().size(), 1u) << step;
        EXPECT_EQ(v.Boxes()[0].kind, Box::Kind::Information);
        EXPECT_EQ(v.Boxes()[0].buttons, DlgButtons::Ok);
        EXPECT_EQ(v.Boxes()[0].text, help::HelpText(step));
        EXPECT_EQ(Snapshot(v), before) << step;
        EXPECT_EQ(st.GqKurse, stateBefore.GqKurse);
        EXPECT_EQ(st.KursAnzahl, stateBefore.KursAnzahl);
        EXPECT_EQ(st.PFach.values, stateBefore.PFach.values);
        EXPECT_EQ(st.ErgebnisAktiv, stateBefore.ErgebnisAktiv);
    }
}

}  // namespace
}  // namespace belegix

#include "core/help_texts.h"

#include <string>

namespace belegix::help {
namespace {

// Lines are separated by "\n"; an empty line is two line breaks in a row. Blanks at the ends of
// lines and doubled blanks belong to the texts.

constexpr std::string_view kText1 =
    "Alle Schülerinnen und Schüler, die in der E-Phase eine neue Fremdsprache "
    "(Intensivfremdsprache) gewählt haben, sind verpflichtet, bis zum Abitur durchgehend am "
    "Unterricht in dieser Sprache teilzunehmen.\n"
    "Alle, die eine Fremdsprache in der E-Phase neu beginnen mussten, weil sie bisher noch keine "
    "zweite Fremdsprache erlernt hatten, müssen (mindestens) zwei Kurse dieser Sprache einbringen!";

constexpr std::string_view kText2 =
    "Die Qualifikationsphase umfasst die Schuljahrgänge 11 und 12(G8). Die "
    "Schülerpflichtstundenzahl beträgt für das Abitur nach 12 Jahren 34 Wochenstunden.\n"
    "Folgende Bedingungen gelten für alle Schulen in Niedersachsen:\n"
    "Der sprachliche und der naturwissenschaftliche Schwerpunkt sind von allen Gymnasien "
    "anzubieten. Der gesellschafts- wissenschaftliche und der musisch-künstlerische Schwerpunkt "
    "sollen angeboten werden, der sportliche Schwerpunkt kann angeboten werden. Doppelungen der "
    "Profile sind nur dann möglich, wenn mindestens der sprachliche und der naturwissenschaftliche "
    "Schwerpunkt eingerichtet sind.\n"
    "Hier eine kurze Beschreibung der Profile (siehe auch unter -->Hilfe bei den "
    "Prüfungsfachwahlen):  \n"
    "Sprachliches Profil mit den Schwerpunktfächern: zwei Fremdsprachen oder eine Fremdsprache und "
    "Deutsch . Man muss immer eine zweite Fremdsprache durchgehend vierstündig belegen und ins "
    "Abitur einbringen! \n"
    "Künstlerisch-musisches Profil mit den Schwerpunktfächern: Kunst oder Musik und Deutsch oder "
    "Mathematik. Zusätzlich muss man noch zwei Halbjahre lang Musik, Kunst oder Darstellendes "
    "Spiel belegen!\n"
    "Gesellschaftswissenschaftliches Profil mit den Schwerpunktfächern: Geschichte und "
    "Politik-Wirtschaft oder Erdkunde.Man muss zusätzlich eine zweite Fremdsprache oder eine "
    "zweite Naturwissenschaft bzw. Informatik im Jahrgang 11 vierstündig belegen und ins Abitur "
    "einbringen! \n"
    "Mathematisch-naturwissenschaftliches Profil mit den Schwerpunktfächern: eine "
    "Naturwissenschaft und Mathematik oder zwei Naturwissenschaften. Man muss auf alle Fälle zwei "
    "Naturwissenschaften durchgehend vierstündig belegen und ins Abitur einbringen! \n"
    "Sportliches Profil mit den Schwerpunktfächern: Sport (5-stündig!) und eine "
    "Naturwissenschaft.\n"
    "Man muss zusätzlich eine zweite  Fremdsprache oder eine zweite Naturwissenschaft bzw. "
    "Informatik im Jahrgang 11 vierstündig belegen und ins Abitur einbringen!\n"
    "Der Unterricht in allen fünf Prüfungsfächern sowie in Deutsch, Fremdsprache, Mathematik und "
    "Naturwissenschaft ist immer 4-stündig, in Sport als P-Fach sogar 5-stündig. Alle anderen "
    "Fächer werden 2-stündig unterrichtet.\n"
    "Bedenke bei Deiner Wahl, dass Du möglichst nur maximal sieben 4-stündige Fächer auswählen "
    "solltest. Bei acht 4-stündigen Fächern gelingt es nur selten, diese im Schienen- bzw. "
    "Stundenplan unterzubringen!!!\n"
    "\n"
    "WÄHLE nun zunächst Dein \"Lieblingsprofil\" aus!! ";

constexpr std::string_view kText3 =
    "Nur Fächer, die in Klasse 10 wenigstens ein Halbjahr (bei Fremdsprachen zwei Halbjahre!) "
    "belegt wurden, können Prüfungsfächer werden. Ein Anspruch, ein bestimmtes Prüfungsfach oder "
    "eine bestimmte Prüfungsfachkombination wählen zu können, besteht nicht. \n"
    "Jedes Aufgabenfeld muss mindestens einmal als Prüfungsfach vertreten sein. \n"
    "Zwei der Kernfächer Deutsch, eine Fremdsprache oder Mathematik  müssen sich unter den "
    "Prüfungsfächern befinden. \n"
    "* Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 Schulhalbjahresergebnissen, die "
    "in die Gesamtqualifikation für die Abiturnote einzubringen sind, nicht überschritten wird. \n"
    "Einzubringen sind unabhängig vom gewählten Profil in jedem Fall: je 4 Kurse De, Fs, Ma, Nw "
    "(also 16 Kurse); je 2 Kurse Ds / Ku / Mu, Po, Ge, Re / Wn (also 8 Kurse) und 2 Kurse "
    "Seminarfach. Insgesamt sind das also bereits 26 Kurse. Hinzu kommen im sprachlichen Profil 4 "
    "Kurse für die zweite Fremdsprache, im mathematisch-naturwissenschaftlichen Profil 4 Kurse für "
    "die zweite Naturwissenschaft bzw. Informatik, im gesellschaftswissenschaftlichen Profil je 2 "
    "Kurse in PW und Ge, also auch 4 Kurse, im musisch-künstlerischen Profil je 2 Kurse in Ku, Mu "
    "oder DS je nach Wahl des P1-Fachs und im sportlichen Profil 4 Kurse in Sport. Da man in allen "
    "Profilen auch immer ein Prüfungsfach aus dem Aufgabenfeld B wählen muss, erhöht sich die "
    "Anzahl der Kurse, die zum Abitur pflichtgemäß eingebracht werden müssen, im sprachlichen, im "
    "musisch-künstlerischen, im naturwissenschaftlichen bzw. im sportlichen Profil bereits auf 32 "
    "Kurse. Im gesellschaftswissenschaftlichen und im sportlichen Profil muss man zusätzlich zwei "
    "Kurse in einer weiteren Fremdsprache, einer weiteren Naturwissenschaft oder in Informatik "
    "einbringen und kommt somit auf 32 Kurse im gesellschaftswissenschaftlichen und auf 34 Kurse "
    "im sportlichen Profil.\n"
    "Durch diese Einbringungsverpflichtungen bleiben in allen Profilen nur noch 2 bis maximal 4(!) "
    "Kurse übrig, die man frei wählbar in den Abiturblock I einbringen kann (z.B. Sportkurse, "
    "weitere Kurse des Seminarfachs oder zusätzlich gewählte Kurse).\n"
    "\n"
    "Das Programm gibt Rückmeldungen, wenn man die Auflagen nicht erfüllt.\n"
    "ACHTUNG: Wer Fächer mehrfach auswählt, erhält hier eventuell keine(!) Rückmeldung.\n"
    "WÄHLE Deine Prüfungsfächer gemäß den Vorgaben Deines gewählten Profils, dem Angebot des LiHs "
    "und den Auflagen der Verordnung.";

constexpr std::string_view kText4 =
    "Alle Schülerinnen und Schüler sind verpflichtet, bis zum Abitur durchgehend am Unterricht "
    "mindestens in Deutsch, einer Fremdsprache, Mathematik, einer Naturwissenschaft, "
    "Religion/Werte und Normen, im Seminarfach und in Sport teilzunehmen. In den Fächern "
    "Darstellendes Spiel/Kunst/Musik sowie in Geschichte und Politik-Wirtschaft musst Du jeweils "
    "mindestens in zwei Halbjahren am Unterricht teilnehmen. \n"
    "Es gibt drei Kernfächer (Deutsch, Fremdsprache, Mathematik), zwei Schwerpunktfächer (die den "
    "Schwerpunkt kennzeichnenden Fächer), Ergänzungsfächer (die zu belegen sind) und Wahlfächer. "
    "Fächer werden entweder vierstündig (auf erhöhtem Niveau (1., 2. und 3. Prüfungsfach) oder auf "
    "grundlegendem Niveau (4. und 5. Prüfungsfach, alle  Kernfächer und die Naturwissenschaften) "
    "oder zweistündig auf grundlegendem Niveau (Ergänzungs- und Wahlfächer) angeboten. \n"
    "Die Zusatzkurse für das gesellschaftswissenschaftliche und für das sportliche Profil finden "
    "immer im 1. und 2. Halbjahr statt. Es werden sehr wahrcheinlich wegen zu geringer "
    "Teilnehmerzahlen nicht alle aufgeführten Kurse stattfinden, so dass ggf. eine Nachwahl "
    "erforderlich wird.\n"
    "WÄHLE im Abschnitt 3 alle noch nicht durch die Wahlen der Prüfungsfächer erfüllten Auflagen! ";

constexpr std::string_view kText5 =
    "Die Schülerpflichtstundenzahl beträgt beim Abitur nach Klasse 12 im Durchschnitt aller vier "
    "Halbjahre 34 Wochenstunden. Man kann natürlich mehr machen. Bedenke aber, dass es maximal "
    "acht L(angfach)-Schienen und drei K(urzfach)-Schienen gibt. Du kannst also  maximal 12 Kurse "
    "und zusätzlich einmal Sport pro Halbjahr wählen.\n"
    "Wenn Du möchtest und es vom Plan her passt, kannst Du hier Zusatzkurse wählen. Bedenke dabei "
    "die daraus resultierende Mehrbelastung!\n"
    "Das Seminarfach ist verpflichtend für alle mit 2 Std pro Halbjahr. Die Noten zweier "
    "aufeinanderfolgender Kurse müssen ins Abitur eingebracht werden, darunter das Halbjahr, in "
    "dem die Facharbeit angefertigt wurde! Da es ein Pflichtfach ist, wird es automatisch "
    "eingetragen.\n"
    "Eine Teilnahme an Arbeitsgemeinschaften, die durchaus erwünscht ist, kann nicht auf die 34 "
    "Pflichtwochenstunden angerechnet werden.";

constexpr std::string_view kMemoHead2 =
    "Dieses Programm wendet sich an die Schülerinnen und Schüler des LiH, die 2014 \n"
    "in die Qualifikationsphase eintreten  und  im Jahr 2016 mit dem Abitur abschließen.";

constexpr std::string_view kMemoIntro =
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "    Das Programm zeigt Möglichkeiten für die Profil- und Prüfungsfachwahlen zur "
    "Qualifikationsphase speziell am \n"
    "    Gymnasium Lindenhain in Morlstadt auf. Weiterhin können die Belegungsverpflichtungen und "
    "die Stunden\"belastung\" \n"
    "    bis zum Abitur getestet werden. Ob alle Kurse, insbesondere die mit erhöhtem "
    "Anforderungsniveau, tatsächlich \n"
    "    angeboten werden, kann erst  nach der Wahl festgelegt werden!  Die Kurse für die "
    "Prüfungsfächer P1 bis P3 \n"
    "    werden eventuell als Kooperationskurse gemeinsam mit Schülerinnen und Schülern des BRS "
    "durchgeführt!\n"
    "    \n"
    "    Anleitung:\n"
    "    Bitte die Auswahlen zunächst in der Reihenfolge 1.  bis  3. vornehmen und anschließend "
    ">>jeweils<< mit dem \n"
    "    \"Fertig\"-Schalter bestätigen. Danach kann der Belegungsplan (5.)  mit dem "
    "\"Ergebnis\"-Schalter aktualisiert werden.\n"
    "    Zusatzkurse können auch danach unter \"4. Weitere Kurse wählen\" eingegeben und mit dem "
    "\"Weiter\"-Schalter in\n"
    "    den Belegungsplan eingetragen werden. Die getroffenen Wahlen sind nur dann zulässig, wenn "
    "am Ende keine\n"
    "    roten Smileys erscheinen und auch die Felder für die Wochenstunden nicht rot erscheinen! "
    "Grüne Smileys und \n"
    "    grüne Felder stellen eine optimale Kurswahl dar, gelbe Smileys bzw. Felder bedeuten, dass "
    "die Wahlen zulässig,\n"
    "    aber nicht optimal sind.\n"
    "    Zu jeder Auswahbox gibt es eine Hilfefunktion mit entsprechenden Informationen zur "
    "Prüfungsordnung.\n"
    "    Der fertige Plan lässt sich - nach Eingabe der persönlichen Daten - ausdrucken.\n"
    "\n"
    "                                                                                              "
    "                                          Viel Spaß beim Planen und Testen!\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "";

constexpr std::string_view kMemo1 =
    "Nach jeder Wahl bei 1., 2. und 3. \n"
    "geht es nur mit  >>Fertig weiter!\n"
    "Danach muss der Schalter mit\n"
    ">>Ergebnis gedrückt werden!\n"
    "Danach Zusatzkurse auswählen!";

// The guide of Hilfe → "Anleitung": the intro's instructions and what the window adds to them.
constexpr std::string_view kGuide =
    "So planst Du Deine Kurswahl\n"
    "\n"
    "1. Drücke auf dem Startbild „Kurswahlen beginnen“.\n"
    "2. Triff Deine Wahlen in der Reihenfolge 1. bis 3. und bestätige jeden Abschnitt mit seinem "
    "„Fertig“-Schalter: „1. Profil wählen“, „2. Prüfungsfächer wählen“ (P1 bis P5), "
    "„3. Belegungsverpflichtungen erfüllen“. Der nächste Abschnitt öffnet sich erst, wenn der "
    "vorige bestätigt ist.\n"
    "3. „Ergebnis“ trägt Deine Wahlen in den Belegungsplan (5.) ein und bewertet ihn.\n"
    "4. Zusatzkurse wählst Du danach unter „4. Weitere Kurse wählen“: Kurs auswählen, angeben, "
    "wann der Unterricht stattfinden soll, und mit „Weiter“ in den Belegungsplan eintragen. "
    "Danach wieder „Ergebnis“.\n"
    "5. Deine Wahl ist zulässig, wenn am Ende keine roten Smileys erscheinen und die Felder für "
    "die Wochenstunden nicht rot sind. Grün bedeutet eine optimale Wahl, Gelb eine zulässige, "
    "aber nicht optimale.\n"
    "6. Ist der Plan zulässig, kannst Du ihn mit „Drucken“ ausdrucken; vorher gibst Du Name, "
    "Vorname und Klasse ein. Ist kein Drucker eingerichtet, kannst Du die Seite als PDF-Datei "
    "speichern.\n"
    "Zu jedem Abschnitt erklärt sein Schalter „Hilfe“ die Regeln der Prüfungsordnung.\n"
    "\n"
    "Eine frühere Wahl ändern\n"
    "\n"
    "Strg+Z (Bearbeiten → Rückgängig) nimmt Deinen letzten Schritt zurück: eine Auswahl, einen "
    "Klick auf einen Schalter oder das, was Du in ein Feld geschrieben hast. Drücke Strg+Z so "
    "oft, bis der Abschnitt, den Du ändern möchtest, wieder offen ist; wähle dann neu und "
    "bestätige wieder mit „Fertig“.\n"
    "Strg+Y oder Strg+Umschalt+Z (Bearbeiten → Wiederholen) bringt einen zurückgenommenen "
    "Schritt wieder, solange Du inzwischen nichts Neues gewählt hast.\n"
    "„Zurücksetzen“ beginnt von vorn bei 1.; auch das nimmt Strg+Z zurück. Passen Deine "
    "Prüfungsfächer nicht zum Profil, beginnt das Programm ebenfalls von vorn – mit Strg+Z "
    "hast Du Deine Wahlen wieder und kannst einzelne ändern.\n"
    "\n"
    "Speichern und öffnen\n"
    "\n"
    "Datei → Plan speichern unter… (Strg+Umschalt+S) speichert Deinen Plan als Datei mit der "
    "Endung .belegix; vorgeschlagen wird Dein Ordner für Dokumente. Danach speichert "
    "Datei → Plan speichern (Strg+S) immer in dieselbe Datei.\n"
    "Die Titelleiste nennt die Datei. Ein „*“ hinter ihrem Namen zeigt, dass Du seit dem "
    "letzten Speichern etwas geändert hast.\n"
    "Datei → Plan öffnen… (Strg+O) holt einen gespeicherten Plan zurück, ebenso ein Doppelklick "
    "auf die Datei. Das Programm wendet dabei Deine gespeicherten Schritte noch einmal nach "
    "seinen Regeln an; was in der Datei nicht dazu passt, nennt es Dir. Lässt sich eine Datei "
    "nicht öffnen, bleibt Dein Plan, wie er war.\n"
    "Gehört Dein Plan zu einer Datei und hast Du seit dem Speichern etwas geändert, fragt das "
    "Programm vor dem Beenden und vor dem Öffnen eines anderen Plans, ob Du die Änderungen "
    "speichern möchtest: „Speichern“, „Nicht speichern“ oder „Abbrechen“.\n"
    "Nach jedem Schritt bewahrt das Programm Deinen Plan außerdem selbst auf, auch einen, den Du "
    "nie gespeichert hast. Endet es unerwartet oder hast Du ohne Speichern beendet, bietet "
    "Datei → Letzten Plan wiederherstellen ihn beim nächsten Start an (mit Datum und Uhrzeit); "
    "Strg+Z nimmt danach seine Schritte einzeln zurück. Der wiederhergestellte Plan gehört zu "
    "keiner Datei: speichere ihn mit „Plan speichern unter…“.\n"
    "Nach dem Speichern und Drucken nennt eine kurze Notiz rechts in der Menüleiste die Datei "
    "oder den Drucker.\n"
    "\n"
    "Tastatur\n"
    "\n"
    "F1 zeigt diese Anleitung, Esc schließt sie. Mit Tab und Umschalt+Tab gehst Du von Feld zu "
    "Feld; die Leertaste oder die Eingabetaste drückt den Schalter, auf dem Du stehst.";

}  // namespace

std::string_view MemoIntro() {
    return kMemoIntro;
}
std::string_view MemoHead() {
    return "Hinweise zum Programm Belegix-LiH 2014";
}
std::string_view MemoHead2() {
    return kMemoHead2;
}
std::string_view Memo1() {
    return kMemo1;
}

std::string_view Guide() {
    return kGuide;
}

std::string_view StatusText(int panel) {
    static const std::string kResponsibleText = "Verantwortlich:  " + std::string(kResponsible) +
                                                " - Gymnasium Lindenhain / Morlstadt   " +
                                                std::string(kContactMail);
    if (panel == 2) return "Letzte Aktualisierung am 24. März 2014";
    if (panel == 3) return kResponsibleText;
    return "";
}

std::string_view Hint(Control c) {
    switch (c) {
        case Control::Semester1:
            return "Anzahl der Wochenstunden im 1. Halbjahr";
        case Control::Semester2:
            return "Anzahl der Wochenstunden im 2. Halbjahr";
        case Control::Semester3:
            return "Anzahl der Wochenstunden im 3. Halbjahr";
        case Control::Semester4:
            return "Anzahl der Wochenstunden im 4. Halbjahr";
        case Control::SemesterD:
            return "Die durchschnittliche Wochenstundentzahl muss mindestens 34 betragen!";
        case Control::Kurse_ok:
            return "Die Anzahl sollte mehr als  36 und weniger als 46 betragen!!";
        case Control::Gsq:
            return "Anzahl der Kurse, die eingebracht werden müssen";
        case Control::Gsq_ok:
            return "Die Anzahl sollte 32 bzw. 34 betragen; maximal sind 36 Kurse!";
        default:
            return "";
    }
}

std::string_view HelpText(int step) {
    switch (step) {
        case 0:
            return kText1;
        case 1:
            return kText2;
        case 2:
            return kText3;
        case 3:
            return kText4;
        case 4:
            return kText5;
        default:
            return "";
    }
}

}  // namespace belegix::help

namespace belegix {
namespace {

void ShowHelp(View& view, int step) {
    view.MessageDlg(std::string(help::HelpText(step)), DlgType::Information, DlgButtons::Ok);
}

}  // namespace

void ShowHelpIntensiveLanguage(View& view) {
    ShowHelp(view, 0);
}
void ShowHelpProfile(View& view) {
    ShowHelp(view, 1);
}
void ShowHelpExamSubjects(View& view) {
    ShowHelp(view, 2);
}
void ShowHelpObligations(View& view) {
    ShowHelp(view, 3);
}
void ShowHelpCourses(View& view) {
    ShowHelp(view, 4);
}

}  // namespace belegix

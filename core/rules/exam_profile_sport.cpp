// The exam-subject check of the sport profile: P1 is always Sport, P2 Biologie, Chemie or
// Physik. Sport lies in no task field, so P2 to P5 cover all three. The foreign-language
// obligation is decided after all boxes are read, the profile has its own intensive-language
// texts, and the limit of 36 is tested before a failed choice is reset.
#include <string_view>
#include <utility>

#include "core/plan_limits.h"
#include "core/rules/exam_checks.h"
#include "core/rules/exam_frame.h"

namespace belegix {

namespace {

using enum Subject;
using exam::ExamCheck;
using exam::FspMark;
using exam::Position;

// Französisch has two blanks before "gewählt", Spanisch one.
constexpr std::string_view kIntensivFr =
    "Eine Intensivsprache kann nicht als P2- oder P3-Fach  gewählt werden!";
constexpr std::string_view kIntensivSn =
    "Eine Intensivsprache kann nicht als P2- oder P3-Fach gewählt werden!";

// The effect of a subject at P2 to P5: a language only flags the language obligation (its box
// follows after all boxes are read) and counts twice; a science counts toward the additional
// obligation.
void ApplySport(ExamCheck& c, Subject s, Position p) {
    c.Apply(s, p, FspMark::FlagOnly);
    if (exam::IsForeignLanguage(s)) ++c.st.FspZahlSport;
    if (exam::IsScience(s)) ++c.st.NwZahlZusatz;
}

}  // namespace

const std::string_view kGqTextSport =
    "Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
    "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
    "überschritten wird. \r"
    "\r"
    "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für sportliche "
    "Profil durch: \r"
    "1. De, Fsp, Ma, Nw, Sp mit je 4 Kursen: 20 Kurse \r"
    "2. Ku,Mu oder Ds,Po,Ge,Re oder Wn sowie Sf  mit je 2 Kursen: 10 Kurse\r"
    "3. Po,Ge (bzw. Ek) oder Re als P-Fach:  +2(4) Kurse,\r"
    "4. Weitere Fspr oder weitere Nw als Auflage: 2 Kursen,\r"
    "insgesamt sind das also bereits 34(36) Kurse. Es bleiben also nur noch maximal 2 Kurse "
    "übrig, die durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. "
    "Ku,Mu,Ds,Ge,Po,Re) verpflichtend sind, ausgeschöpft werden können!\r"
    "\r"
    "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die eigentlich nicht mit 4 "
    "Kursen in die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern müssen "
    "unabhängig von ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die "
    "Gesamtqualifikation eingebracht werden. ";

void CheckProfilSport(ChoiceState& st, View& v) {
    ExamCheck c(st, v, Profile::Sport);
    c.Start(plan::kGqStartWithAdditional);
    st.FspZahl = 0;
    st.NwZahlZusatz = 0;

    // P1 is Sport without reading `Lk1Box`: no task field, part of the baseline.
    c.MarkExamSubject(Sp, Position::P1);
    c.MeetObligationOf(Sp, FspMark::FlagOnly);

    // P2: a science.
    if (const auto s = c.Read(Control::Lk2Box)) ApplySport(c, *s, Position::P2);

    // P3: the intensive language is refused with this profile's own texts.
    if (const auto s = c.Read(Control::P3Box);
        s && !c.RefuseIntensive(*s, *s == Fr ? kIntensivFr : kIntensivSn))
        ApplySport(c, *s, Position::P3);

    // P4 and P5, the intensive language included.
    for (const auto& [box, pos] :
         {std::pair{Control::P4Box, Position::P4}, std::pair{Control::P5Box, Position::P5}}) {
        if (const auto s = c.Read(box)) ApplySport(c, *s, pos);
    }

    if (exam::IntensiveLanguageNotExamined(st)) st.GqKurse += 2;

    // Two languages, one beside an intensive language, or two sciences meet the additional
    // obligation.
    if (st.FspZahl == 2 || (st.FspZahl == 1 && st.IntGewaehlt == 1) || st.NwZahlZusatz == 2) {
        st.Erfuellt[Obligation::BExtra] = 1;
        exam::ReplaceBExtra(v, items::kAdditionalMet);
    }

    // The language obligation: by an exam subject, else by an intensive Französisch or
    // Spanisch (not Latein).
    if (st.Erfuellt[Obligation::Fsp] == 1) exam::ShowMet(v, Obligation::Fsp);
    if (st.Erfuellt[Obligation::Fsp] == 0 && (st.Int[Fr] == 1 || st.Int[Sn] == 1))
        exam::MarkMet(st, v, Obligation::Fsp);

    c.TaskFieldRule(exam::FieldTest::ViaFelderOk);
    c.CoreSubjectRule(exam::kKernTextZwei, exam::CoreLanguages::ByPFach);

    // A second language counts with all four half-years.
    if (st.FspZahlSport == 2) st.GqKurse += 4;

    c.LimitRule(kGqTextSport);
    c.ResetIfFailed();
}

}  // namespace belegix

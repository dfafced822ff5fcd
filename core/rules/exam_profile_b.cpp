// The exam-subject check of the social-sciences profile (B): P1 is always Geschichte, P3
// Politik-Wirtschaft or Erdkunde. With Erdkunde at P3 Politik-Wirtschaft is still taken with two
// courses. Two foreign languages or two sciences among the exam subjects meet the additional
// obligation and bring two more half-year results.
#include <string>
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

// Lower-case "zwei" and a single blank before "müssen" in this profile.
constexpr std::string_view kKernTextB =
    "Auflagen beachten: zwei der Fächer Deutsch, Fremdsprache, Mathematik müssen "
    "Prüfungsfächer sein! Du musst noch einmal neu beginnen!";

// Why the exam subjects must not bring more than 36 half-year results.
constexpr std::string_view kGqTextB =
    "Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
    "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
    "überschritten wird. \r"
    "\r"
    "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für Profil B durch: "
    "\r"
    "1. De, Fsp, Ma, Ge, Po(Ek), Nws mit je 4 Kursen: 24 Kurse \r"
    "2. Ku, Mu oder Ds, (Po), Re oder Wn sowie Sf und Zusatzauflage FSP - NW mit je 2 Kursen: "
    "8(10) Kurse\r"
    "insgesamt sind das also bereits 32(34) Kurse. Es bleiben also nur noch maximal 4(2) Kurse "
    "übrig, die durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. Ku,Mu,Ds,Re) "
    "verpflichtend sind, ausgeschöpft werden können!\r"
    "\r"
    "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die eigentlich nicht mit 4 "
    "Kursen in die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern müssen "
    "unabhängig von ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die "
    "Gesamtqualifikation eingebracht werden )-: ";

// Sciences at P2, P4 and P5 count toward the additional obligation; Informatik is one here.
void CountScience(ChoiceState& st, Subject s) {
    if (exam::IsScience(s) || s == If) ++st.NwZahlZusatz;
}

}  // namespace

void CheckProfilB(ChoiceState& st, View& v) {
    ExamCheck c(st, v, Profile::B);
    c.Start(plan::kGqStartWithAdditional);
    st.FspZahl = 0;
    st.NwZahlZusatz = 0;

    // P1 is Geschichte without reading `Lk1Box`; it is part of the baseline.
    c.MarkExamSubject(Ge, Position::P1);
    c.MeetObligationOf(Ge, FspMark::Full);

    // P2: a language or a science; every language meets the language obligation at once.
    if (const auto s = c.Read(Control::Lk2Box); s && !c.RefuseIntensive(*s)) {
        c.Apply(*s, Position::P2, FspMark::Full);
        CountScience(st, *s);
    }

    // P3: Politik-Wirtschaft belongs to the baseline; with Erdkunde instead, Politik-Wirtschaft
    // stays to be taken in step 3 with two courses, which brings two more results.
    if (const auto s = c.Read(Control::P3Box)) {
        c.MarkExamSubject(*s, Position::P3);
        if (*s == Po) {
            c.MeetObligationOf(Po, FspMark::Full);
        } else if (*s == Ek) {
            v.SetItemIndex(Control::PoBox, items::IndexOf(items::Of(Control::PoBox), Po));
            st.GqKurse += 2;
        }
    }

    // P4 and P5, the intensive language included.
    for (const auto& [box, pos] :
         {std::pair{Control::P4Box, Position::P4}, std::pair{Control::P5Box, Position::P5}}) {
        if (const auto s = c.Read(box)) {
            c.Apply(*s, pos, FspMark::Full);
            CountScience(st, *s);
        }
    }

    // The intensive language meets the language obligation.
    if (st.Erfuellt[Obligation::Fsp] == 0 &&
        (st.Int[Fr] == 1 || st.Int[Sn] == 1 || st.Int[La] == 1))
        st.Erfuellt[Obligation::Fsp] = 1;
    if (st.Erfuellt[Obligation::Fsp] == 1) exam::ShowMet(v, Obligation::Fsp);

    // Two languages or two sciences meet the additional obligation.
    if (st.FspZahl == 2 || st.NwZahlZusatz == 2) {
        st.GqKurse += 2;
        st.Erfuellt[Obligation::BExtra] = 1;
        exam::ReplaceBExtra(v, items::kAdditionalMet);
    }

    if (exam::IntensiveLanguageNotExamined(st)) st.GqKurse += 2;

    c.TaskFieldRule(exam::FieldTest::ViaFelderOk);
    c.CoreSubjectRule(kKernTextB);
    c.ResetIfFailed();
    c.LimitRule(kGqTextB);
}

}  // namespace belegix

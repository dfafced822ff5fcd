// The exam-subject check of the arts profile (KuMu): P1 Kunst or Musik, P2 Deutsch or
// Mathematik. With Kunst or Musik as P1 the student brings in two more courses of a second arts
// subject; a second arts subject at P3 meets that, otherwise `KuMuBox` stays open for step 3.
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

constexpr std::string_view kKunstZusatz =
    "Im künstlerisch-musischen Profil mit Kunst als P1-Fach musst Du zwei Kurse in MUSIK oder DS "
    "zusätzlich einbringen!";
constexpr std::string_view kMusikZusatz =
    "Im künstlerisch-musischen Profil mit Musik als P1-Fach musst Du zwei Kurse in KUNST oder DS "
    "zusätzlich einbringen!";

}  // namespace

const std::string_view kGqTextKuMu =
    "Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
    "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
    "überschritten wird. \r"
    "\r"
    "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für Profil KuMu "
    "durch: \r"
    "1. De, Fsp, Ku oder Mu, Ma, Nws mit je 4 Kursen: 20 Kurse, \r"
    "2. Mu, Ku oder Ds, Po, Ge, Re oder Wn, SF mit je 2 Kursen: 10 Kurse, \r"
    "3. Po, Ge oder Re als P-Fach:  +2 Kurse,\r"
    "insgesamt sind das also bereits 32 Kurse. Es bleiben also nur noch maximal 4 Kurse übrig, die "
    "durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. Mu,Ds,Ge,Po,Re) "
    "verpflichtend sind, ausgeschöpft werden können!\r"
    "\r"
    "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die nicht mit 4 Kursen in "
    "die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern müssen unabhängig von "
    "ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die Gesamtqualifikation "
    "eingebracht werden ";

void CheckProfilKuMu(ChoiceState& st, View& v) {
    ExamCheck c(st, v, Profile::KuMu);
    c.Start(plan::kGqStart, /*kuMuZusatzMet=*/false);

    // P1 Kunst or Musik meets the arts obligation, but `KuMuBox` stays open for the second arts
    // subject; the subject counts in the baseline already.
    if (const auto s = c.Read(Control::Lk1Box)) {
        c.MarkExamSubject(*s, Position::P1);
        st.Erfuellt[Obligation::KuMu] = 1;
        v.SetItemIndex(Control::KuMuBox, kNoItem);
        v.SetEnabled(Control::KuMuBox, true);
    }

    // P2 Deutsch or Mathematik.
    if (const auto s = c.Read(Control::Lk2Box)) c.Apply(*s, Position::P2, FspMark::Full);

    // P3: Kunst or Musik here is the second arts subject.
    if (const auto s = c.Read(Control::P3Box); s && !c.RefuseIntensive(*s)) {
        if (*s == Ku || *s == Mu) {
            c.MarkExamSubject(*s, Position::P3);
            exam::MarkMet(st, v, Obligation::KuMuZusatz);
            st.GqKurse += 2;
        } else {
            c.Apply(*s, Position::P3, FspMark::Full);
        }
    }

    // P4 and P5, the intensive language included.
    for (const auto& [box, pos] :
         {std::pair{Control::P4Box, Position::P4}, std::pair{Control::P5Box, Position::P5}}) {
        if (const auto s = c.Read(box)) c.Apply(*s, pos, FspMark::Full);
    }

    // No additional obligation in this profile.
    st.Erfuellt[Obligation::BExtra] = 1;

    // A second language counts with all four half-years.
    if (st.FspZahl == 2) st.GqKurse += 4;

    // The intensive language meets the language obligation.
    if (st.Erfuellt[Obligation::Fsp] == 0 && st.IntGewaehlt == 1)
        exam::MarkMet(st, v, Obligation::Fsp);

    if (exam::IntensiveLanguageDiffers(st)) st.GqKurse += 2;

    c.TaskFieldRule(exam::FieldTest::ViaFelderOk);

    // A reminder only: step 3 asks for the second arts subject.
    if (st.Erfuellt[Obligation::KuMuZusatz] == 0 && st.PKurs[Ku] == 1)
        v.ShowMessage(std::string(kKunstZusatz));
    if (st.Erfuellt[Obligation::KuMuZusatz] == 0 && st.PKurs[Mu] == 1)
        v.ShowMessage(std::string(kMusikZusatz));

    c.CoreSubjectRule();
    c.ResetIfFailed();
    c.LimitRule(kGqTextKuMu);
}

}  // namespace belegix

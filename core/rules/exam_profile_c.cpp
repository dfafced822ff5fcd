// The exam-subject check of the maths-and-science profile (C): P1 Biologie, Chemie or Physik,
// P2 Mathematik or a science. Two sciences are taken with four half-years each; the P1 science
// alone does not meet the science obligation, a second science or Informatik as an exam subject
// does. The limit of 36 is tested before a failed choice is reset.
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

// This profile's task-field text ends in a full stop.
constexpr std::string_view kFelderTextC =
    "Auflagen beachten: Es wurden nicht alle Aufgabenfelder abgedeckt.";

}  // namespace

const std::string_view kGqTextC =
    "Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
    "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
    "überschritten wird. \r"
    "\r"
    "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für Profil C durch: "
    "\r"
    "1. De, Fsp, Ma, 2xNws mit je 4 Kursen: 20 Kurse \r"
    "2. Ku,Mu oder Ds,Po,Ge,Re oder Wn sowie Sf  mit je 2 Kursen: 10 Kurse\r"
    "3. Po, Ge (bzw. Ek) oder Re als P-Fach:  +2(4) Kurse,\r"
    "insgesamt sind das also bereits 32(34) Kurse. Es bleiben also nur noch maximal 4(2) Kurse "
    "übrig, die durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. "
    "Ku,Mu,Ds,Ge,Po,Re) verpflichtend sind, ausgeschöpft werden können!\r"
    "\r"
    "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die eigentlich nicht mit 4 "
    "Kursen in die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern müssen "
    "unabhängig von ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die "
    "Gesamtqualifikation eingebracht werden. ";

void CheckProfilC(ChoiceState& st, View& v) {
    ExamCheck c(st, v, Profile::C);
    c.Start(plan::kGqStart);
    st.FspZahl = 0;

    // P1: the science is marked, but the science obligation waits for the second science.
    if (const auto s = c.Read(Control::Lk1Box)) c.MarkExamSubject(*s, Position::P1);

    // P2: Mathematik or a science, which meets the science obligation.
    if (const auto s = c.Read(Control::Lk2Box)) c.Apply(*s, Position::P2, FspMark::Full);

    // P3; every language meets the language obligation at once.
    if (const auto s = c.Read(Control::P3Box); s && !c.RefuseIntensive(*s))
        c.Apply(*s, Position::P3, FspMark::Full);

    // P4 and P5, the intensive language included. Informatik is the second science here and
    // counts in the baseline.
    for (const auto& [box, pos] :
         {std::pair{Control::P4Box, Position::P4}, std::pair{Control::P5Box, Position::P5}}) {
        if (const auto s = c.Read(box)) {
            if (*s == If) {
                c.MarkExamSubject(If, pos);
                exam::MarkMet(st, v, Obligation::Natur);
            } else {
                c.Apply(*s, pos, FspMark::Full);
            }
        }
    }

    // No additional obligation in this profile.
    st.Erfuellt[Obligation::BExtra] = 1;

    c.TaskFieldRule(exam::FieldTest::ViaFelderOk, kFelderTextC);
    c.CoreSubjectRule(exam::kKernTextZwei);

    // The intensive language meets the language obligation; a language that is not both
    // intensive and an exam subject brings two more results.
    if (st.IntGewaehlt == 1) {
        exam::MarkMet(st, v, Obligation::Fsp);
        if ((st.IntGewaehlt == st.NurEineFs && st.Int[Fr] != st.PFach[Fr]) ||
            st.Int[Sn] != st.PFach[Sn] || st.Int[La] != st.PFach[La])
            st.GqKurse += 2;
    }

    // A second language without an intensive language counts with all four half-years.
    if (st.FspZahl == 2 && st.IntGewaehlt == 0) st.GqKurse += 4;

    c.LimitRule(kGqTextC);
    c.ResetIfFailed();
}

}  // namespace belegix

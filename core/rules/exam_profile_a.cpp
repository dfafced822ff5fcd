// The exam-subject check of the language profile (A): P1 a foreign language, P2 Deutsch or a
// foreign language. The foreign-language obligation is decided after all boxes are read, three
// foreign languages on raised level are refused, and a third language, some intensive-language
// situations and a second science bring extra half-year results.
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

constexpr std::string_view kDreiFremdsprachen =
    "Es dürfen nicht drei Fremdsprachen als P1-, P2- oder P3-Fach gewählt werden";

// Three foreign languages on raised level are refused.
void DreiSprachenTest(ExamCheck& c) {
    if (c.st.FspZahl == 3) c.Refuse(kDreiFremdsprachen);
}

}  // namespace

const std::string_view kGqTextA =
    "Auflagen beachten: Die Prüfungsfächer sind so zu wählen, dass die Zahl von 36 "
    "Schulhalbjahresergebnissen, die in die Gesamtqualifikation einzubringen sind, nicht "
    "überschritten wird. \r"
    "\r"
    "Die Einbringungsverpflichtungen für die Gesamtqualifikation ergeben sich für Profil A durch: "
    "\r"
    "1. De, 2xFsp, Ma, Nws mit je 4 Kursen: 20 Kurse \r"
    "2. Ku, Mu oder Ds, Po, Ge, Re oder Wn sowie Sf mit je 2 Kursen: 10 Kurse,\r"
    "3. Po, Ge (bzw. Ek) oder Re als P-Fach:  +2(bzw.4) Kurse,\r"
    "insgesamt sind das also bereits 32(bzw.34) Kurse. Es bleiben also nur noch maximal 4(bzw.2) "
    "Kurse übrig, die durch Wahlen von Fächern, die gar nicht oder nur mit 2 Kursen (z.B. "
    "Ku,Mu,Ds, Ge,Po,Re,Wn) verpflichtend sind, ausgeschöpft werden können!\r"
    "\r"
    "Unter Deinen Prüfungsfächern befinden sich also zu viele Fächer, die eigentlich nicht mit 4 "
    "Kursen in die Gesamtqualifikation eingehen, denn von den fünf Prüfungsfächern müssen "
    "unabhängig von ihren Sollzahlen jeweils alle vier Halbjahresergebnisse in die "
    "Gesamtqualifikation eingebracht werden )-: ";

void CheckProfilA(ChoiceState& st, View& v) {
    ExamCheck c(st, v, Profile::A);
    c.Start(plan::kGqStart);

    // P1: Englisch, Französisch or Spanisch; the language obligation waits for the end.
    if (const auto s = c.Read(Control::Lk1Box); s && !c.RefuseIntensive(*s)) {
        c.Apply(*s, Position::P1, FspMark::None);
        st.FspZahl = 1;
    }

    // P2: Deutsch or a language; Englisch meets the language obligation at once.
    if (const auto s = c.Read(Control::Lk2Box); s && !c.RefuseIntensive(*s)) {
        c.Apply(*s, Position::P2, *s == En ? FspMark::Full : FspMark::None);
    }

    // P3: a language here may make three on raised level.
    if (const auto s = c.Read(Control::P3Box)) {
        if (!c.RefuseIntensive(*s)) {
            c.Apply(*s, Position::P3, FspMark::None);
            if (exam::IsScience(*s)) ++st.NwZahl;
        }
        if (exam::IsForeignLanguage(*s)) DreiSprachenTest(c);
    }

    // P4 and P5: every subject as it is, the intensive language included; Informatik counts
    // as a science here.
    for (const auto& [box, pos] :
         {std::pair{Control::P4Box, Position::P4}, std::pair{Control::P5Box, Position::P5}}) {
        if (const auto s = c.Read(box)) {
            c.Apply(*s, pos, FspMark::None);
            if (exam::IsScience(*s) || *s == If) ++st.NwZahl;
        }
    }

    // No additional obligation in this profile.
    st.Erfuellt[Obligation::BExtra] = 1;

    // Two languages, or one beside the intensive language, meet the language obligation.
    if (st.FspZahl >= 2 || (st.FspZahl == 1 && st.IntGewaehlt == 1))
        exam::MarkMet(st, v, Obligation::Fsp);

    // A third language counts with all four half-years.
    if (st.FspZahl == 3) st.GqKurse += 4;

    if (exam::IntensiveLanguageDiffers(st) && st.FspZahl > 1) st.GqKurse += 2;

    c.TaskFieldRule(exam::FieldTest::Direct);
    c.CoreSubjectRule();
    c.ResetIfFailed();

    // A second science counts with all four half-years.
    if (st.NwZahl == 2) st.GqKurse += 4;

    c.LimitRule(kGqTextA);
}

}  // namespace belegix

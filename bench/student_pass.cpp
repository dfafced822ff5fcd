#include "bench/student_pass.h"

#include <array>

#include "core/rules/additional_courses.h"
#include "core/rules/course_plan.h"
#include "core/rules/exam_checks.h"
#include "core/rules/obligations.h"
#include "core/rules/profile.h"
#include "core/rules/steps.h"

namespace belegix::bench {

namespace {

using enum Control;

std::string BoxesShown(const test::TestView& v) {
    std::string all;
    for (const std::string& text : v.BoxTexts()) all += " [" + text + "]";
    return all;
}

// A step that shows no box.
StepError Quiet(Window& w, const char* step) {
    if (w.view.Boxes().empty()) return {};
    return std::string(step) + " showed" + BoxesShown(w.view);
}

bool Open(const Window& w, Control box) {
    const plan::ControlState& c = w.view.Get(box);
    return c.enabled && c.index == -1;
}

// Picks a two-hour course in step 3 and confirms the half-years the period panel offers.
StepError PickWithPeriod(Window& w, Control box, int item, int period) {
    w.view.Pick(box, item);
    ChooseCourse(w.st, w.view, box);
    if (!w.view.Get(ZusatzPanel).visible) return "the period panel did not open";
    w.view.Pick(RGZusatzkurse, period);
    ConfirmPeriod(w.st, w.view);
    return Quiet(w, "the period panel");
}

}  // namespace

ExamChoice AdmissibleChoice(Profile p) {
    switch (p) {
        case Profile::A:  // Englisch, Deutsch, Erdkunde, Geschichte, Mathematik: 36 results
            return {p, 0, 0, 6, 6, 10};
        case Profile::KuMu:  // Musik, Mathematik, Kunst, Englisch, Geschichte
            return {p, 1, 1, 4, 1, 6};
        case Profile::B:  // Geschichte, Deutsch, Politik-W., Englisch, Mathematik
            return {p, 0, 0, 0, 1, 9};
        case Profile::C:  // Physik, Mathematik, Deutsch, Englisch, Geschichte
            return {p, 2, 0, 0, 1, 7};
        case Profile::Sport:  // Sport, Biologie, Deutsch, Englisch, Politik-W.
            return {p, 0, 0, 0, 1, 8};
    }
    return {p, -1, -1, -1, -1, -1};
}

StepError Create(Window& w) {
    StartPlanner(w.st, w.view);
    EvaluatePlan(w.st, w.view);  // the window's first activation
    w.view.ClearBoxes();
    return {};
}

StepError ChooseProfile(Window& w, Profile p) {
    w.view.Pick(ProfilRadioGroup, static_cast<int>(p));
    ConfirmProfile(w.st, w.view);
    if (!w.view.Get(PFachBitBtn).enabled) return "step 2 did not open";
    return Quiet(w, "ConfirmProfile");
}

StepError PickExamSubjects(Window& w, const ExamChoice& c) {
    const std::array<std::pair<Control, int>, 5> picks = {
        {{Lk1Box, c.p1}, {Lk2Box, c.p2}, {P3Box, c.p3}, {P4Box, c.p4}, {P5Box, c.p5}}};
    for (const auto& [box, index] : picks) {
        if (index >= static_cast<int>(w.view.Get(box).items.size()))
            return "no item " + std::to_string(index) + " in " + std::string(ControlName(box));
        w.view.Pick(box, index);
    }
    return {};
}

StepError ConfirmExamSubjects(Window& w) {
    CheckExamSubjects(w.st, w.view);
    if (!w.view.Get(AuflagenBitBtn).enabled) return "step 3 did not open";
    return Quiet(w, "CheckExamSubjects");
}

StepError PickObligations(Window& w) {
    StepError e;
    if (Open(w, DeBox)) w.view.Pick(DeBox, 0);
    if (Open(w, FspBox)) w.view.Pick(FspBox, 1);  // Französisch
    if (Open(w, KuMuBox) && (e = PickWithPeriod(w, KuMuBox, 1, 0)) != "") return e;
    if (Open(w, PoBox) && (e = PickWithPeriod(w, PoBox, 0, 1)) != "") return e;
    if (Open(w, GeBox) && (e = PickWithPeriod(w, GeBox, 0, 0)) != "") return e;
    if (Open(w, ReWnBox)) w.view.Pick(ReWnBox, 0);
    if (Open(w, MaBox)) w.view.Pick(MaBox, 0);
    if (Open(w, NaturBox)) {
        // The first of Biologie, Chemie, Physik that is no exam course.
        const std::array<Subject, 3> sciences = {Subject::Bi, Subject::Ch, Subject::Ph};
        for (int i = 0; i < 3; ++i) {
            if (w.st.PKurs[sciences.at(static_cast<std::size_t>(i))] == 0) {
                w.view.Pick(NaturBox, i);
                break;
            }
        }
        ChooseScience(w.st, w.view);
    }
    if (Open(w, SpBox)) w.view.Pick(SpBox, 0);
    const plan::ControlState& extra = w.view.Get(BExtraBox);
    if (extra.enabled && extra.index <= 0 && extra.items.size() > 1) w.view.Pick(BExtraBox, 5);
    return Quiet(w, "step 3");
}

StepError ConfirmObligations(Window& w) {
    CheckObligations(w.st, w.view);
    if (!w.view.Get(GroupBox3).enabled || w.view.Get(AuflagenBitBtn).enabled)
        return "step 4 did not open:" + BoxesShown(w.view);
    return Quiet(w, "CheckObligations");
}

StepError PickAdditionalCourse(Window& w) {
    // Focus into `ZusatzBox`, then Darstellendes Spiel, a two-hour course, in the first two
    // half-years.
    OpenAdditionalCourses(w.st, w.view);
    w.view.Pick(ZusatzBox, 4);
    ChooseCourse(w.st, w.view, ZusatzBox);
    if (!w.view.Get(ZusatzPanel).visible) return "the period panel did not open in step 4";
    w.view.Pick(RGZusatzkurse, 0);
    ConfirmPeriod(w.st, w.view);
    if (!w.view.Get(WeiterBitBtn).enabled) return "Weiter is not enabled";
    return Quiet(w, "step 4");
}

StepError Continue(Window& w) {
    EnterCourse(w.st, w.view);
    return Quiet(w, "EnterCourse");
}

StepError Evaluate(Window& w) {
    KeepPlanEvaluated(w.st);
    EvaluatePlan(w.st, w.view);
    // The plan of the pass is admissible with many courses: exactly one verdict.
    if (w.view.Boxes().size() != 1) return "the evaluation showed" + BoxesShown(w.view);
    return {};
}

StepError CompletePass(Window& w, Profile p) {
    StepError e;
    if (!(e = Create(w)).empty()) return e;
    if (!(e = ChooseProfile(w, p)).empty()) return e;
    if (!(e = PickExamSubjects(w, AdmissibleChoice(p))).empty()) return e;
    if (!(e = ConfirmExamSubjects(w)).empty()) return e;
    if (!(e = PickObligations(w)).empty()) return e;
    if (!(e = ConfirmObligations(w)).empty()) return e;
    if (!(e = PickAdditionalCourse(w)).empty()) return e;
    if (!(e = Continue(w)).empty()) return e;
    return Evaluate(w);
}

}  // namespace belegix::bench

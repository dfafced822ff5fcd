// Latency of the handlers behind each button, against the window in memory (no toolkit, no
// boxes on screen). Each benchmark prepares a window up to the moment before the click once, checks
// that the click takes the path a student's click takes, and then times the click on a fresh copy
// of that window in every iteration; copying the window is outside the timed region and reported on
// its own as Restore.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

#include "bench/student_pass.h"
#include "core/rules/additional_courses.h"
#include "core/rules/course_plan.h"
#include "core/rules/exam_checks.h"
#include "core/rules/obligations.h"
#include "core/rules/steps.h"

namespace belegix::bench {
namespace {

using Prepare = std::function<StepError(Window&)>;
using Handler = std::function<StepError(Window&)>;

// Times `handler` on copies of the window that `prepare` built.
void Measure(benchmark::State& state, const Prepare& prepare, const Handler& handler) {
    const auto snapshot = std::make_unique<Window>();
    if (StepError e = prepare(*snapshot); !e.empty()) {
        state.SkipWithError(("preparing: " + e).c_str());
        return;
    }
    auto w = std::make_unique<Window>(*snapshot);
    if (StepError e = handler(*w); !e.empty()) {
        state.SkipWithError(e.c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        *w = *snapshot;
        state.ResumeTiming();
        handler(*w);
        benchmark::DoNotOptimize(w->st);
        benchmark::ClobberMemory();
    }
}

StepError UpToExamPicks(Window& w, Profile p) {
    StepError e;
    if (!(e = Create(w)).empty()) return e;
    if (!(e = ChooseProfile(w, p)).empty()) return e;
    return PickExamSubjects(w, AdmissibleChoice(p));
}

StepError UpToObligationPicks(Window& w) {
    StepError e;
    if (!(e = UpToExamPicks(w, Profile::A)).empty()) return e;
    if (!(e = ConfirmExamSubjects(w)).empty()) return e;
    return PickObligations(w);
}

StepError UpToAdditionalCourse(Window& w) {
    StepError e;
    if (!(e = UpToObligationPicks(w)).empty()) return e;
    if (!(e = ConfirmObligations(w)).empty()) return e;
    return PickAdditionalCourse(w);
}

void BM_ResetPlan(benchmark::State& state) {
    Measure(
        state, [](Window& w) { return CompletePass(w, Profile::A); },
        [](Window& w) {
            w.view.ClearBoxes();
            ResetPlan(w.st, w.view);
            return w.view.Get(Control::GroupBox1).enabled ? "ResetPlan left step 2 open"
                                                          : StepError{};
        });
}
BENCHMARK(BM_ResetPlan);

void BM_CheckExamSubjects(benchmark::State& state) {
    const auto p = static_cast<Profile>(state.range(0));
    Measure(
        state, [p](Window& w) { return UpToExamPicks(w, p); }, ConfirmExamSubjects);
}
// 0 A, 1 KuMu, 2 B, 3 C, 4 sport.
BENCHMARK(BM_CheckExamSubjects)->ArgName("profile")->DenseRange(0, kProfileCount - 1);

void BM_CheckObligations(benchmark::State& state) {
    Measure(state, UpToObligationPicks, ConfirmObligations);
}
BENCHMARK(BM_CheckObligations);

void BM_EnterCourse(benchmark::State& state) {
    Measure(state, UpToAdditionalCourse, Continue);
}
BENCHMARK(BM_EnterCourse);

// "Weiter" after "Ergebnis" had the focus: writes the course and evaluates the plan again.
void BM_EnterCourse_Evaluating(benchmark::State& state) {
    Measure(
        state,
        [](Window& w) {
            StepError e = UpToAdditionalCourse(w);
            KeepPlanEvaluated(w.st);
            return e;
        },
        [](Window& w) {
            EnterCourse(w.st, w.view);
            return w.view.Text(Control::Gks) != "0" ? StepError{} : "no evaluation after Weiter";
        });
}
BENCHMARK(BM_EnterCourse_Evaluating);

void BM_EvaluatePlan(benchmark::State& state) {
    Measure(
        state,
        [](Window& w) {
            StepError e = UpToAdditionalCourse(w);
            return e.empty() ? Continue(w) : e;
        },
        Evaluate);
}
BENCHMARK(BM_EvaluatePlan);

// The copy of the prepared window that every benchmark above makes outside its timed region.
void BM_Restore(benchmark::State& state) {
    Window snapshot;
    if (StepError e = CompletePass(snapshot, Profile::A); !e.empty()) {
        state.SkipWithError(e.c_str());
        return;
    }
    Window w = snapshot;
    for (auto _ : state) {
        w = snapshot;
        benchmark::DoNotOptimize(w.st);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Restore);

// A whole student's way from the window's creation to the evaluated plan, with the window's
// construction: every handler of the pass in order, and the picks between them.
void BM_CompletePass(benchmark::State& state) {
    const auto p = static_cast<Profile>(state.range(0));
    for (auto _ : state) {
        Window w;
        if (StepError e = CompletePass(w, p); !e.empty()) {
            state.SkipWithError(e.c_str());
            break;
        }
        benchmark::DoNotOptimize(w.st);
    }
}
BENCHMARK(BM_CompletePass)->ArgName("profile")->Arg(0)->Arg(1);

}  // namespace
}  // namespace belegix::bench

BENCHMARK_MAIN();

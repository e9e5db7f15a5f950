// How long one deviation calculation takes, both table file reads included, with the shipped tables.
// A benchmark, not a test: run build/tests/engine_benchmark.

#include "answers/thread_answers.h"
#include "core/threads/basic_profile.h"
#include "core/threads/thread_designation.h"
#include "core/threads/thread_limits.h"
#include "dialog/calc_state.h"
#include "dialog/calculations.h"
#include "dialog/dialog_logic.h"
#include "dialog/memory_dialog_view.h"

#include <benchmark/benchmark.h>

namespace {

void DeviationCalculation(benchmark::State& state)
{
    MemoryDialogView view;
    FillGradeList(view);
    FillSizeRangeList(view);
    view.ChooseEntry(Control::SizeRangeList, ">18-30");
    view.ChooseEntry(Control::GradeList, "IT7");
    view.SetBoxText(Control::SizeBox, "25");
    SelectBasis(view, 0);
    view.ChooseEntry(Control::LetterList, "P"); // reads the hole table and the delta table
    for (auto _ : state) {
        CalcDeviations(view, QUORLAN_DATA_DIR);
        benchmark::DoNotOptimize(g_calcState.dLower);
    }
    if (view.BoxText(Control::LowerDeviationBox) != "-0.0350")
        state.SkipWithError("unexpected result: are the shipped tables there?");
}
BENCHMARK(DeviationCalculation)->Unit(benchmark::kMicrosecond);

// One thread read and both parts' limits computed, as the core does them (no JSON).
void ThreadLimitsOfOneFit(benchmark::State& state)
{
    for (auto _ : state) {
        const auto thread = ParseThreadDesignation("M10-6H/6g");
        const BasicProfile basic = BasicProfileOf(thread->diameter, thread->pitch);
        const auto bolt = BoltLimitsOf(basic, thread->pitch, *thread->bolt);
        const auto nut = NutLimitsOf(basic, thread->pitch, *thread->nut);
        benchmark::DoNotOptimize(ThreadFitOf(*nut, *bolt));
    }
}
BENCHMARK(ThreadLimitsOfOneFit)->Unit(benchmark::kNanosecond);

// The whole answer of quorlan-cli thread --table --series all: every thread of both series, bolt and
// nut, as JSON with its display texts.
void ThreadTableOfBothSeries(benchmark::State& state)
{
    for (auto _ : state) {
        const Answer table = ThreadTableAnswer("all", "6H/6g");
        benchmark::DoNotOptimize(table->size());
    }
}
BENCHMARK(ThreadTableOfBothSeries)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

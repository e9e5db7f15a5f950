// How long one deviation calculation takes, both table file reads included, with the shipped tables.
// A benchmark, not a test: run build/tests/engine_benchmark.

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

} // namespace

BENCHMARK_MAIN();

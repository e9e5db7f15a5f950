// One general tolerance, one class's whole table and one bearing seat: each a table lookup.

#include "answers/general_answer.h"
#include "core/bearings/bearing_fit.h"
#include "core/general/general_tolerances.h"
#include "core/loaded_tables.h"

#include <benchmark/benchmark.h>

namespace {

void GeneralToleranceLookup(benchmark::State& state)
{
    for (auto _ : state) {
        const auto found = FindGeneralTolerance(GeneralKind::Linear, LinearClass::Medium, GeneralStandard::Iso,
                                                ExactLength::FromMm(35));
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(GeneralToleranceLookup)->Unit(benchmark::kNanosecond);

void GeneralTableAsJson(benchmark::State& state)
{
    const nlohmann::json options = {{"class", "mK"}};
    for (auto _ : state) {
        const Answer answer = GeneralTableAnswer(options);
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(GeneralTableAsJson)->Unit(benchmark::kMicrosecond);

void BearingSeat(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    const auto seat = ParseToleranceClass("k5");
    for (auto _ : state) {
        const auto fit = AnalyseBearingFit(tables, *seat, BearingClass::Normal, ExactLength::FromMm(25));
        benchmark::DoNotOptimize(fit);
    }
}
BENCHMARK(BearingSeat)->Unit(benchmark::kNanosecond);

} // namespace

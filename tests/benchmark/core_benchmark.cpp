// The core's figures with the shipped tables: loading the five files, one limit deviation, one fit
// analysis, and one fit search over every pair. A benchmark, not a test: run build/tests/engine_benchmark.

#include "core/fit_analysis.h"
#include "core/fit_search.h"
#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/scales.h"

#include <benchmark/benchmark.h>

namespace {

void LoadFiveTables(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDeviationTables(QUORLAN_DATA_DIR));
}
BENCHMARK(LoadFiveTables)->Unit(benchmark::kMicrosecond);

void LimitDeviationFromLoadedTables(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    const ToleranceClass p7 = *ParseToleranceClass("P7"); // fundamental deviation and delta
    for (auto _ : state)
        benchmark::DoNotOptimize(LimitDeviationsOf(tables, p7, ExactLength::FromMm(25)));
}
BENCHMARK(LimitDeviationFromLoadedTables)->Unit(benchmark::kNanosecond);

void FitAnalysisFromLoadedTables(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    const FitDesignation fit = *ParseFitDesignation("K7/h6");
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseFit(tables, fit, ExactLength::FromMm(40)));
}
BENCHMARK(FitAnalysisFromLoadedTables)->Unit(benchmark::kNanosecond);

void FitSearchOverEveryPair(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    FitSearchRequest request;
    request.size = ExactLength::FromMm(40);
    request.minClearance = ExactLength::FromUm(-70);
    request.maxClearance = ExactLength::FromUm(60);
    request.basis = SearchBasis::Any;
    request.allGradePairs = true;
    request.finestGrade = 0;
    request.coarsestGrade = kGradeCount - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchFits(tables, request));
}
BENCHMARK(FitSearchOverEveryPair)->Unit(benchmark::kMillisecond);

// The same with the 20 nearest misses: every pair that fails is ranked by its miss as well.
void FitSearchWithNearMisses(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    FitSearchRequest request;
    request.size = ExactLength::FromMm(40);
    request.minClearance = ExactLength::FromUm(-70);
    request.maxClearance = ExactLength::FromUm(60);
    request.basis = SearchBasis::Any;
    request.allGradePairs = true;
    request.finestGrade = 0;
    request.coarsestGrade = kGradeCount - 1;
    request.nearCount = 20;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchFits(tables, request));
}
BENCHMARK(FitSearchWithNearMisses)->Unit(benchmark::kMillisecond);

} // namespace

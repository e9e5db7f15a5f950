// The fits that hold a load, over every pair of classes (153,664 at 40 mm, grades IT01 to IT12, every
// grade pair). A benchmark, not a test: run build/tests/engine_benchmark.

#include "core/load_fit_search.h"
#include "core/loaded_tables.h"
#include "core/scales.h"

#include <benchmark/benchmark.h>

namespace {

void LoadFitSearchOverEveryPair(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    LoadFitSearchRequest request;
    request.fits.size = ExactLength::FromMm(40);
    request.fits.basis = SearchBasis::Any;
    request.fits.allGradePairs = true;
    request.fits.finestGrade = 0;
    request.fits.coarsestGrade = kGradeCount - 1;
    request.service.hubOutsideDiameterMm = 80.0;
    request.service.lengthMm = 40.0;
    request.service.hubTemperatureC = 60.0;
    request.service.shaftTemperatureC = 40.0;
    request.service.hubRzUm = request.service.shaftRzUm = 4.0;
    request.service.torqueNm = 300.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchFitsForLoad(tables, request));
}
BENCHMARK(LoadFitSearchOverEveryPair)->Unit(benchmark::kMillisecond);

} // namespace

// A dimension chain's Monte Carlo: 10 links, 1,000,000 samples, on one core (goal under 50 ms).
// Mixed distributions, as a real chain has them; the statistics and both quantiles included.

#include "core/chains/chain_csv.h"
#include "core/chains/monte_carlo.h"
#include "core/loaded_tables.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char* kTenLinks = "name,direction,nominal_mm,tolerance,distribution\n"
                                  "housing,+1,120,H8,\n"
                                  "cover,+1,8,±0.05,\n"
                                  "bearing 1,-1,20,0/-0.12,\n"
                                  "spacer 1,-1,15,2768-m,uniform\n"
                                  "gear,-1,40,h9,\n"
                                  "spacer 2,-1,12,±0.03,triangular\n"
                                  "bearing 2,-1,20,0/-0.12,\n"
                                  "shim,-1,2,±0.01,\n"
                                  "circlip,-1,1.5,0/-0.06,\n"
                                  "groove,-1,16.5,+0.1/0,\n";

void ChainMonteCarloTenLinksMillionSamples(benchmark::State& state)
{
    const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    const auto links = ReadChainCsv(tables, kTenLinks);
    if (!links || links->size() != 10) {
        state.SkipWithError("the chain was not read");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MonteCarloOf(*links, kDefaultChainSamples, kDefaultChainSeed, std::nullopt));
}
BENCHMARK(ChainMonteCarloTenLinksMillionSamples)->Unit(benchmark::kMillisecond);

} // namespace

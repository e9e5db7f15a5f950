#include "core/chains/monte_carlo.h"

#include "core/chains/link_spread.h"
#include "core/chains/random_numbers.h"
#include "core/chains/worst_case.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace {

// A link as the sampler draws it: deviation = mean + scale · z, z of mean 0 and σ 1.
struct SampledLink
{
    LinkDistribution distribution = LinkDistribution::Normal;
    double mean = 0; // direction · mean deviation, mm
    double scale = 0; // direction · σ, mm
};

const double kSqrt3 = std::sqrt(3.0);
const double kSqrt6 = std::sqrt(6.0);

// Samples are drawn in blocks, each link over the whole block before the next: one loop per
// distribution with no branch on it, and a block that stays in the fastest cache.
constexpr std::size_t kBlockSamples = 2048;

void AddLinkSamples(const SampledLink& link, std::span<double> block, Xoshiro256& random, const ZigguratNormal& normal)
{
    // In locals: the block's stores could alias link's members, which would be read again each time.
    const double mean = link.mean;
    const double scale = link.scale;
    switch (link.distribution) {
    case LinkDistribution::Normal:
        for (double& value : block)
            value += mean + scale * normal.Next(random);
        return;
    case LinkDistribution::Uniform: // 2U − 1 spans ±1 with σ 1/√3
        for (double& value : block)
            value += mean + scale * ((2 * random.NextUniform() - 1) * kSqrt3);
        return;
    case LinkDistribution::Triangular: // U₁ + U₂ − 1 spans ±1 with σ 1/√6
        for (double& value : block) {
            const double first = random.NextUniform();
            value += mean + scale * ((first + random.NextUniform() - 1) * kSqrt6);
        }
        return;
    }
}

void AddLink(const SampledLink& link, std::span<double> block, Xoshiro256& generator, const ZigguratNormal& normal)
{
    // A local copy whose address is never taken, so that its state stays in registers.
    Xoshiro256 random = generator;
    AddLinkSamples(link, block, random, normal);
    generator = random;
}

// The samples' bins between the smallest and the largest: fine enough that the two quantiles'
// bins hold few samples, and kHistogramBins whole groups of them for the histogram shown.
constexpr std::size_t kFineBinsPerBin = 1024;
constexpr std::size_t kFineBins = kHistogramBins * kFineBinsPerBin;

struct Binning
{
    double low = 0;
    double scale = 0; // fine bins per mm

    std::size_t Of(double value) const
    {
        return std::min(static_cast<std::size_t>((value - low) * scale), kFineBins - 1);
    }
};

// Where the order statistics at ranks k and k + 1 (0-based) lie: the fine counts find the bins
// that hold them (bins keep the samples' order); only those bins' samples are selected among.
struct RankBins
{
    std::size_t k = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t before = 0; // samples in the bins below first
    std::vector<double> held;
};

RankBins BinsOfRank(const std::vector<std::uint32_t>& counts, std::size_t k)
{
    RankBins bins;
    bins.k = k;
    while (bins.before + counts[bins.first] <= k)
        bins.before += counts[bins.first++];
    bins.last = bins.first;
    for (std::size_t through = bins.before + counts[bins.first]; through <= k + 1 && bins.last + 1 < kFineBins;)
        through += counts[++bins.last];
    return bins;
}

// The order statistics at k and k + 1, exactly, from the samples held.
std::pair<double, double> OrderStatistics(RankBins& bins)
{
    std::vector<double>& held = bins.held;
    const auto at = held.begin() + static_cast<std::ptrdiff_t>(bins.k - bins.before);
    std::nth_element(held.begin(), at, held.end());
    const double next = at + 1 == held.end() ? *at : *std::min_element(at + 1, held.end());
    return {*at, next};
}

// The rank whose order statistics give the quantile at p by linear interpolation (Hyndman and
// Fan's definition 7, as R and NumPy compute it by default): position (n − 1)p.
double QuantilePosition(std::size_t samples, double p)
{
    return p * static_cast<double>(samples - 1);
}

double Interpolated(RankBins& bins, double position)
{
    const auto [lower, upper] = OrderStatistics(bins);
    return lower + (position - static_cast<double>(bins.k)) * (upper - lower);
}

} // namespace

MonteCarlo MonteCarloOf(std::span<const ChainLink> links, std::size_t samples, std::uint64_t seed,
                        const std::optional<ChainRequirement>& requirement)
{
    std::vector<SampledLink> sampled;
    sampled.reserve(links.size());
    for (const ChainLink& link : links)
        sampled.push_back(
            {link.distribution, link.direction * LinkMeanDeviationMm(link), link.direction * LinkSigmaMm(link)});

    MonteCarlo result;
    result.samples = samples;
    result.seed = seed;
    const ExactLength nominal = WorstCaseOf(links).nominal;
    const double nominalMm = ToMm(nominal);
    // Three passes over the samples, each doing all it can: the sum, the extremes and the
    // requirement's rejects, block by block as they are drawn; the squares and the fine bins; the
    // two quantiles' candidates. The sums run in the samples' order, so the figures do not depend
    // on how the passes are grouped.
    double minDeviation = 0;
    double maxDeviation = 0;
    if (requirement) {
        minDeviation = ToMm(requirement->min - nominal);
        maxDeviation = ToMm(requirement->max - nominal);
    }
    // The closing dimension's deviation from its nominal: small numbers keep their digits.
    std::vector<double> values(samples, 0.0);
    Xoshiro256 random(seed);
    const ZigguratNormal normal;
    double sum = 0;
    double smallest = 0;
    double largest = 0;
    std::size_t below = 0;
    std::size_t above = 0;
    for (std::size_t from = 0; from < samples; from += kBlockSamples) {
        const std::span<double> block(values.data() + from, std::min(kBlockSamples, samples - from));
        for (const SampledLink& link : sampled)
            AddLink(link, block, random, normal);
        if (from == 0)
            smallest = largest = block.front();
        // The first pass, while the block is still in the cache.
        for (const double value : block) {
            sum += value;
            smallest = std::min(smallest, value);
            largest = std::max(largest, value);
            below += value < minDeviation ? 1 : 0;
            above += value > maxDeviation ? 1 : 0;
        }
    }
    const double mean = sum / static_cast<double>(samples);
    result.meanMm = nominalMm + mean;

    const Binning binning {smallest, largest > smallest ? static_cast<double>(kFineBins) / (largest - smallest) : 0};
    std::vector<std::uint32_t> counts(kFineBins, 0);
    double squares = 0;
    for (const double value : values) {
        squares += (value - mean) * (value - mean);
        ++counts[binning.Of(value)];
    }
    result.sigmaMm = std::sqrt(squares / static_cast<double>(samples - 1));
    result.histogramFromMm = nominalMm + smallest;
    result.histogramToMm = nominalMm + largest;
    for (std::size_t bin = 0; bin < kFineBins; ++bin)
        result.histogram[bin / kFineBinsPerBin] += counts[bin];

    if (requirement) {
        result.belowPpm = static_cast<double>(below) * 1e6 / static_cast<double>(samples);
        result.abovePpm = static_cast<double>(above) * 1e6 / static_cast<double>(samples);
        if (result.sigmaMm > 0) {
            result.cp = (maxDeviation - minDeviation) / (6 * result.sigmaMm);
            result.cpk = std::min(maxDeviation - mean, mean - minDeviation) / (3 * result.sigmaMm);
        }
    }

    const double lowPosition = QuantilePosition(samples, 0.00135);
    const double highPosition = QuantilePosition(samples, 0.99865);
    RankBins low = BinsOfRank(counts, static_cast<std::size_t>(lowPosition));
    RankBins high = BinsOfRank(counts, static_cast<std::size_t>(highPosition));
    for (const double value : values) {
        const std::size_t bin = binning.Of(value);
        if (bin >= low.first && bin <= low.last)
            low.held.push_back(value);
        if (bin >= high.first && bin <= high.last)
            high.held.push_back(value);
    }
    result.q00135Mm = nominalMm + Interpolated(low, lowPosition);
    result.q99865Mm = nominalMm + Interpolated(high, highPosition);
    return result;
}

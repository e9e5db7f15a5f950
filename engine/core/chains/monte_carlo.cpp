#include "core/chains/monte_carlo.h"

#include "core/chains/link_spread.h"
#include "core/chains/random_numbers.h"
#include "core/chains/worst_case.h"

#include <algorithm>
#include <cmath>
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

double Standardised(LinkDistribution distribution, Xoshiro256& random, const ZigguratNormal& normal)
{
    switch (distribution) {
    case LinkDistribution::Normal:
        return normal.Next(random);
    case LinkDistribution::Uniform: // 2U − 1 spans ±1 with σ 1/√3
        return (2 * random.NextUniform() - 1) * kSqrt3;
    case LinkDistribution::Triangular: { // U₁ + U₂ − 1 spans ±1 with σ 1/√6
        const double first = random.NextUniform();
        return (first + random.NextUniform() - 1) * kSqrt6;
    }
    }
    return 0;
}

// The quantile at p by linear interpolation between the order statistics at (n − 1)p (Hyndman and
// Fan's definition 7, as R and NumPy compute it by default). Reorders the samples from `from` on;
// the ones before hold only smaller values.
double Quantile(std::vector<double>& samples, std::size_t from, double p)
{
    const double position = p * static_cast<double>(samples.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const auto at = samples.begin() + static_cast<std::ptrdiff_t>(below);
    std::nth_element(samples.begin() + static_cast<std::ptrdiff_t>(from), at, samples.end());
    const double lower = *at;
    if (below + 1 >= samples.size())
        return lower;
    const double upper = *std::min_element(at + 1, samples.end());
    return lower + (position - static_cast<double>(below)) * (upper - lower);
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

    // The closing dimension's deviation from its nominal: small numbers keep their digits.
    std::vector<double> values(samples);
    Xoshiro256 random(seed);
    const ZigguratNormal normal;
    for (double& value : values) {
        double sum = 0;
        for (const SampledLink& link : sampled)
            sum += link.mean + link.scale * Standardised(link.distribution, random, normal);
        value = sum;
    }

    MonteCarlo result;
    result.samples = samples;
    result.seed = seed;
    const ExactLength nominal = WorstCaseOf(links).nominal;
    const double nominalMm = ToMm(nominal);
    double sum = 0;
    for (const double value : values)
        sum += value;
    const double mean = sum / static_cast<double>(samples);
    double squares = 0;
    for (const double value : values)
        squares += (value - mean) * (value - mean);
    result.meanMm = nominalMm + mean;
    result.sigmaMm = std::sqrt(squares / static_cast<double>(samples - 1));

    const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());
    result.histogramFromMm = nominalMm + *smallest;
    result.histogramToMm = nominalMm + *largest;
    const double width = (*largest - *smallest) / static_cast<double>(kHistogramBins);
    const double low = *smallest;
    for (const double value : values) {
        const double bin = width > 0 ? (value - low) / width : 0;
        result.histogram[std::min(static_cast<std::size_t>(bin), kHistogramBins - 1)] += 1;
    }

    if (requirement) {
        const double minDeviation = ToMm(requirement->min - nominal);
        const double maxDeviation = ToMm(requirement->max - nominal);
        std::size_t below = 0;
        std::size_t above = 0;
        for (const double value : values) {
            below += value < minDeviation ? 1 : 0;
            above += value > maxDeviation ? 1 : 0;
        }
        result.belowPpm = static_cast<double>(below) * 1e6 / static_cast<double>(samples);
        result.abovePpm = static_cast<double>(above) * 1e6 / static_cast<double>(samples);
        if (result.sigmaMm > 0) {
            result.cp = (maxDeviation - minDeviation) / (6 * result.sigmaMm);
            result.cpk = std::min(maxDeviation - mean, mean - minDeviation) / (3 * result.sigmaMm);
        }
    }

    // Last, as selecting reorders the samples: the upper quantile's search starts past the lower's.
    const double lowerQuantile = Quantile(values, 0, 0.00135);
    const auto lowerRank = static_cast<std::size_t>(0.00135 * static_cast<double>(samples - 1));
    result.q00135Mm = nominalMm + lowerQuantile;
    result.q99865Mm = nominalMm + Quantile(values, lowerRank + 1, 0.99865);
    return result;
}

#pragma once

#include "core/chains/chain_link.h"
#include "core/exact_length.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The closing dimension sampled: each link drawn from its distribution (normal by the ziggurat,
// uniform, triangular as the sum of two uniforms) from one xoshiro256** stream, in blocks of 2048
// samples, each link in the chain's order over the whole block: a seed gives the same samples
// everywhere. The quantiles are exact order statistics of the samples.

// Repeatable by default: a run without a seed draws this one (ISO 286's number).
inline constexpr std::uint64_t kDefaultChainSeed = 286;
inline constexpr std::size_t kDefaultChainSamples = 1'000'000;
inline constexpr std::size_t kFewestChainSamples = 1'000;
inline constexpr std::size_t kMostChainSamples = 10'000'000; // 80 MB of samples
// Seeds up to 2^53 − 1, which a JavaScript number holds exactly: the page passes the same seed.
inline constexpr std::uint64_t kLargestChainSeed = (std::uint64_t {1} << 53) - 1;

// The closing dimension's smallest and largest acceptable value.
struct ChainRequirement
{
    ExactLength min;
    ExactLength max;
};

inline constexpr std::size_t kHistogramBins = 50;

struct MonteCarlo
{
    std::size_t samples = 0;
    std::uint64_t seed = kDefaultChainSeed;
    double meanMm = 0;
    double sigmaMm = 0; // the sample standard deviation (n − 1)
    double q00135Mm = 0; // the 0.135 % and 99.865 % quantiles: where ±3σ would fall for a normal result
    double q99865Mm = 0;
    // Against a requirement: the share of samples below its min and above its max, in ppm, and the
    // capability of the closing dimension, Cp = (max − min)/6σ, Cpk = min(max − μ, μ − min)/3σ.
    std::optional<double> belowPpm;
    std::optional<double> abovePpm;
    std::optional<double> cp;
    std::optional<double> cpk;
    // The samples counted in kHistogramBins equal bins from the smallest to the largest.
    double histogramFromMm = 0;
    double histogramToMm = 0;
    std::array<std::size_t, kHistogramBins> histogram {};
};

// samples from kFewestChainSamples to kMostChainSamples; the chain holds at least one link.
MonteCarlo MonteCarloOf(std::span<const ChainLink> links, std::size_t samples, std::uint64_t seed,
                        const std::optional<ChainRequirement>& requirement);

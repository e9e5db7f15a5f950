#include "core/chains/link_spread.h"

#include <cmath>

double LinkMeanDeviationMm(const ChainLink& link)
{
    // The sum of the deviations in whole nanometres is exact; halving it in double loses nothing.
    return (static_cast<double>(link.upper.nm + link.lower.nm) * 0.5 + static_cast<double>(link.meanShift.nm)) * 1e-6;
}

double LinkSigmaMm(const ChainLink& link)
{
    const double toleranceMm = static_cast<double>(link.Tolerance().nm) * 1e-6;
    if (link.cpk) {
        const double shiftMm = std::abs(static_cast<double>(link.meanShift.nm)) * 1e-6;
        return (toleranceMm / 2 - shiftMm) / (3 * *link.cpk);
    }
    switch (link.distribution) {
    case LinkDistribution::Normal:
        return toleranceMm / 6;
    case LinkDistribution::Uniform:
        return toleranceMm / std::sqrt(12.0);
    case LinkDistribution::Triangular:
        return toleranceMm / std::sqrt(24.0);
    }
    return toleranceMm / 6;
}

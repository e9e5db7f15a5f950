#include "core/chains/root_sum_square.h"

#include "core/chains/link_spread.h"
#include "core/chains/worst_case.h"

#include <cmath>

RootSumSquare RootSumSquareOf(std::span<const ChainLink> links)
{
    double meanDeviation = 0;
    double variance = 0;
    for (const ChainLink& link : links) {
        meanDeviation += link.direction * LinkMeanDeviationMm(link);
        const double sigma = LinkSigmaMm(link);
        variance += sigma * sigma;
    }
    RootSumSquare result;
    result.meanMm = ToMm(WorstCaseOf(links).nominal) + meanDeviation;
    result.sigmaMm = std::sqrt(variance);
    result.minMm = result.meanMm - 3 * result.sigmaMm;
    result.maxMm = result.meanMm + 3 * result.sigmaMm;
    return result;
}

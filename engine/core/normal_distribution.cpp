#include "core/normal_distribution.h"

#include <cmath>
#include <numbers>

double NormalProbabilityAbove(double mean, double standardDeviation, double threshold)
{
    if (!(standardDeviation > 0.0)) {
        if (mean > threshold)
            return 1.0;
        return mean < threshold ? 0.0 : 0.5;
    }
    // erfc keeps its precision far out in the tail, where 1 - erf would round to 0.
    const double standardised = (threshold - mean) / (standardDeviation * std::numbers::sqrt2);
    return 0.5 * std::erfc(standardised);
}

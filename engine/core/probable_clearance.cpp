#include "core/probable_clearance.h"

#include <cmath>

ProbableClearance ProbableClearanceOf(const FitAnalysis& fit)
{
    const double holeUm = ToUm(fit.hole.Tolerance());
    const double shaftUm = ToUm(fit.shaft.Tolerance());
    const double halfRangeUm = std::sqrt(holeUm * holeUm + shaftUm * shaftUm) / 2;
    const double meanUm = ToUm(fit.meanClearance);
    // A bound that is a whole micrometre stays one despite the square root's rounding.
    constexpr double kSlackUm = 1e-9;
    const auto lower = static_cast<std::int64_t>(std::floor(meanUm - halfRangeUm + kSlackUm));
    const auto upper = static_cast<std::int64_t>(std::ceil(meanUm + halfRangeUm - kSlackUm));
    return {ExactLength::FromUm(lower), ExactLength::FromUm(upper)};
}

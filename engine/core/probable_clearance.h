#pragma once

#include "core/fit_analysis.h"

// The clearances a fit's parts give in practice: each part's size normally distributed, centred in
// its zone, the zone ±3 standard deviations (as the service calculation assumes). Then the
// clearance is normal with the fit's mean and σ = √(Th² + Ts²)/6, and mean ± 3σ holds 99.73 % of
// the pairs. Rounded outward to whole micrometres, as the bearing makers publish their probable
// fits. Signed as every clearance: hole minus shaft.
struct ProbableClearance
{
    ExactLength min;
    ExactLength max;
};

ProbableClearance ProbableClearanceOf(const FitAnalysis& fit);

#pragma once

#include "core/chains/chain_link.h"

// A link's mean and standard deviation, in mm from its nominal size, as the statistical method and
// the Monte Carlo take them.

// The zone's middle plus the mean shift: an asymmetric tolerance (+0.1/-0.05, h7) centres its parts
// in the zone, not at the nominal size (GB/T 5847-2004, the middle deviation Δ = (ES + EI)/2).
double LinkMeanDeviationMm(const ChainLink& link);

// σ from the zone T and the distribution: normal T/6 (the zone is ±3σ); uniform T/√12; triangular
// T/√24. With a Cpk, σ = (T/2 − |shift|)/(3·Cpk): the nearer limit 3·Cpk standard deviations away.
double LinkSigmaMm(const ChainLink& link);

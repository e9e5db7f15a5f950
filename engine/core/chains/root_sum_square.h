#pragma once

#include "core/chains/chain_link.h"

#include <span>

// The statistical method (root sum of squares; GB/T 5847-2004 clause 7, whose relative distribution
// coefficients k are 6σ/T): the links independent, the closing dimension's mean the nominal plus
// Σ direction · the links' mean deviations, its variance Σ σᵢ², and its limits mean ± 3σ (99.73 %
// of assemblies for a normal result). In mm.
struct RootSumSquare
{
    double meanMm = 0;
    double sigmaMm = 0;
    double minMm = 0;
    double maxMm = 0;
};

RootSumSquare RootSumSquareOf(std::span<const ChainLink> links);

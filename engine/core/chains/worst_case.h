#pragma once

#include "core/chains/chain_link.h"

#include <span>

// The closing dimension's nominal and its limits when every link sits at the limit that widens or
// narrows it most (the extreme-value method, GB/T 5847-2004 clause 7): exact.
struct WorstCase
{
    ExactLength nominal; // Σ direction · nominal
    ExactLength min;
    ExactLength max;
};

WorstCase WorstCaseOf(std::span<const ChainLink> links);

#pragma once

#include "core/chains/chain_link.h"

#include <cstddef>
#include <span>
#include <vector>

// Which link decides the closing dimension: its share of the statistical variance (σᵢ² / Σσ²) and of
// the worst-case range (Tᵢ / ΣT), and its sensitivity ∂closing/∂link, the direction (±1) for a
// linear chain. Largest variance share first; ties keep the chain's order.
struct Contribution
{
    std::size_t link = 0; // index into the chain
    double varianceShare = 0;
    double worstCaseShare = 0;
    int sensitivity = 1;
};

std::vector<Contribution> ContributionsOf(std::span<const ChainLink> links);

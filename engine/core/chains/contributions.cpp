#include "core/chains/contributions.h"

#include "core/chains/link_spread.h"

#include <algorithm>

std::vector<Contribution> ContributionsOf(std::span<const ChainLink> links)
{
    double variance = 0;
    double range = 0;
    for (const ChainLink& link : links) {
        const double sigma = LinkSigmaMm(link);
        variance += sigma * sigma;
        range += static_cast<double>(link.Tolerance().nm);
    }
    std::vector<Contribution> contributions;
    contributions.reserve(links.size());
    for (std::size_t i = 0; i < links.size(); ++i) {
        const double sigma = LinkSigmaMm(links[i]);
        // A chain of zero tolerances has no spread to share: every share is 0, not 0/0.
        contributions.push_back({i, variance > 0 ? sigma * sigma / variance : 0,
                                 range > 0 ? static_cast<double>(links[i].Tolerance().nm) / range : 0,
                                 links[i].direction});
    }
    std::stable_sort(contributions.begin(), contributions.end(),
                     [](const Contribution& a, const Contribution& b) { return a.varianceShare > b.varianceShare; });
    return contributions;
}

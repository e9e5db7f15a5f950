#pragma once

#include "core/exact_length.h"

#include <optional>
#include <string>
#include <string_view>

// One link of a dimension chain, its tolerance resolved to limit deviations. The closing dimension
// is the sum of every link's size times its direction.

// How a link's sizes spread over its zone. Normal: the zone is ±3σ about its middle (or, with a
// Cpk, σ follows from it); uniform and triangular span the zone.
enum class LinkDistribution { Normal, Uniform, Triangular };

std::string_view DistributionName(LinkDistribution distribution); // "normal"
std::optional<LinkDistribution> ParseDistribution(std::string_view text);

struct ChainLink
{
    std::string name;
    int direction = 1; // +1 widens the closing dimension, -1 narrows it
    ExactLength nominal;
    std::string tolerance; // as written: "±0.1", "h7", "2768-m"
    ExactLength upper; // limit deviations, exact
    ExactLength lower;
    LinkDistribution distribution = LinkDistribution::Normal;
    ExactLength meanShift; // the process mean's distance from the zone's middle
    std::optional<double> cpk; // a normal process's capability, where known

    ExactLength Tolerance() const { return upper - lower; }
};

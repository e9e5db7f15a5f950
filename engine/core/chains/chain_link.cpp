#include "core/chains/chain_link.h"

std::string_view DistributionName(LinkDistribution distribution)
{
    switch (distribution) {
    case LinkDistribution::Normal:
        return "normal";
    case LinkDistribution::Uniform:
        return "uniform";
    case LinkDistribution::Triangular:
        return "triangular";
    }
    return "normal";
}

std::optional<LinkDistribution> ParseDistribution(std::string_view text)
{
    for (const LinkDistribution distribution :
         {LinkDistribution::Normal, LinkDistribution::Uniform, LinkDistribution::Triangular}) {
        if (text == DistributionName(distribution))
            return distribution;
    }
    return std::nullopt;
}

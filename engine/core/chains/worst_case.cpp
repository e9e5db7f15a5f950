#include "core/chains/worst_case.h"

WorstCase WorstCaseOf(std::span<const ChainLink> links)
{
    WorstCase result;
    for (const ChainLink& link : links) {
        if (link.direction > 0) {
            result.nominal = result.nominal + link.nominal;
            result.max = result.max + link.upper;
            result.min = result.min + link.lower;
        } else {
            result.nominal = result.nominal - link.nominal;
            result.max = result.max - link.lower;
            result.min = result.min - link.upper;
        }
    }
    result.max = result.nominal + result.max;
    result.min = result.nominal + result.min;
    return result;
}

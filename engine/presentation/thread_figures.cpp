#include "presentation/thread_figures.h"

#include <cstdint>
#include <cstdlib>

std::string ThreadLimitMm(ExactLength limit)
{
    const std::int64_t magnitude = std::llabs(limit.nm);
    const std::int64_t um = (magnitude + 500) / 1000;
    if (um == 0)
        return "0.000";
    std::string fraction = std::to_string(um % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return (limit.nm < 0 ? "-" : "") + std::to_string(um / 1000) + "." + fraction;
}

BoltFigures PresentBolt(const BoltLimits& bolt)
{
    return {ThreadClassName(bolt.threadClass),
            ThreadLimitMm(bolt.majorMax),
            ThreadLimitMm(bolt.majorMin),
            ThreadLimitMm(bolt.pitchMax),
            ThreadLimitMm(bolt.pitchMin),
            ThreadLimitMm(bolt.rootMax),
            SignedUm(bolt.es),
            FormatUm(bolt.td),
            FormatUm(bolt.td2)};
}

NutFigures PresentNut(const NutLimits& nut)
{
    return {ThreadClassName(nut.threadClass),
            ThreadLimitMm(nut.majorMin),
            ThreadLimitMm(nut.pitchMax),
            ThreadLimitMm(nut.pitchMin),
            ThreadLimitMm(nut.minorMax),
            ThreadLimitMm(nut.minorMin),
            SignedUm(nut.ei),
            FormatUm(nut.td1),
            FormatUm(nut.td2)};
}

ThreadFitFigures PresentThreadFit(const ThreadFit& fit)
{
    return {FormatUm(fit.minClearance), FormatUm(fit.maxClearance)};
}

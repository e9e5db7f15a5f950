#include "exact_length.h"

#include <cstdlib>

namespace {

// value / 10^decimals as exact decimal text, trailing zeros dropped.
std::string FormatScaled(std::int64_t value, int decimals)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const std::uint64_t magnitude
        = value < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / static_cast<std::uint64_t>(scale));
    std::string fraction = std::to_string(magnitude % static_cast<std::uint64_t>(scale));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

} // namespace

double ToUm(ExactLength length)
{
    // One correctly rounded division: the nearest double to the exact decimal, so that a shortest
    // round-trip printer (JSON) writes the exact decimal back.
    return static_cast<double>(length.nm) / 1e3;
}

double ToMm(ExactLength length)
{
    return static_cast<double>(length.nm) / 1e6;
}

std::string FormatUm(ExactLength length)
{
    return FormatScaled(length.nm, 3);
}

std::string FormatMm(ExactLength length)
{
    return FormatScaled(length.nm, 6);
}

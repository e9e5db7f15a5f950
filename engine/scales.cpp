#include "scales.h"

#include <algorithm>
#include <cmath>

std::span<const std::string_view> LetterTextsOf(int basis)
{
    switch (basis) {
    case kBasisHole:
        return kHoleLetters;
    case kBasisShaft:
        return kShaftLetters;
    default:
        return {};
    }
}

std::optional<int> PositionOf(std::span<const std::string_view> texts, std::string_view text)
{
    const auto found = std::find(texts.begin(), texts.end(), text);
    if (found == texts.end())
        return std::nullopt;
    return static_cast<int>(found - texts.begin());
}

namespace {

// Index of the first bound that is not below the size: bounds are upper bounds, included.
std::optional<int> IndexOfUpperBound(std::span<const double> upperBounds, double nominalMm)
{
    if (std::isnan(nominalMm))
        return std::nullopt;
    const auto found = std::lower_bound(upperBounds.begin(), upperBounds.end(), nominalMm);
    if (found == upperBounds.end())
        return std::nullopt;
    return static_cast<int>(found - upperBounds.begin());
}

} // namespace

std::optional<int> SizeRangeHolding(double nominalMm)
{
    return IndexOfUpperBound(kSizeRangeUpperBounds, nominalMm);
}

std::optional<int> SizeBandHolding(double nominalMm)
{
    if (!(nominalMm > 0.0))
        return std::nullopt;
    return IndexOfUpperBound(kSizeBandUpperBounds, nominalMm);
}

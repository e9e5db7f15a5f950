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

namespace {

std::optional<int> IndexOfExactUpperBound(std::span<const double> upperBounds, ExactLength size)
{
    if (size.nm <= 0 || size > ExactLength::FromMm(kLargestSizeMm))
        return std::nullopt;
    for (std::size_t index = 0; index < upperBounds.size(); ++index) {
        if (size <= ExactLength::FromMm(static_cast<std::int64_t>(upperBounds[index])))
            return static_cast<int>(index);
    }
    return std::nullopt;
}

} // namespace

std::optional<int> SizeBandOf(ExactLength size)
{
    return IndexOfExactUpperBound(kSizeBandUpperBounds, size);
}

std::optional<int> SizeRangeOf(ExactLength size)
{
    return IndexOfExactUpperBound(kSizeRangeUpperBounds, size);
}

std::pair<ExactLength, ExactLength> SizeBandBounds(int band)
{
    const auto index = static_cast<std::size_t>(band);
    const auto lower = band == 0 ? 0.0 : kSizeBandUpperBounds[index - 1];
    return {ExactLength::FromMm(static_cast<std::int64_t>(lower)),
            ExactLength::FromMm(static_cast<std::int64_t>(kSizeBandUpperBounds[index]))};
}

#include "core/scales.h"

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

// The dialog's scales are the start of the core's: the same rows, lines and grades up to 500 mm and IT12.
constexpr bool DialogScalesStartTheCoreScales()
{
    for (int index = 0; index < kSizeRangeCount; ++index) {
        if (kSizeRangeUpperBounds[static_cast<std::size_t>(index)]
            != static_cast<double>(kCoreSizeRangeUpperBoundsMm[static_cast<std::size_t>(index)]))
            return false;
    }
    for (int index = 0; index < kSizeBandCount; ++index) {
        if (kSizeBandUpperBounds[static_cast<std::size_t>(index)]
            != static_cast<double>(kCoreSizeBandUpperBoundsMm[static_cast<std::size_t>(index)]))
            return false;
    }
    for (int index = 0; index < kGradeCount; ++index) {
        if (kGradeTexts[static_cast<std::size_t>(index)] != kCoreGradeNames[static_cast<std::size_t>(index)])
            return false;
    }
    return kSizeRangeUpperBounds.back() == static_cast<double>(kDialogLargestSizeMm)
        && kCoreSizeRangeUpperBoundsMm.back() == kLargestSizeMm && kCoreSizeBandUpperBoundsMm.back() == kLargestSizeMm;
}
static_assert(DialogScalesStartTheCoreScales());

std::optional<int> IndexOfExactUpperBound(std::span<const std::int64_t> upperBoundsMm, ExactLength size)
{
    if (size.nm <= 0)
        return std::nullopt;
    const auto found = std::find_if(upperBoundsMm.begin(), upperBoundsMm.end(),
                                    [size](std::int64_t upperMm) { return size <= ExactLength::FromMm(upperMm); });
    if (found == upperBoundsMm.end())
        return std::nullopt;
    return static_cast<int>(found - upperBoundsMm.begin());
}

std::pair<ExactLength, ExactLength> Bounds(std::span<const std::int64_t> upperBoundsMm, int index)
{
    const auto position = static_cast<std::size_t>(index);
    return {ExactLength::FromMm(index == 0 ? 0 : upperBoundsMm[position - 1]),
            ExactLength::FromMm(upperBoundsMm[position])};
}

} // namespace

std::optional<int> SizeBandOf(ExactLength size)
{
    return IndexOfExactUpperBound(kCoreSizeBandUpperBoundsMm, size);
}

std::optional<int> SizeRangeOf(ExactLength size)
{
    return IndexOfExactUpperBound(kCoreSizeRangeUpperBoundsMm, size);
}

std::pair<ExactLength, ExactLength> SizeBandBounds(int band)
{
    return Bounds(kCoreSizeBandUpperBoundsMm, band);
}

std::pair<ExactLength, ExactLength> SizeRangeBounds(int sizeRange)
{
    return Bounds(kCoreSizeRangeUpperBoundsMm, sizeRange);
}

int SizeRangeOfBand(int band)
{
    return *SizeRangeOf(SizeBandBounds(band).second);
}

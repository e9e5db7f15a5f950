#include "presentation/drawing_line.h"

#include "core/tolerance_class.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kFewestDecimals = 3;

// The decimals of a length in mm that keep it exact: 25 µm needs 3, 0.3 µm 4, 0.15 µm 5.
int DecimalsNeeded(ExactLength length)
{
    int decimals = 6;
    std::int64_t nm = length.nm;
    while (decimals > kFewestDecimals && nm % 10 == 0) {
        nm /= 10;
        --decimals;
    }
    return decimals;
}

std::string SignedMmWith(ExactLength length, int decimals)
{
    if (length.nm == 0)
        return "0";
    std::string text = FormatMm(length);
    const auto point = text.find('.');
    const int shown = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    if (point == std::string::npos)
        text += '.';
    text.append(static_cast<std::size_t>(decimals - shown), '0');
    return (length.nm > 0 ? "+" : "") + text;
}

std::string PartText(const PartLimits& part, int decimals)
{
    return PartName(part) + "(" + SignedMmWith(part.deviations.upper, decimals) + "/"
        + SignedMmWith(part.deviations.lower, decimals) + ")";
}

} // namespace

std::string DrawingLine(const FitAnalysis& fit)
{
    const std::array deviations {fit.hole.deviations.upper, fit.hole.deviations.lower, fit.shaft.deviations.upper,
                                 fit.shaft.deviations.lower};
    int decimals = kFewestDecimals;
    for (const ExactLength deviation : deviations)
        decimals = std::max(decimals, DecimalsNeeded(deviation));
    return "Ø" + FormatMm(fit.size) + " " + PartText(fit.hole, decimals) + "/" + PartText(fit.shaft, decimals);
}

std::string SeatDrawingLine(const PartLimits& part, ExactLength size)
{
    const int decimals = std::max(DecimalsNeeded(part.deviations.upper), DecimalsNeeded(part.deviations.lower));
    return "Ø" + FormatMm(size) + " " + PartText(part, decimals);
}

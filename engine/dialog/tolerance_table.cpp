#include "dialog/tolerance_table.h"

#include "core/scales.h"
#include "core/standard_tolerances.h"
#include "dialog/calc_state.h"
#include "dialog/dialog_view.h"
#include "dialog/messages.h"

#include <array>

namespace {

bool SizeFitsRange(double nominalMm, int sizeRange)
{
    const double upper = kSizeRangeUpperBounds[static_cast<std::size_t>(sizeRange)];
    if (sizeRange == 0)
        return nominalMm <= upper;
    const double lower = kSizeRangeUpperBounds[static_cast<std::size_t>(sizeRange - 1)];
    return nominalMm > lower && nominalMm <= upper;
}

} // namespace

std::optional<double> StandardToleranceMm(int sizeRange, int grade)
{
    // The dialog's own lists: its grades end at IT12 and its sizes at 500 mm.
    if (sizeRange < 0 || sizeRange >= kSizeRangeCount || grade < 0 || grade >= kGradeCount)
        return std::nullopt;
    const auto tolerance = StandardToleranceOfRange(sizeRange, grade);
    if (!tolerance)
        return std::nullopt;
    // The table's micrometres (tenths, exact) to millimetres by one multiplication, as for every
    // table value: IT7 of ">10-18" is 18 * 0.001, not the decimal constant 0.018.
    return static_cast<double>(tolerance->nm / 100) / 10.0 * 0.001;
}

double GetStandardTolerance(DialogView& view)
{
    const int sizeRange = g_calcState.nSizeRange;
    if (sizeRange < 0 || sizeRange >= kSizeRangeCount)
        return 0.0;
    const double tolerance = StandardToleranceMm(sizeRange, g_calcState.nGrade).value_or(0.0);
    if (!SizeFitsRange(g_calcState.dNominal, sizeRange))
        view.ShowMessage(kMsgSizeOutsideRange);
    return tolerance;
}

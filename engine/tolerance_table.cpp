#include "tolerance_table.h"

#include "calc_state.h"
#include "dialog_view.h"
#include "messages.h"
#include "scales.h"

#include <array>

namespace {

// ISO 286-1 standard tolerances in micrometres: rows are size ranges, columns IT01, IT0, IT1 to IT12.
constexpr std::array<std::array<double, kGradeCount>, kSizeRangeCount> kToleranceMicrometres = {{
    {0.3, 0.5, 0.8, 1.2, 2, 3, 4, 6, 10, 14, 25, 40, 60, 100},
    {0.4, 0.6, 1, 1.5, 2.5, 4, 5, 8, 12, 18, 30, 48, 75, 120},
    {0.4, 0.6, 1, 1.5, 2.5, 4, 6, 9, 15, 22, 36, 58, 90, 150},
    {0.5, 0.8, 1.2, 2, 3, 5, 8, 11, 18, 27, 43, 70, 110, 180},
    {0.6, 1, 1.5, 2.5, 4, 6, 9, 13, 21, 33, 52, 84, 130, 210},
    {0.6, 1, 1.5, 2.5, 4, 7, 11, 16, 25, 39, 62, 100, 160, 250},
    {0.8, 1.2, 2, 3, 5, 8, 13, 19, 30, 46, 74, 120, 190, 300},
    {1, 1.5, 2.5, 4, 6, 10, 15, 22, 35, 54, 87, 140, 220, 350},
    {1.2, 2, 3.5, 5, 8, 12, 18, 25, 40, 63, 100, 160, 250, 400},
    {2, 3, 4.5, 7, 10, 14, 20, 29, 46, 72, 115, 185, 290, 460},
    {2.5, 4, 6, 8, 12, 16, 23, 32, 52, 81, 130, 210, 320, 520},
    {3, 5, 7, 9, 13, 18, 25, 36, 57, 89, 140, 230, 360, 570},
    {4, 6, 8, 10, 15, 20, 27, 40, 63, 97, 155, 250, 400, 630},
}};

bool SizeFitsRange(double nominalMm, int sizeRange)
{
    const double upper = kSizeRangeUpperBounds[static_cast<std::size_t>(sizeRange)];
    if (sizeRange == 0)
        return nominalMm <= upper;
    const double lower = kSizeRangeUpperBounds[static_cast<std::size_t>(sizeRange - 1)];
    return nominalMm > lower && nominalMm <= upper;
}

} // namespace

std::optional<double> StandardTolerance(int sizeRange, int grade)
{
    if (sizeRange < 0 || sizeRange >= kSizeRangeCount || grade < 0 || grade >= kGradeCount)
        return std::nullopt;
    // Micrometres to millimetres by one multiplication, as for every table value.
    return kToleranceMicrometres[static_cast<std::size_t>(sizeRange)][static_cast<std::size_t>(grade)] * 0.001;
}

double GetStandardTolerance(DialogView& view)
{
    const int sizeRange = g_calcState.nSizeRange;
    if (sizeRange < 0 || sizeRange >= kSizeRangeCount)
        return 0.0;
    const double tolerance = StandardTolerance(sizeRange, g_calcState.nGrade).value_or(0.0);
    if (!SizeFitsRange(g_calcState.dNominal, sizeRange))
        view.ShowMessage(kMsgSizeOutsideRange);
    return tolerance;
}

#include "standard_tolerances.h"

#include "scales.h"

#include <array>

namespace {

// ISO 286-1 standard tolerances in tenths of a micrometre: rows are size ranges, columns IT01, IT0,
// IT1 to IT12. Kept as integers so that every value is exact.
constexpr std::array<std::array<int, kGradeCount>, kSizeRangeCount> kToleranceTenthsUm = {{
    {3, 5, 8, 12, 20, 30, 40, 60, 100, 140, 250, 400, 600, 1000},
    {4, 6, 10, 15, 25, 40, 50, 80, 120, 180, 300, 480, 750, 1200},
    {4, 6, 10, 15, 25, 40, 60, 90, 150, 220, 360, 580, 900, 1500},
    {5, 8, 12, 20, 30, 50, 80, 110, 180, 270, 430, 700, 1100, 1800},
    {6, 10, 15, 25, 40, 60, 90, 130, 210, 330, 520, 840, 1300, 2100},
    {6, 10, 15, 25, 40, 70, 110, 160, 250, 390, 620, 1000, 1600, 2500},
    {8, 12, 20, 30, 50, 80, 130, 190, 300, 460, 740, 1200, 1900, 3000},
    {10, 15, 25, 40, 60, 100, 150, 220, 350, 540, 870, 1400, 2200, 3500},
    {12, 20, 35, 50, 80, 120, 180, 250, 400, 630, 1000, 1600, 2500, 4000},
    {20, 30, 45, 70, 100, 140, 200, 290, 460, 720, 1150, 1850, 2900, 4600},
    {25, 40, 60, 80, 120, 160, 230, 320, 520, 810, 1300, 2100, 3200, 5200},
    {30, 50, 70, 90, 130, 180, 250, 360, 570, 890, 1400, 2300, 3600, 5700},
    {40, 60, 80, 100, 150, 200, 270, 400, 630, 970, 1550, 2500, 4000, 6300},
}};

} // namespace

std::optional<ExactLength> StandardToleranceOfRange(int sizeRange, int grade)
{
    if (sizeRange < 0 || sizeRange >= kSizeRangeCount || grade < 0 || grade >= kGradeCount)
        return std::nullopt;
    const int tenths = kToleranceTenthsUm[static_cast<std::size_t>(sizeRange)][static_cast<std::size_t>(grade)];
    return ExactLength {static_cast<std::int64_t>(tenths) * 100};
}

Result<ExactLength, Failure> StandardTolerance(int grade, ExactLength size)
{
    if (grade < 0 || grade >= kGradeCount)
        return Failure {Failure::Kind::GradeOffScale};
    const auto range = SizeRangeOf(size);
    if (!range)
        return Failure {Failure::Kind::SizeOffScale};
    return *StandardToleranceOfRange(*range, grade);
}

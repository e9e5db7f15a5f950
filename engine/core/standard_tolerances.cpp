#include "core/standard_tolerances.h"

#include "core/scales.h"

#include <array>

namespace {

constexpr int kNone = -1; // the standard gives no value

// ISO 286-1 standard tolerances in tenths of a micrometre: rows are size ranges (mm), columns IT01,
// IT0, IT1 to IT18. Kept as integers so that every value is exact; one size range a line.
// clang-format off
constexpr std::array<std::array<int, kCoreGradeCount>, kCoreSizeRangeCount> kToleranceTenthsUm = {{
    {3, 5, 8, 12, 20, 30, 40, 60, 100, 140, 250, 400, 600, 1000, 1400, 2500, 4000, 6000, 10000, 14000}, // up to 3
    {4, 6, 10, 15, 25, 40, 50, 80, 120, 180, 300, 480, 750, 1200, 1800, 3000, 4800, 7500, 12000, 18000}, // 3 to 6
    {4, 6, 10, 15, 25, 40, 60, 90, 150, 220, 360, 580, 900, 1500, 2200, 3600, 5800, 9000, 15000, 22000}, // 6 to 10
    {5, 8, 12, 20, 30, 50, 80, 110, 180, 270, 430, 700, 1100, 1800, 2700, 4300, 7000, 11000, 18000, 27000}, // 10 to 18
    {6, 10, 15, 25, 40, 60, 90, 130, 210, 330, 520, 840, 1300, 2100, 3300, 5200, 8400, 13000, 21000, 33000}, // 18 to 30
    {6, 10, 15, 25, 40, 70, 110, 160, 250, 390, 620, 1000, 1600, 2500, 3900, 6200, 10000, 16000, 25000, 39000}, // 30 to 50
    {8, 12, 20, 30, 50, 80, 130, 190, 300, 460, 740, 1200, 1900, 3000, 4600, 7400, 12000, 19000, 30000, 46000}, // 50 to 80
    {10, 15, 25, 40, 60, 100, 150, 220, 350, 540, 870, 1400, 2200, 3500, 5400, 8700, 14000, 22000, 35000, 54000}, // 80 to 120
    {12, 20, 35, 50, 80, 120, 180, 250, 400, 630, 1000, 1600, 2500, 4000, 6300, 10000, 16000, 25000, 40000, 63000}, // 120 to 180
    {20, 30, 45, 70, 100, 140, 200, 290, 460, 720, 1150, 1850, 2900, 4600, 7200, 11500, 18500, 29000, 46000, 72000}, // 180 to 250
    {25, 40, 60, 80, 120, 160, 230, 320, 520, 810, 1300, 2100, 3200, 5200, 8100, 13000, 21000, 32000, 52000, 81000}, // 250 to 315
    {30, 50, 70, 90, 130, 180, 250, 360, 570, 890, 1400, 2300, 3600, 5700, 8900, 14000, 23000, 36000, 57000, 89000}, // 315 to 400
    {40, 60, 80, 100, 150, 200, 270, 400, 630, 970, 1550, 2500, 4000, 6300, 9700, 15500, 25000, 40000, 63000, 97000}, // 400 to 500
    {kNone, kNone, 90, 110, 160, 220, 320, 440, 700, 1100, 1750, 2800, 4400, 7000, 11000, 17500, 28000, 44000, 70000, 110000}, // 500 to 630
    {kNone, kNone, 100, 130, 180, 250, 360, 500, 800, 1250, 2000, 3200, 5000, 8000, 12500, 20000, 32000, 50000, 80000, 125000}, // 630 to 800
    {kNone, kNone, 110, 150, 210, 280, 400, 560, 900, 1400, 2300, 3600, 5600, 9000, 14000, 23000, 36000, 56000, 90000, 140000}, // 800 to 1000
    {kNone, kNone, 130, 180, 240, 330, 470, 660, 1050, 1650, 2600, 4200, 6600, 10500, 16500, 26000, 42000, 66000, 105000, 165000}, // 1000 to 1250
    {kNone, kNone, 150, 210, 290, 390, 550, 780, 1250, 1950, 3100, 5000, 7800, 12500, 19500, 31000, 50000, 78000, 125000, 195000}, // 1250 to 1600
    {kNone, kNone, 180, 250, 350, 460, 650, 920, 1500, 2300, 3700, 6000, 9200, 15000, 23000, 37000, 60000, 92000, 150000, 230000}, // 1600 to 2000
    {kNone, kNone, 220, 300, 410, 550, 780, 1100, 1750, 2800, 4400, 7000, 11000, 17500, 28000, 44000, 70000, 110000, 175000, 280000}, // 2000 to 2500
    {kNone, kNone, 260, 360, 500, 680, 960, 1350, 2100, 3300, 5400, 8600, 13500, 21000, 33000, 54000, 86000, 135000, 210000, 330000}, // 2500 to 3150
}};
// clang-format on

} // namespace

std::optional<ExactLength> StandardToleranceOfRange(int sizeRange, int grade)
{
    if (sizeRange < 0 || sizeRange >= kCoreSizeRangeCount || grade < 0 || grade >= kCoreGradeCount)
        return std::nullopt;
    const int tenths = kToleranceTenthsUm[static_cast<std::size_t>(sizeRange)][static_cast<std::size_t>(grade)];
    if (tenths == kNone)
        return std::nullopt;
    return ExactLength {static_cast<std::int64_t>(tenths) * 100};
}

Result<ExactLength, Failure> StandardTolerance(int grade, ExactLength size)
{
    if (grade < 0 || grade >= kCoreGradeCount)
        return Failure {Failure::Kind::GradeOffScale};
    const auto range = SizeRangeOf(size);
    if (!range)
        return Failure {Failure::Kind::SizeOffScale};
    if (grade >= kGradeIT14 && IsOneMillimetreOrLess(size))
        return Failure {Failure::Kind::NotUsedAtThisSize};
    const auto tolerance = StandardToleranceOfRange(*range, grade);
    if (!tolerance) {
        Failure none {Failure::Kind::NoStandardValue};
        none.undefined = Failure::Undefined::Above500Mm;
        return none;
    }
    return *tolerance;
}

bool IsExperimentalTolerance(int grade, ExactLength size)
{
    return grade >= kGradeIT1 && grade <= kGradeIT5 && size > ExactLength::FromMm(kDialogLargestSizeMm);
}

bool IsOneMillimetreOrLess(ExactLength size)
{
    return size <= ExactLength::FromMm(1);
}

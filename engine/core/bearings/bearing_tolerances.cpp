#include "core/bearings/bearing_tolerances.h"

#include <array>

namespace {

struct BearingRow
{
    double overMm;
    double upToMm;
    std::array<int, 3> lowerUm; // Normal, 6, 5: the lower deviation's magnitude
};

// Inner ring, tΔdmp, µm (ISO 492:2014 Table 2 Normal, Table 4 class 6, Table 6 class 5; the same
// as the makers' catalogues print them, NTN Table 5.1 and SKF's class P5 table).
constexpr std::array kInnerRows = {
    BearingRow {0.6, 2.5, {8, 7, 5}},    BearingRow {2.5, 10, {8, 7, 5}},     BearingRow {10, 18, {8, 7, 5}},
    BearingRow {18, 30, {10, 8, 6}},     BearingRow {30, 50, {12, 10, 8}},    BearingRow {50, 80, {15, 12, 9}},
    BearingRow {80, 120, {20, 15, 10}},  BearingRow {120, 150, {25, 18, 13}}, BearingRow {150, 180, {25, 18, 13}},
    BearingRow {180, 250, {30, 22, 15}}, BearingRow {250, 315, {35, 25, 18}}, BearingRow {315, 400, {40, 30, 23}},
    BearingRow {400, 500, {45, 35, 28}},
};

// Outer ring, tΔDmp, µm (ISO 492:2014 Table 3 Normal, Table 5 class 6, Table 7 class 5).
constexpr std::array kOuterRows = {
    BearingRow {2.5, 6, {8, 7, 5}},      BearingRow {6, 18, {8, 7, 5}},       BearingRow {18, 30, {9, 8, 6}},
    BearingRow {30, 50, {11, 9, 7}},     BearingRow {50, 80, {13, 11, 9}},    BearingRow {80, 120, {15, 13, 10}},
    BearingRow {120, 150, {18, 15, 11}}, BearingRow {150, 180, {25, 18, 13}}, BearingRow {180, 250, {30, 20, 15}},
    BearingRow {250, 315, {35, 25, 18}}, BearingRow {315, 400, {40, 28, 20}}, BearingRow {400, 500, {45, 33, 23}},
    BearingRow {500, 630, {50, 38, 28}},
};

// Table diameters have at most one decimal: the nearest nanometre is the exact one.
ExactLength Nm(double mm)
{
    return {static_cast<std::int64_t>(mm * 1'000'000.0 + 0.5)};
}

} // namespace

std::optional<BearingClass> ParseBearingClass(std::string_view text)
{
    if (text == "normal" || text == "Normal")
        return BearingClass::Normal;
    if (text == "6")
        return BearingClass::Class6;
    if (text == "5")
        return BearingClass::Class5;
    return std::nullopt;
}

std::string_view BearingClassName(BearingClass bearingClass)
{
    switch (bearingClass) {
    case BearingClass::Normal:
        return "Normal";
    case BearingClass::Class6:
        return "6";
    case BearingClass::Class5:
        return "5";
    }
    return "Normal";
}

Result<BearingRingTolerance, BearingRefusal> FindBearingRingTolerance(BearingRing ring, BearingClass bearingClass,
                                                                      ExactLength diameter)
{
    if (diameter.nm <= 0)
        return BearingRefusal::NotPositive;
    const auto find = [&](const auto& rows) -> Result<BearingRingTolerance, BearingRefusal> {
        for (const BearingRow& row : rows) {
            const BearingDiameterRange range {Nm(row.overMm), Nm(row.upToMm)};
            if (diameter > range.over && diameter <= range.upTo) {
                const int lower = row.lowerUm[static_cast<std::size_t>(bearingClass)];
                return BearingRingTolerance {ring, bearingClass, range,
                                             LimitDeviations {ExactLength {}, ExactLength::FromUm(-lower)}};
            }
        }
        return BearingRefusal::OutsideTables;
    };
    return ring == BearingRing::Inner ? find(kInnerRows) : find(kOuterRows);
}

BearingDiameterRange BearingTableSpan(BearingRing ring)
{
    if (ring == BearingRing::Inner)
        return {Nm(kInnerRows.front().overMm), Nm(kInnerRows.back().upToMm)};
    return {Nm(kOuterRows.front().overMm), Nm(kOuterRows.back().upToMm)};
}

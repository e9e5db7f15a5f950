#pragma once

#include "core/exact_length.h"
#include "core/failure.h"
#include "core/loaded_tables.h"
#include "core/result.h"
#include "core/tolerance_class.h"

#include <optional>

struct LimitDeviations
{
    ExactLength upper;
    ExactLength lower;
};

// How a class's zone is placed from its fundamental deviation F and the standard tolerance T.
enum class Placement {
    AboveFundamental, // F is the lower deviation: holes A to H, shafts j to zc
    BelowFundamental, // F is the upper deviation: shafts a to h, holes J, K/M/N coarser than IT8, P to ZC IT8+
    BelowFundamentalPlusDelta, // upper deviation F + delta: holes K/M/N to IT8, P to ZC to IT7
    Symmetric, // JS and js: plus and minus half of T, no table value needed
};

// The placement up to 500 mm, as the dialog uses it.
Placement PlacementOf(const ToleranceClass& toleranceClass);

// The placement in a size band: above 500 mm the standard has no delta, and K, M, N and P to ZC
// take their table value as the upper deviation in every grade.
Placement PlacementInBand(const ToleranceClass& toleranceClass, int sizeBand);

// The file that holds a class's fundamental deviation, and the column; no column for J and j at
// grades the standard gives none.
TableId FundamentalDeviationTable(const ToleranceClass& toleranceClass);
std::optional<int> FundamentalDeviationColumn(const ToleranceClass& toleranceClass);

// Column of the delta file for a grade (IT3's column for every grade outside IT4 to IT8).
int DeltaColumn(int grade);

// False where the standard has no such class even with a fundamental deviation at hand: holes P to
// ZC finer than IT3, and hole K at IT12.
bool IsDefinedByRules(const ToleranceClass& toleranceClass);

// Upper deviations the standard gives apart from its rule, which the tables cannot hold.
std::optional<ExactLength> SpecialUpperDeviation(const ToleranceClass& toleranceClass, int sizeBand);

// The limit deviations of a class at a size over 0 and up to the largest size covered, from tables
// loaded in memory; reads only the cells the class needs. Classes the standard's notes rule out for
// sizes of 1 mm and less are refused there (NotUsedAtThisSize); a part whose smallest limit of size
// would be zero or less is none (LimitSizeNotPositive).
Result<LimitDeviations, Failure> LimitDeviationsOf(const DeviationTables& tables, const ToleranceClass& toleranceClass,
                                                   ExactLength size);

// The same for a size band, the size itself not needed (whole-table export): the first band's
// values hold for all its sizes, the 1 mm notes aside.
Result<LimitDeviations, Failure> LimitDeviationsInBand(const DeviationTables& tables,
                                                       const ToleranceClass& toleranceClass, int sizeBand);

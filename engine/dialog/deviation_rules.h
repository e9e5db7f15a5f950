#pragma once

#include "dialog/deviation_tables.h"

#include <optional>

class DialogView;

// Size band of a calculation: a size over 0 and up to 500 mm takes the band that holds it. Any other
// size falls back on the size range only where size ranges and size bands agree (the first three).
std::optional<int> SizeBandForCalculation(double nominalMm, int sizeRange);

// Works out the limit deviations of the calculation state's choices into dUpper and dLower.
// False when there is no result: a choice is missing or off its scale, or no table value exists.
bool FindDeviations(DialogView& view, const TableFolder& folder);

// The deviation rules: the fundamental deviation v (micrometres) and the tolerance T (mm) of a
// basis, letter and grade give dUpper and dLower; reads the delta value where a rule needs it.
// False when the combination has no result (the values may still have been stored).
bool ComputeLimitDeviations(DialogView& view, const TableFolder& folder, int basis, int sizeBand, int grade, int letter,
                            double toleranceMm, double fundamentalMicrometres);

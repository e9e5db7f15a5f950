#pragma once

#include <optional>

class DialogView;

// Standard tolerance of ISO 286-1 for a size range and a grade index, mm; nothing off the dialog's
// scales (its grades IT01 to IT12, its sizes up to 500 mm).
std::optional<double> StandardToleranceMm(int sizeRange, int grade);

// The standard tolerance for the size range and grade of the calculation state, in mm (0.0 when
// either is not chosen). Warns through the view when the nominal size is outside the size range;
// the value is returned all the same.
double GetStandardTolerance(DialogView& view);

#pragma once

#include "core/fit_analysis.h"

#include <string>

// The pieces of a found fit's line in text output.

// The fit's name, padded to a column: "H7/s6     ".
std::string FitColumn(const FitAnalysis& fit);

// The clearances of a fit in the words of its type: "interference 18 to 59 µm".
std::string ClearanceWords(const FitAnalysis& fit);

#pragma once

#include "core/exact_length.h"
#include "core/failure.h"
#include "core/result.h"

#include <optional>

// ISO 286-1 standard tolerance of a size range (row) and grade index (column); nothing off the
// scales, and nothing where the standard gives none (IT01 and IT0 above 500 mm).
std::optional<ExactLength> StandardToleranceOfRange(int sizeRange, int grade);

// The standard tolerance of a grade at a size over 0 and up to the largest size covered. IT14 to
// IT18 are refused for sizes of 1 mm and less, as the standard's note says.
Result<ExactLength, Failure> StandardTolerance(int grade, ExactLength size);

// IT1 to IT5 above 500 mm: the standard gives them for experimental use only; answers say so.
bool IsExperimentalTolerance(int grade, ExactLength size);

// Sizes of 1 mm and less, for which the standard's notes rule out some grades and letters.
bool IsOneMillimetreOrLess(ExactLength size);

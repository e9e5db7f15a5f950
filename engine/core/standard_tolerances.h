#pragma once

#include "exact_length.h"
#include "failure.h"
#include "result.h"

#include <optional>

// ISO 286-1 standard tolerance of a size range (row) and grade index (column); nothing off the scales.
std::optional<ExactLength> StandardToleranceOfRange(int sizeRange, int grade);

// The standard tolerance of a grade at a size over 0 and up to the largest size covered.
Result<ExactLength, Failure> StandardTolerance(int grade, ExactLength size);

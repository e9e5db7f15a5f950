#pragma once

#include "core/tolerance_class.h"

// Whether ISO 286-2 prints the class in its tables of limit deviations. Every class the ISO 286-1
// rules define is computed alike; this only tells a reader which of them the printed tables hold
// (H7, E10, k13) and which go beyond them (E13, m12, t10, H01). Decided by letter and grade: where
// a printed class has no value at a size, the rules have none either and the class is refused.
bool IsTabulated(const ToleranceClass& toleranceClass);

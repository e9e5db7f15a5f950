#pragma once

#include "exact_length.h"
#include "tolerance_class.h"

// Which classes the standard defines beyond the dialog's range, and the classes its notes rule out
// for the smallest sizes. Up to IT12 and 500 mm the tables alone decide.

// Beyond IT12 the standard gives only a few letters: A, B, C, D and a, b, c, d, k to IT13, H, JS, h
// and js to IT18. Every class up to IT12 passes.
bool IsDefinedAtItsGrade(const ToleranceClass& toleranceClass);

// Above 500 mm the standard gives d to u (without cd, ef, fg and j) and D to U alike.
bool IsDefinedAbove500Mm(const ToleranceClass& toleranceClass);

// The standard's notes for sizes of 1 mm and less: not IT14 to IT18, not A, B, a or b, and not N
// coarser than IT8.
bool IsUsedAtOneMillimetreOrLess(const ToleranceClass& toleranceClass);

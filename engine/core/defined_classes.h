#pragma once

#include "core/exact_length.h"
#include "core/tolerance_class.h"

// Which letters the standard defines above 500 mm, and the classes its notes rule out for the
// smallest sizes. Grades do not matter otherwise: the rules place every letter at every grade, and
// the tables' cells decide the rest.

// Above 500 mm the standard gives d to u (without cd, ef, fg and j) and D to U alike.
bool IsDefinedAbove500Mm(const ToleranceClass& toleranceClass);

// The standard's notes for sizes of 1 mm and less: not IT14 to IT18, not A, B, a or b, and not N
// coarser than IT8.
bool IsUsedAtOneMillimetreOrLess(const ToleranceClass& toleranceClass);

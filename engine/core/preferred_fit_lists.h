#pragma once

#include "core/fit_type.h"
#include "core/tolerance_class.h"

#include <span>
#include <string_view>

// The preferred fit designations of a fit class for a basis, in the order they are listed; none for
// a basis or fit class off its scale. The grouping by basis is the main dialog's own (its hole
// basis lists fits on an h shaft), not the standard's hole-basis and shaft-basis systems.
std::span<const std::string_view> PreferredFits(int basis, FitType type);

// A preferred fit of ISO 286-1 and the fit type the standard lists it under (the type it has at
// most sizes; the analysis at a size tells the type there).
struct IsoPreferredFit
{
    std::string_view designation;
    FitType type = FitType::Clearance;
};

// The preferred fits of ISO 286-1, hole basis (H11/c11 ... H7/u6) then shaft basis (C11/h11 ...
// U7/h6); H7/h6 belongs to both systems and is listed once. The finder, the workbench's table and
// the page list these; the main dialog keeps its own lists (PreferredFits).
std::span<const IsoPreferredFit> IsoPreferredFitList();

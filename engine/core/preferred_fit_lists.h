#pragma once

#include "fit_type.h"
#include "tolerance_class.h"

#include <span>
#include <string_view>

// The preferred fit designations of a fit class for a basis, in the order they are listed; none for
// a basis or fit class off its scale. The grouping by basis is the main dialog's own (its hole
// basis lists fits on an h shaft), not the standard's hole-basis and shaft-basis systems.
std::span<const std::string_view> PreferredFits(int basis, FitType type);

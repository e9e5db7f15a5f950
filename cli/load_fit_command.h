#pragma once

#include "cli/commands.h"
#include "core/fit_search.h"

#include <cstddef>
#include <iosfwd>

// find-fit by load: every fit that holds the torque and axial force of request.load, best first, at
// most shownAtMost of them shown.
int RunLoadFitSearch(const FindFitRequest& request, const FitSearchRequest& search, std::size_t shownAtMost,
                     std::ostream& out, std::ostream& err);

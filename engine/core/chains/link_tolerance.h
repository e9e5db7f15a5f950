#pragma once

#include "core/chains/link_problem.h"
#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/result.h"

#include <string_view>

// A link's tolerance as a drawing writes it, resolved at the link's nominal size to its limit
// deviations: "±0.1" (also "+-0.1"), "+0.1/-0.05" (mm), an ISO 286 class "h7", "H7", "js9" from the
// tables, or a general tolerance for linear sizes "2768-m", "ISO 2768-m", "GB/T 1804-m". A minus
// sign may be written "−" (U+2212), as typeset drawings have it.
Result<LimitDeviations, LinkProblem> ResolveTolerance(const DeviationTables& tables, std::string_view text,
                                                      ExactLength nominal);

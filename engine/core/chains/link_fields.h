#pragma once

#include "core/chains/chain_link.h"
#include "core/chains/link_problem.h"
#include "core/loaded_tables.h"
#include "core/result.h"

#include <optional>
#include <string>

// A link as typed, one text per field (a CSV row, a JSON object, a page's table row), and the one
// reader that makes a link of it: every front end refuses the same links for the same reasons.
struct LinkFields
{
    std::string name;
    std::string direction; // "+1", "1" or "-1" (also "−1")
    std::string nominalMm;
    std::string tolerance;
    std::optional<std::string> distribution; // normal (also when empty), uniform, triangular
    std::optional<std::string> cpk; // empty for none
    std::optional<std::string> meanShiftMm; // empty for none
};

Result<ChainLink, LinkProblem> ReadLink(const DeviationTables& tables, const LinkFields& fields);

#pragma once

#include "answers/answer.h"
#include "answers/answer_options.h"
#include "core/loaded_tables.h"

#include <filesystem>
#include <nlohmann/json.hpp>

// A dimension chain's closing dimension by the worst case, the statistical method and a Monte Carlo
// run, each link's contribution, and the links resolved to their limits (docs/dimension-chains.md).
// Options:
//   csv: the chain as CSV text, or links: [{name, direction, nominal_mm, tolerance, distribution,
//   cpk, mean_shift_mm}] (numbers as JSON numbers or text); require: [min_mm, max_mm];
//   method: "worst", "rss", "mc" or "all" (default); samples (default 1,000,000); seed (default 286);
//   charts: true adds the histogram and the contributions as SVG (charts.histogram_svg, .contributions_svg).
// A refusal names the CSV line, or the link's number, at fault; tables is the folder the deviation
// tables were read from, for a message about one of their files.
Answer StackAnswer(const DeviationTables& tables, const nlohmann::json& options,
                   OptionNaming naming = OptionNaming::Keyword, const std::filesystem::path& tablesFolder = {});

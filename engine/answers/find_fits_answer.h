#pragma once

#include "answers/answer.h"
#include "answers/answer_options.h"
#include "core/fit_search.h"
#include "core/loaded_tables.h"

#include <cstddef>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <vector>

// The fit finder's answer: every fit within a clearance range, best first.

struct FitSearchQuery
{
    FitSearchRequest search;
    std::size_t limit = 20; // fits answered; 0 for all
};

// The search from its options: size_mm; min_clearance or max_interference; max_clearance or
// min_interference (µm); basis ("hole", "shaft", "any"); grades ("5-11", "IT5-IT11", "01-18");
// all_grade_pairs; limit; near (how many fits that miss the range by the least follow the matches). Numbers as JSON
// numbers or text; a missing or null option takes its default.
Result<FitSearchQuery, AnswerRefusal> ReadFitSearch(const nlohmann::json& options,
                                                    OptionNaming naming = OptionNaming::Keyword);

// The fits an answer lists: the matches cut to the limit (0: all), then the near misses, which the
// search puts last.
struct ListedFits
{
    std::vector<const FoundFit*> fits;
    std::size_t matches = 0; // fits found that meet the range
    std::size_t shown = 0; // of them, listed
};
ListedFits ListFits(const std::vector<FoundFit>& found, std::size_t limit);

// A found fit: the fit's object with "preferred" and "miss_um" (0 for a fit that meets the range).
nlohmann::ordered_json FoundFitJson(const FoundFit& fit);

// A found fit's clearances and fit tolerance as a list shows them: {"min_clearance_um": "-48", ...}.
nlohmann::ordered_json FitRangeDisplayJson(const FitAnalysis& fit);

// The fits as an array of found-fit objects (empty when none meets the range).
Answer FindFitsAnswer(const DeviationTables& tables, const nlohmann::json& options,
                      const std::filesystem::path& folder = {});

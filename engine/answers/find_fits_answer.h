#pragma once

#include "answer.h"
#include "answer_options.h"
#include "fit_search.h"
#include "loaded_tables.h"

#include <cstddef>
#include <filesystem>
#include <nlohmann/json.hpp>

// The fit finder's answer: every fit within a clearance range, best first.

struct FitSearchQuery
{
    FitSearchRequest search;
    std::size_t limit = 20; // fits answered; 0 for all
};

// The search from its options: size_mm; min_clearance or max_interference; max_clearance or
// min_interference (µm); basis ("hole", "shaft", "any"); grades ("5-11", "IT5-IT11", "01-18");
// all_grade_pairs; limit. Numbers as JSON numbers or text; a missing or null option takes its default.
Result<FitSearchQuery, AnswerRefusal> ReadFitSearch(const nlohmann::json& options,
                                                    OptionNaming naming = OptionNaming::Keyword);

// A found fit: the fit's object with "preferred".
nlohmann::ordered_json FoundFitJson(const FoundFit& fit);

// The fits as an array of found-fit objects (empty when none meets the range).
Answer FindFitsAnswer(const DeviationTables& tables, const nlohmann::json& options,
                      const std::filesystem::path& folder = {});

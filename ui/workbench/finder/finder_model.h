#pragma once

#include "core/failure.h"
#include "core/fit_search.h"
#include "core/load_fit_search.h"
#include "core/result.h"
#include "workbench/analysis/analysis_model.h"
#include "workbench/service/service_model.h"

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

// The fit finder tab's one calculation, from the texts of its fields to the ranked fits, or what
// stands in the way of a search. Plain C++: the words are finder_texts'.

struct FinderInputs
{
    std::string sizeText;
    std::string minClearanceText; // µm; negative: an interference
    std::string maxClearanceText;
    SearchBasis basis = SearchBasis::Hole;
    int finestGrade = 6; // grade indices: IT5 ...
    int coarsestGrade = 12; // ... to IT11
    bool allGradePairs = false;
};

enum class ClearanceBound { Min, Max };

struct BoundProblem
{
    ClearanceBound bound = ClearanceBound::Min;
    bool empty = true; // else: not a number
};

struct BoundsReversed
{
    ExactLength minClearance;
    ExactLength maxClearance;
};

struct GradesReversed
{
};

// A table failure where the tables cannot be searched; for a search from the load, a field of the
// service tab that is no number, or a joint the core refuses or that lacks the hub, length or load.
using FinderProblem
    = std::variant<SizeProblem, BoundProblem, BoundsReversed, GradesReversed, Failure, FormProblem, ServiceRefusalOf>;

// Reads the tables of the folder (empty: the current directory) on every call. Best first.
Result<std::vector<FoundFit>, FinderProblem> FindFitsFor(const std::filesystem::path& tablesFolder,
                                                         const FinderInputs& inputs);

// The fits that hold the load of the service tab's joint (its fields as typed), at the finder's size,
// basis and grades; its clearance bounds play no part. Best first.
Result<std::vector<LoadFoundFit>, FinderProblem> FindFitsForLoad(const std::filesystem::path& tablesFolder,
                                                                 const FinderInputs& inputs, const ServiceForm& form);

#pragma once

#include "exact_length.h"
#include "failure.h"
#include "fit_analysis.h"
#include "loaded_tables.h"
#include "result.h"

#include <vector>

// Which fits a search pairs, in the standard's sense: the hole-basis system (every shaft in an H
// hole), the shaft-basis system (every hole on an h shaft), or every hole with every shaft.
enum class SearchBasis { Hole, Shaft, Any };

struct FitSearchRequest
{
    ExactLength size;
    ExactLength minClearance; // the smallest clearance must be at least this (negative: interference)
    ExactLength maxClearance; // the largest clearance must be at most this
    SearchBasis basis = SearchBasis::Hole;
    int finestGrade = 6; // grade indices, both included: IT5 ...
    int coarsestGrade = 12; // ... to IT11
    // Off: the hole's grade equals the shaft's or is one coarser (H7/g6, H8/f8), as practice pairs them.
    bool allGradePairs = false;
};

struct FoundFit
{
    FitAnalysis analysis;
    bool preferred = false;
};

// Every fit whose clearances stay within the requirement, best first: preferred fits, then the
// largest fit tolerance (the cheapest to make), then the mean clearance nearest the middle of the
// range, then hole letter and grade, then shaft letter and grade. Classes without a value at the
// size are no candidates; a table file problem fails the search.
Result<std::vector<FoundFit>, Failure> SearchFits(const DeviationTables& tables, const FitSearchRequest& request);

// Whether a fit meets the requirement.
bool MeetsRequirement(const FitAnalysis& fit, const FitSearchRequest& request);

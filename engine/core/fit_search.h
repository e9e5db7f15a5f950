#pragma once

#include "core/exact_length.h"
#include "core/failure.h"
#include "core/fit_analysis.h"
#include "core/loaded_tables.h"
#include "core/result.h"

#include <cstddef>
#include <span>
#include <string_view>
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
    // Up to this many fits that miss the requirement by the least, after those that meet it.
    std::size_t nearCount = 0;
};

struct FoundFit
{
    FitAnalysis analysis;
    bool preferred = false;
    // How far the fit's worse clearance extreme lies outside the required range; zero for a fit
    // that meets it.
    ExactLength miss;
};

// One of the preferred fits of ISO 286-1 (IsoPreferredFitList).
bool IsIsoPreferredFit(const FitDesignation& fit);

// The finder's order, best first: preferred fits; fits on a basis system (an H hole or an h
// shaft); the largest fit tolerance (the cheapest to make); at equal fit tolerance a hole one grade
// coarser than the shaft, then equal grades, then other pairs; the mean clearance nearest the
// middle of the range from minClearance to maxClearance; hole letter and grade, shaft letter and
// grade. No two different fits tie.
bool RanksBefore(const FoundFit& a, const FoundFit& b, ExactLength minClearance, ExactLength maxClearance);

// Puts fits into the finder's order.
void RankFoundFits(std::vector<FoundFit>& fits, ExactLength minClearance, ExactLength maxClearance);

// Every fit whose clearances stay within the requirement, in the finder's order; then, when asked,
// the fits that miss it by the least, in order of their miss and then the finder's. Classes
// without a value at the size are no candidates; a table file problem fails the search.
Result<std::vector<FoundFit>, Failure> SearchFits(const DeviationTables& tables, const FitSearchRequest& request);

// Whether a fit meets the requirement.
bool MeetsRequirement(const FitAnalysis& fit, const FitSearchRequest& request);

// How far a fit's clearances fall outside the requirement: the larger of the two overshoots.
ExactLength MissOf(const FitAnalysis& fit, const FitSearchRequest& request);

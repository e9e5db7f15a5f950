#pragma once

#include "fit_search.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The fit finder tab's one calculation, from the texts of its fields to the ranked fits in the
// window's words, or a short reason in place of the list. Plain C++.

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

struct FinderRow
{
    std::string fit; // "H7/g6"
    std::string type; // 间隙配合, 过渡配合, 过盈配合
    std::string minClearance; // "+9", "-15": µm, interference negative as everywhere in the window
    std::string maxClearance;
    std::string fitTolerance; // "41"
    bool preferred = false;
};

struct FinderOutcome
{
    std::vector<FinderRow> rows; // best first
    std::string problem; // when the inputs cannot be searched
};

// Reads the tables of the folder (empty: the current directory) on every call.
FinderOutcome FindFitsFor(const std::filesystem::path& tablesFolder, const FinderInputs& inputs);

// "间隙配合", "过渡配合", "过盈配合".
std::string FitTypeText(FitType type);

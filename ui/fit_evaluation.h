#pragma once

#include "fit_analysis.h"
#include "fit_window_texts.h"
#include "result.h"
#include "tolerance_class.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The fit analysis window's one calculation, from the texts of its size field and its fit field
// to an analysis or a short reason in the window's words. Plain C++.

struct FitEvaluation
{
    std::optional<FitAnalysis> analysis;
    std::string problem; // when there is no analysis
};

// A size as typed, surrounding spaces ignored: over 0 and up to 3150 mm.
Result<ExactLength, SizeProblem> ReadSize(std::string_view text);

// A fit designation as typed ("H7/g6"), spaces ignored, grades IT01 to IT18; the reason names the
// part at fault.
Result<FitDesignation, DesignationProblem> ReadDesignation(std::string_view text);

// Reads the deviation tables of the folder (empty: the current directory) on every call, as the
// main dialog does for every calculation, so that a table put right counts at once.
FitEvaluation EvaluateFit(const std::filesystem::path& tablesFolder, std::string_view sizeText,
                          std::string_view designationText);

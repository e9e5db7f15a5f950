#pragma once

#include "core/failure.h"
#include "core/fit_analysis.h"
#include "workbench/analysis/analysis_model.h"

#include <array>
#include <filesystem>
#include <string>

// The analysis tab's words, in the window's language (text_language.h): the short reasons it shows
// in place of its results, and the results themselves. Plain C++.

std::string SizeProblemText(SizeProblem problem);
std::string FitTextProblemWords(const FitTextProblem& problem);

// Why the tables give no analysis; the folder names where the tables were looked for.
std::string FitRefusalText(const FitRefusal& refusal, const std::filesystem::path& tablesFolder);

std::string AnalysisProblemText(const AnalysisProblem& problem, const std::filesystem::path& tablesFolder);

// Why a table file cannot be used (the failure's kind is a table problem).
std::string TableFailureText(const Failure& failure, const std::filesystem::path& tablesFolder);

// "Clearance fit", "Transition fit", "Interference fit".
std::string FitTypeText(FitType type);

struct PartTexts
{
    std::string heading; // "Hole H7"
    std::string upper; // "+0.025 mm (+25 µm)", mm to at least three decimals
    std::string lower;
    std::string largestSize; // "40.025 mm", "40.000 mm"
    std::string smallestSize;
    std::string tolerance; // "0.025 mm (25 µm)"
};

// The results of an analysis. The two extremes are named after the fit's type, the larger first:
// largest and smallest clearance, largest clearance and largest interference, or largest and
// smallest interference. Interference is written negative, as the clearances are.
struct FitTexts
{
    PartTexts hole;
    PartTexts shaft;
    std::string type;
    std::string extreme1Caption;
    std::string extreme1Value;
    std::string extreme2Caption;
    std::string extreme2Value;
    // The clearances 99.73 % of the pairs give (sizes normal in ±3σ zones), in the extremes' order.
    std::array<std::string, 2> probableCaptions;
    std::array<std::string, 2> probableValues;
    std::string meanCaption;
    std::string meanValue;
    std::string fitTolerance;
    // For the drawing: "Ø40 H7(+0.025/0)/g6(-0.009/-0.025)"; the same in every language.
    std::string drawingLine;
};

FitTexts DescribeFit(const FitAnalysis& fit);

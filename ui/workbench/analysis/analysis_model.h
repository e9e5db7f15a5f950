#pragma once

#include "core/fit_analysis.h"
#include "core/result.h"
#include "core/tolerance_class.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

// The analysis tab's one calculation, from the texts of the size field and the fit field to an
// analysis, or what stands in the way of one. Plain C++: the words are analysis_texts'.

enum class SizeProblem {
    Empty,
    NotANumber,
    TooPrecise, // more than six decimals of a millimetre
    OffScale, // not over 0 and up to 3150 mm
};

// The tables give no limits for a part of a well-formed fit at a usable size.
struct FitRefusal
{
    FitFailure failure;
    FitDesignation fit;
    ExactLength size;
};

using AnalysisProblem = std::variant<SizeProblem, FitTextProblem, FitRefusal>;

// A size as typed, surrounding spaces ignored: over 0 and up to 3150 mm.
Result<ExactLength, SizeProblem> ReadSize(std::string_view text);

// A fit designation as typed ("H7/g6"), spaces ignored, as the core reads it; the reason names the
// part at fault.
Result<FitDesignation, FitTextProblem> ReadDesignation(std::string_view text);

// Reads the deviation tables of the folder (empty: the current directory) on every call, as the
// main dialog does for every calculation, so that a table put right counts at once.
Result<FitAnalysis, AnalysisProblem> AnalyseTypedFit(const std::filesystem::path& tablesFolder,
                                                     std::string_view sizeText, std::string_view designationText);

#pragma once

#include "failure.h"
#include "fit_analysis.h"
#include "tolerance_class.h"

#include <filesystem>
#include <string>

// The fit analysis window's words, in Simplified Chinese like the rest of the program: the short
// reasons it shows in place of its results, and the results themselves. Plain C++.

enum class SizeProblem {
    Empty,
    NotANumber,
    TooPrecise, // more than six decimals of a millimetre
    OffScale, // not over 0 and up to 3150 mm
};

std::string SizeProblemText(SizeProblem problem);

struct DesignationProblem
{
    enum class Kind {
        Empty,
        NoSlash,
        WrongCase, // a shaft class before the slash, or a hole class after it
        BadClass, // one part is no tolerance class
    };
    Kind kind = Kind::Empty;
    Part part = Part::Hole; // for WrongCase and BadClass
    std::string partText; // the part as typed, for BadClass
    ClassTextProblem classProblem = ClassTextProblem::NotAClass; // for BadClass
};

std::string DesignationProblemText(const DesignationProblem& problem);

// Why the tables give no analysis; the folder names where the tables were looked for.
std::string FitFailureText(const FitFailure& failure, const FitDesignation& fit, ExactLength size,
                           const std::filesystem::path& tablesFolder);

// Why a table file cannot be used (the failure's kind is a table problem).
std::string TableFailureText(const Failure& failure, const std::filesystem::path& tablesFolder);

struct PartTexts
{
    std::string heading; // "孔 H7"
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
    std::string type; // 间隙配合, 过渡配合, 过盈配合
    std::string extreme1Caption;
    std::string extreme1Value;
    std::string extreme2Caption;
    std::string extreme2Value;
    std::string meanCaption;
    std::string meanValue;
    std::string fitTolerance;
    // For the drawing: "Ø40 H7(+0.025/0)/g6(-0.009/-0.025)"; "Ø25 H7(+0.021/0)/g6(-0.007/-0.020)".
    std::string drawingLine;
};

FitTexts DescribeFit(const FitAnalysis& fit);

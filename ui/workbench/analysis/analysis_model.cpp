#include "workbench/analysis/analysis_model.h"

#include "decimal_text.h"
#include "loaded_tables.h"
#include "scales.h"

#include <algorithm>

namespace {

std::string WithoutSpaces(std::string_view text)
{
    std::string kept(text);
    std::erase_if(kept, [](char c) { return c == ' ' || c == '\t'; });
    return kept;
}

DesignationProblem Problem(DesignationProblem::Kind kind, Part part = Part::Hole)
{
    DesignationProblem problem;
    problem.kind = kind;
    problem.part = part;
    return problem;
}

// One side of the slash: a class of the expected part, or why not.
Result<ToleranceClass, DesignationProblem> ReadPart(std::string_view text, Part expected)
{
    const auto parsed = ParseToleranceClass(text);
    if (!parsed) {
        return DesignationProblem {DesignationProblem::Kind::BadClass, expected, std::string(text), parsed.reason()};
    }
    if (parsed->part != expected)
        return Problem(DesignationProblem::Kind::WrongCase, expected);
    // The window covers the core's whole scale: IT01 to IT18.
    if (parsed->grade >= kCoreGradeCount) {
        return DesignationProblem {DesignationProblem::Kind::BadClass, expected, std::string(text),
                                   ClassTextProblem::UnknownGrade};
    }
    return *parsed;
}

} // namespace

Result<ExactLength, SizeProblem> ReadSize(std::string_view text)
{
    const std::string typed = WithoutSpaces(text);
    if (typed.empty())
        return SizeProblem::Empty;
    const auto size = ParseMillimetres(typed);
    if (!size) {
        switch (size.reason()) {
        case NumberProblem::NotANumber:
            return SizeProblem::NotANumber;
        case NumberProblem::TooPrecise:
            return SizeProblem::TooPrecise;
        case NumberProblem::TooLarge:
            return SizeProblem::OffScale;
        }
        return SizeProblem::NotANumber;
    }
    if (size->nm <= 0 || *size > ExactLength::FromMm(kLargestSizeMm))
        return SizeProblem::OffScale;
    return *size;
}

Result<FitDesignation, DesignationProblem> ReadDesignation(std::string_view text)
{
    const std::string typed = WithoutSpaces(text);
    if (typed.empty())
        return Problem(DesignationProblem::Kind::Empty);
    const auto slash = typed.find('/');
    if (slash == std::string::npos)
        return Problem(DesignationProblem::Kind::NoSlash);
    const auto hole = ReadPart(std::string_view(typed).substr(0, slash), Part::Hole);
    if (!hole)
        return hole.reason();
    const auto shaft = ReadPart(std::string_view(typed).substr(slash + 1), Part::Shaft);
    if (!shaft)
        return shaft.reason();
    return FitDesignation {*hole, *shaft};
}

Result<FitAnalysis, AnalysisProblem> AnalyseTypedFit(const std::filesystem::path& tablesFolder,
                                                     std::string_view sizeText, std::string_view designationText)
{
    const auto size = ReadSize(sizeText);
    if (!size)
        return AnalysisProblem(size.reason());
    const auto fit = ReadDesignation(designationText);
    if (!fit)
        return AnalysisProblem(fit.reason());
    auto analysis = AnalyseFit(LoadDeviationTables(tablesFolder), *fit, *size);
    if (!analysis)
        return AnalysisProblem(FitRefusal {analysis.reason(), *fit, *size});
    return *analysis;
}

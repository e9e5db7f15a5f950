#include "workbench/analysis/analysis_model.h"

#include "core/decimal_text.h"
#include "core/loaded_tables.h"
#include "core/scales.h"

#include <algorithm>

namespace {

std::string WithoutSpaces(std::string_view text)
{
    std::string kept(text);
    std::erase_if(kept, [](char c) { return c == ' ' || c == '\t'; });
    return kept;
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

Result<FitDesignation, FitTextProblem> ReadDesignation(std::string_view text)
{
    return ParseFitDesignation(WithoutSpaces(text));
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

#include "fit_finder_texts.h"

#include "decimal_text.h"
#include "fit_evaluation.h"
#include "fit_window_texts.h"
#include "tolerance_class.h"

#include <algorithm>

namespace {

std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}

// A clearance bound as typed, spaces ignored; the reason names the field.
Result<ExactLength, std::string> ReadBound(std::string_view text, std::string_view caption)
{
    std::string typed(text);
    std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
    if (typed.empty())
        return "请输入" + std::string(caption) + "（µm）。";
    const auto um = ParseMicrometres(typed);
    if (!um)
        return std::string(caption) + "应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。";
    return *um;
}

} // namespace

std::string FitTypeText(FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return "间隙配合";
    case FitType::Transition:
        return "过渡配合";
    case FitType::Interference:
        return "过盈配合";
    }
    return "";
}

FinderOutcome FindFitsFor(const std::filesystem::path& tablesFolder, const FinderInputs& inputs)
{
    const auto size = ReadSize(inputs.sizeText);
    if (!size)
        return {{}, SizeProblemText(size.reason())};
    const auto minClearance = ReadBound(inputs.minClearanceText, "最小间隙");
    if (!minClearance)
        return {{}, minClearance.reason()};
    const auto maxClearance = ReadBound(inputs.maxClearanceText, "最大间隙");
    if (!maxClearance)
        return {{}, maxClearance.reason()};
    if (*minClearance > *maxClearance) {
        return {{},
                "最小间隙（" + SignedUm(*minClearance) + " µm）大于最大间隙（" + SignedUm(*maxClearance) + " µm）。"};
    }
    if (inputs.finestGrade > inputs.coarsestGrade)
        return {{}, "公差等级范围应从较细的等级到较粗的等级，如 IT5 至 IT11。"};

    FitSearchRequest request;
    request.size = *size;
    request.minClearance = *minClearance;
    request.maxClearance = *maxClearance;
    request.basis = inputs.basis;
    request.finestGrade = inputs.finestGrade;
    request.coarsestGrade = inputs.coarsestGrade;
    request.allGradePairs = inputs.allGradePairs;
    const auto found = SearchFits(LoadDeviationTables(tablesFolder), request);
    if (!found)
        return {{}, TableFailureText(found.reason(), tablesFolder)};

    FinderOutcome outcome;
    outcome.rows.reserve(found->size());
    for (const FoundFit& fit : *found) {
        const FitAnalysis& analysis = fit.analysis;
        outcome.rows.push_back({FitName({analysis.hole.toleranceClass, analysis.shaft.toleranceClass}),
                                FitTypeText(analysis.type), SignedUm(analysis.minClearance),
                                SignedUm(analysis.maxClearance), FormatUm(analysis.fitTolerance), fit.preferred});
    }
    return outcome;
}

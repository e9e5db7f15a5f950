#include "finder_texts.h"

#include "analysis_texts.h"
#include "decimal_text.h"
#include "text_language.h"
#include "tolerance_class.h"

using words::Filled;
using words::translate;

namespace {

std::string BoundProblemText(const BoundProblem& problem)
{
    const bool min = problem.bound == ClearanceBound::Min;
    if (problem.empty)
        return min ? translate("FinderTexts", "请输入最小间隙（µm）。")
                   : translate("FinderTexts", "请输入最大间隙（µm）。");
    return min ? translate("FinderTexts", "最小间隙应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。")
               : translate("FinderTexts", "最大间隙应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。");
}

} // namespace

FinderRow DescribeFoundFit(const FoundFit& fit)
{
    const FitAnalysis& analysis = fit.analysis;
    return {FitName({analysis.hole.toleranceClass, analysis.shaft.toleranceClass}),
            FitTypeText(analysis.type),
            SignedUm(analysis.minClearance),
            SignedUm(analysis.maxClearance),
            FormatUm(analysis.fitTolerance),
            fit.preferred};
}

std::string FinderProblemText(const FinderProblem& problem, const std::filesystem::path& tablesFolder)
{
    if (const auto* size = std::get_if<SizeProblem>(&problem))
        return SizeProblemText(*size);
    if (const auto* bound = std::get_if<BoundProblem>(&problem))
        return BoundProblemText(*bound);
    if (const auto* reversed = std::get_if<BoundsReversed>(&problem)) {
        return Filled(translate("FinderTexts", "最小间隙（%1 µm）大于最大间隙（%2 µm）。"),
                      {SignedUm(reversed->minClearance), SignedUm(reversed->maxClearance)});
    }
    if (std::holds_alternative<GradesReversed>(problem))
        return translate("FinderTexts", "公差等级范围应从较细的等级到较粗的等级，如 IT5 至 IT11。");
    return TableFailureText(std::get<Failure>(problem), tablesFolder);
}

std::string FinderCountText(int found, int listed)
{
    if (found == 0)
        return translate("FinderTexts", "没有配合满足要求：可放宽间隙范围或公差等级。");
    if (found > listed) {
        return Filled(translate("FinderTexts", "找到 %1 个配合，列出最佳的 %2 个；双击或按 Enter 查看分析。"),
                      {std::to_string(found), std::to_string(listed)});
    }
    return Filled(translate("FinderTexts", "找到 %1 个配合，最佳在前；双击或按 Enter 查看分析。"),
                  {std::to_string(found)});
}

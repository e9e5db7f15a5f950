#include "workbench/finder/finder_texts.h"

#include "core/decimal_text.h"
#include "core/number_format.h"
#include "core/tolerance_class.h"
#include "presentation/fit_presentation.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/service/service_texts.h"
#include "workbench/text_language.h"

#include <optional>

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

std::string Fixed(const std::optional<double>& value, int decimals, const char* unit = "")
{
    if (!value)
        return "—";
    return FixedDecimals(*value, decimals) + unit;
}

std::string LoadProblemText(const ServiceRefusalOf& refusal)
{
    if (refusal.reason == ServiceRefusalReason::kMissing && refusal.input == ServiceInput::Field) {
        const std::string what = refusal.field == ServiceField::Torque ? translate("FinderTexts", "扭矩或轴向力")
                                                                       : ServiceFieldWords(refusal.field).caption;
        return Filled(
            translate("FinderTexts", "从载荷查找需要“使用条件”页的轮毂外径、配合长度和载荷：请在那里输入%1。"), {what});
    }
    return Filled(translate("FinderTexts", "“使用条件”页：%1"), {ServiceProblemText(refusal)});
}

} // namespace

LoadFinderRow DescribeLoadFit(const LoadFoundFit& found)
{
    const FitAnalysis& analysis = found.fit.analysis;
    const ServiceResults& r = found.results;
    LoadFinderRow row {FitName({analysis.hole.toleranceClass, analysis.shaft.toleranceClass}),
                       Fixed(r.slipSafety, 2),
                       Fixed(r.hubYieldSafety, 2),
                       Fixed(r.shaftYieldSafety, 2),
                       Fixed(r.pressForceMaxN, 0),
                       Fixed(r.hubAssemblyTempC, 1),
                       Fixed(r.shaftAssemblyTempC, 1),
                       {},
                       {},
                       found.fit.preferred};
    for (const ServiceWarning& warning : r.warnings) {
        // Colder than liquid nitrogen is out of reach, whatever the number (down to absolute zero).
        if (warning.code == ServiceWarningCode::CoolingUnreachable)
            row.shaftAssemblyTemp = "< " + Fixed(warning.limit, 0);
        row.warnings
            += (row.warnings.empty() ? "" : translate("FinderTexts", "、")) + ServiceWarningShortText(warning.code);
        row.warningSentences.push_back(ServiceWarningSentence(r, warning));
    }
    return row;
}

FinderRow DescribeFoundFit(const FoundFit& fit)
{
    const FitAnalysis& analysis = fit.analysis;
    const FitRangePresentation range = PresentFitRange(analysis);
    return {FitName({analysis.hole.toleranceClass, analysis.shaft.toleranceClass}),
            FitTypeText(analysis.type),
            range.minClearance.um,
            range.maxClearance.um,
            range.fitTolerance.um,
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
    if (const auto* form = std::get_if<FormProblem>(&problem))
        return Filled(translate("FinderTexts", "“使用条件”页：%1"), {ServiceProblemText(*form)});
    if (const auto* refusal = std::get_if<ServiceRefusalOf>(&problem))
        return LoadProblemText(*refusal);
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

std::string LoadFinderCountText(int found, int listed)
{
    if (found == 0)
        return translate("FinderTexts",
                         "没有配合能承受该载荷：可放宽公差等级、加大轮毂或配合长度，或降低要求的安全系数。");
    if (found > listed) {
        return Filled(translate("FinderTexts", "%1 个配合能承受“使用条件”页的载荷，列出最佳的 %2 个。"),
                      {std::to_string(found), std::to_string(listed)});
    }
    return Filled(translate("FinderTexts", "%1 个配合能承受“使用条件”页的载荷，最佳在前；双击或按 Enter 查看分析。"),
                  {std::to_string(found)});
}

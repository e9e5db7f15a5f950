#include "workbench/chain/chain_texts.h"

#include "core/decimal_text.h"
#include "core/tolerance_class.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/text_language.h"

using words::Filled;
using words::translate;

namespace {

std::string Quoted(std::string_view text)
{
    return QuotePrefix(text);
}

std::string GeneralText(const LinkProblem& problem, const LinkFields& row)
{
    const std::string& text = problem.text;
    switch (problem.general) {
    case GeneralRefusal::NotPositive:
        return translate("ChainTexts", "一般公差只用于大于 0 的尺寸。");
    case GeneralRefusal::BelowTables:
        return Filled(translate("ChainTexts", "一般公差“%1”不用于小于 0.5 mm 的尺寸：其极限偏差应在尺寸后注出。"),
                      {Quoted(text)});
    case GeneralRefusal::BeyondTables:
        return Filled(translate("ChainTexts", "一般公差“%1”的表只到 4000 mm。"), {Quoted(text)});
    case GeneralRefusal::EmptyCell:
        return Filled(translate("ChainTexts", "标准没有给出一般公差“%1”在 %2 mm 时的值。"),
                      {Quoted(text), Quoted(row.nominalMm)});
    }
    return "";
}

// A class without limits at the link's size, worded as the analysis words a part without them.
std::string ClassText(const LinkProblem& problem, const LinkFields& row, const std::filesystem::path& tablesFolder)
{
    const auto toleranceClass = ParseToleranceClass(problem.text);
    const auto size = ParseMillimetres(row.nominalMm);
    if (problem.failure.IsTableProblem() || !toleranceClass || !size)
        return TableFailureText(problem.failure, tablesFolder);
    const FitRefusal refusal {{toleranceClass->part, problem.failure}, {*toleranceClass, *toleranceClass}, *size};
    return FitRefusalText(refusal, tablesFolder);
}

std::string LinkText(const LinkProblem& problem, const LinkFields& row, const std::filesystem::path& tablesFolder)
{
    const std::string text = Quoted(problem.text);
    using Kind = LinkProblem::Kind;
    switch (problem.kind) {
    case Kind::EmptyName:
        return translate("ChainTexts", "名称为空。");
    case Kind::BadDirection:
        return Filled(translate("ChainTexts", "方向“%1”应为 +1 或 -1。"), {text});
    case Kind::NominalNotANumber:
        return Filled(translate("ChainTexts", "基本尺寸“%1”应是一个数（mm），如 25 或 12.5。"), {text});
    case Kind::NominalTooPrecise:
        return Filled(translate("ChainTexts", "基本尺寸“%1”最多取六位小数。"), {text});
    case Kind::NominalNotPositive:
        return Filled(translate("ChainTexts", "基本尺寸“%1”须大于 0。"), {text});
    case Kind::ToleranceNotRead:
        return Filled(
            translate("ChainTexts", "公差“%1”应写作 ±T、+U/-L（mm）、ISO 286 公差带（如 h7）或一般公差（如 2768-m）。"),
            {text});
    case Kind::ToleranceTooPrecise:
        return Filled(translate("ChainTexts", "公差“%1”的偏差最多取六位小数（mm）。"), {text});
    case Kind::NegativeTolerance:
        return Filled(translate("ChainTexts", "公差“%1”是 ± 一个负值。"), {text});
    case Kind::DeviationsReversed:
        return Filled(translate("ChainTexts", "公差“%1”的上偏差低于下偏差。"), {text});
    case Kind::ClassUndefined:
        return ClassText(problem, row, tablesFolder);
    case Kind::GeneralUndefined:
        return GeneralText(problem, row);
    case Kind::BadDistribution:
        return Filled(translate("ChainTexts", "分布“%1”应为 normal（正态）、uniform（均匀）或 triangular（三角）。"),
                      {text});
    case Kind::BadCpk:
        return Filled(translate("ChainTexts", "Cpk“%1”应是大于 0 的数。"), {text});
    case Kind::CpkNotNormal:
        return Filled(translate("ChainTexts", "Cpk“%1”只用于正态分布的环：请把分布设为正态。"), {text});
    case Kind::BadMeanShift:
        return Filled(translate("ChainTexts", "均值偏移“%1”应是一个数（mm）。"), {text});
    case Kind::MeanShiftOutsideZone:
        return Filled(translate("ChainTexts", "均值偏移“%1”使均值落在公差带的界限上或界限外。"), {text});
    }
    return "";
}

// A problem of the chain as a whole, or of a file's line.
std::string ChainText(const ChainProblem& problem)
{
    const std::string line = std::to_string(problem.line);
    using Kind = ChainProblem::Kind;
    switch (problem.kind) {
    case Kind::NotUtf8:
        return Filled(translate("ChainTexts", "第 %1 行不是 UTF-8 文本。"), {line});
    case Kind::TooLarge:
        return translate("ChainTexts", "文件大于 1 MiB：没有这么长的尺寸链。");
    case Kind::NoHeader:
        return Filled(translate("ChainTexts",
                                "第 %1 行应为表头 name,direction,nominal_mm,tolerance，"
                                "其后可有 distribution、cpk、mean_shift_mm。"),
                      {line});
    case Kind::FieldCount:
        return Filled(translate("ChainTexts", "第 %1 行的字段数与表头不同。"), {line});
    case Kind::TooManyLinks:
        return translate("ChainTexts", "尺寸链最多 1000 环。");
    case Kind::Empty:
        return translate("ChainTexts", "请至少输入一个组成环。");
    case Kind::Link:
        break;
    }
    return "";
}

std::string SettingText(const ChainSettingRefusal& refusal)
{
    const std::string text = Quoted(refusal.typed);
    switch (refusal.problem) {
    case ChainSettingProblem::RequirementHalf:
        return translate("ChainTexts", "封闭环要求须同时给出最小值和最大值（mm），或都不给。");
    case ChainSettingProblem::RequirementNotANumber:
        return Filled(translate("ChainTexts", "封闭环要求“%1”应是一个数（mm），最多六位小数。"), {text});
    case ChainSettingProblem::RequirementReversed:
        return translate("ChainTexts", "封闭环要求的最小值大于最大值。");
    case ChainSettingProblem::SamplesNotACount:
        return Filled(translate("ChainTexts", "样本数“%1”应是 1000 至 10000000 之间的整数。"), {text});
    case ChainSettingProblem::SeedNotACount:
        return Filled(translate("ChainTexts", "随机种子“%1”应是 0 至 2^53-1 之间的整数。"), {text});
    }
    return "";
}

} // namespace

std::string ChainFormProblemText(const ChainFormProblem& problem, const std::filesystem::path& tablesFolder)
{
    if (const auto* setting = std::get_if<ChainSettingRefusal>(&problem))
        return SettingText(*setting);
    const auto& refusal = std::get<ChainLinkRefusal>(problem);
    if (refusal.problem.kind != ChainProblem::Kind::Link)
        return ChainText(refusal.problem);
    const std::string number = std::to_string(refusal.problem.line);
    const bool named = !refusal.row.name.empty();
    const std::string at = refusal.inFile
        ? (named ? Filled(translate("ChainTexts", "第 %1 行（%2）："), {number, Quoted(refusal.row.name)})
                 : Filled(translate("ChainTexts", "第 %1 行："), {number}))
        : (named ? Filled(translate("ChainTexts", "第 %1 环（%2）："), {number, Quoted(refusal.row.name)})
                 : Filled(translate("ChainTexts", "第 %1 环："), {number}));
    return at + LinkText(refusal.problem.link, refusal.row, tablesFolder);
}

std::string ChainFileProblemText(const ChainFileRefusal& problem, const std::string& fileName)
{
    if (const auto* file = std::get_if<ChainFileProblem>(&problem))
        return Filled(*file == ChainFileProblem::NotAFile ? translate("ChainTexts", "%1 不是可以读取的文件。")
                                                          : translate("ChainTexts", "无法读取 %1。"),
                      {fileName});
    return Filled(translate("ChainTexts", "%1：%2"), {fileName, ChainText(std::get<ChainProblem>(problem))});
}

std::string DistributionWords(std::string_view key)
{
    const auto distribution = ParseDistribution(key);
    if (key.empty())
        return DistributionWords(LinkDistribution::Normal);
    return distribution ? DistributionWords(*distribution) : std::string(key);
}

std::string DistributionWords(LinkDistribution distribution)
{
    // The report words the distributions too: one term each.
    switch (distribution) {
    case LinkDistribution::Normal:
        return translate("Terms", "正态");
    case LinkDistribution::Uniform:
        return translate("Terms", "均匀");
    case LinkDistribution::Triangular:
        return translate("Terms", "三角");
    }
    return "";
}

#include "workbench/general/general_texts.h"

#include "workbench/text_language.h"

using words::Filled;
using words::translate;

std::string GeneralQuestionText(GeneralQuestion question)
{
    switch (question) {
    case GeneralQuestion::Linear:
        return translate("GeneralTexts", "线性尺寸");
    case GeneralQuestion::Edge:
        return translate("GeneralTexts", "倒圆半径与倒角高度");
    case GeneralQuestion::Angle:
        return translate("GeneralTexts", "角度（按短边长度）");
    case GeneralQuestion::Straightness:
        return translate("GeneralTexts", "直线度");
    case GeneralQuestion::Flatness:
        return translate("GeneralTexts", "平面度");
    case GeneralQuestion::Perpendicularity:
        return translate("GeneralTexts", "垂直度（按短边长度）");
    case GeneralQuestion::Symmetry:
        return translate("GeneralTexts", "对称度");
    case GeneralQuestion::Runout:
        return translate("GeneralTexts", "圆跳动");
    }
    return "";
}

std::string GeneralStandardText(GeneralStandard standard)
{
    // Standards' names are the same in every language.
    return standard == GeneralStandard::Iso ? "ISO 2768-1, ISO 2768-2" : "GB/T 1804, GB/T 1184";
}

std::string GeneralProblemText(const GeneralProblem& problem)
{
    if (const auto* input = std::get_if<GeneralInputProblem>(&problem)) {
        switch (*input) {
        case GeneralInputProblem::ClassEmpty:
            return translate("GeneralTexts", "请输入公差等级，如 m、K 或 mK。");
        case GeneralInputProblem::NotAClass:
            return translate("GeneralTexts", "公差等级应为 f、m、c、v，H、K、L，或两者连写，如 mK。");
        case GeneralInputProblem::NeedsLinearClass:
            return translate("GeneralTexts", "尺寸与角度需要线性尺寸的公差等级 f、m、c 或 v（或连写，如 mK）。");
        case GeneralInputProblem::NeedsGeometricalClass:
            return translate("GeneralTexts", "几何公差需要公差等级 H、K 或 L（或连写，如 mK）。");
        case GeneralInputProblem::SizeEmpty:
            return translate("GeneralTexts", "请输入尺寸或长度（mm）。");
        case GeneralInputProblem::SizeNotANumber:
            return translate("GeneralTexts", "尺寸应是一个数，如 35 或 0.8。");
        case GeneralInputProblem::SizeTooPrecise:
            return translate("GeneralTexts", "尺寸最多取六位小数。");
        }
        return "";
    }
    const auto& refused = std::get<GeneralRefused>(problem);
    const std::string size = FormatMm(refused.size);
    switch (refused.refusal) {
    case GeneralRefusal::NotPositive:
        return translate("GeneralTexts", "尺寸须大于 0。");
    case GeneralRefusal::BelowTables:
        return Filled(translate("GeneralTexts", "%1 不适用于 %2 mm：小于 0.5 mm 的尺寸，其极限偏差应在尺寸后注出。"),
                      {refused.designation, size});
    case GeneralRefusal::BeyondTables:
        return Filled(translate("GeneralTexts", "%1 的表只到 %2 mm。"),
                      {refused.designation, FormatMm(refused.tableEnd)});
    case GeneralRefusal::EmptyCell:
        return Filled(translate("GeneralTexts", "标准没有给出 %1 在 %2 mm 时的值。"), {refused.designation, size});
    }
    return "";
}

std::string GeneralRangeWords(const GeneralRange& range)
{
    if (range.over.nm == 0 && !range.upTo)
        return translate("GeneralTexts", "任意长度");
    if (range.over.nm == 0)
        return Filled(translate("GeneralTexts", "不大于 %1 mm"), {FormatMm(*range.upTo)});
    const std::string over = FormatMm(range.over);
    if (!range.upTo)
        return Filled(translate("GeneralTexts", "大于 %1 mm"), {over});
    const std::string upTo = FormatMm(*range.upTo);
    if (range.includesOver)
        return Filled(translate("GeneralTexts", "%1 至 %2 mm"), {over, upTo});
    return Filled(translate("GeneralTexts", "大于 %1 至 %2 mm"), {over, upTo});
}

std::string GeneralSectionTitle(std::string_view key)
{
    // The report words these titles too: one term each.
    if (key == "linear")
        return translate("Terms", "线性尺寸的极限偏差");
    if (key == "edge")
        return translate("Terms", "倒圆半径与倒角高度的极限偏差");
    if (key == "angle")
        return translate("Terms", "角度的极限偏差（按短边长度）");
    if (key == "straightness_flatness")
        return translate("Terms", "直线度和平面度");
    if (key == "perpendicularity")
        return translate("Terms", "垂直度（按短边长度）");
    if (key == "symmetry")
        return translate("Terms", "对称度");
    if (key == "runout")
        return translate("Terms", "圆跳动");
    return std::string(key);
}

std::string UntabulatedFeatureName(std::string_view key)
{
    if (key == "circularity")
        return translate("GeneralTexts", "圆度");
    if (key == "cylindricity")
        return translate("GeneralTexts", "圆柱度");
    if (key == "parallelism")
        return translate("GeneralTexts", "平行度");
    if (key == "coaxiality")
        return translate("GeneralTexts", "同轴度");
    return std::string(key);
}

std::string UntabulatedFeatureRule(std::string_view key)
{
    if (key == "circularity")
        return translate("GeneralTexts", "未注公差值等于标准的直径公差值，但不能大于圆跳动的未注公差值。");
    if (key == "cylindricity")
        return translate("GeneralTexts",
                         "未注公差不作规定：圆柱度误差由圆度、直线度和相对素线的平行度误差组成，"
                         "每一项均由其注出公差或未注公差控制。");
    if (key == "parallelism")
        return translate("GeneralTexts",
                         "未注公差值等于给出的尺寸公差值，或直线度和平面度未注公差值中的较大者；"
                         "取两要素中较长者为基准。");
    if (key == "coaxiality")
        return translate("GeneralTexts", "未注公差值未作规定；在极限状况下，可与圆跳动的未注公差值相等。");
    return std::string(key);
}

#include "workbench/thread/thread_texts.h"

#include "core/threads/iso261_sizes.h"
#include "core/threads/recommended_classes.h"
#include "presentation/thread_figures.h"
#include "workbench/text_language.h"

using words::Filled;
using words::translate;

namespace {

constexpr const char* kNone = "—";

std::string Mm(ExactLength length)
{
    return FormatMm(length);
}

// "1.5（粗牙）、1.25、1、0.75 mm": every pitch ISO 261 gives the diameter.
std::string PitchList(const Iso261Size& size)
{
    std::string text;
    if (size.coarsePitchUm != 0)
        text = CoarsePitchWords(Mm(ExactLength::FromUm(size.coarsePitchUm)));
    for (const std::int32_t pitch : size.FinePitches()) {
        if (!text.empty())
            text += translate("ThreadTexts", "、");
        text += Mm(ExactLength::FromUm(pitch));
    }
    return text + " mm";
}

std::string SeriesWords(PitchSeries series)
{
    switch (series) {
    case PitchSeries::Coarse:
        return translate("ThreadTexts", "粗牙");
    case PitchSeries::Fine:
        return translate("ThreadTexts", "细牙");
    case PitchSeries::Unlisted:
        break;
    }
    return translate("ThreadTexts", "ISO 261 未列出的直径");
}

std::string PartWords(bool nut)
{
    return nut ? translate("ThreadTexts", "内螺纹") : translate("ThreadTexts", "外螺纹");
}

std::string GradeWords(const ThreadTextProblem& problem)
{
    if (problem.nut)
        return problem.crest ? translate("ThreadTexts", "内螺纹小径公差 TD1 只有 4 至 8 级")
                             : translate("ThreadTexts", "内螺纹中径公差 TD2 只有 4 至 8 级");
    return problem.crest ? translate("ThreadTexts", "外螺纹大径公差 Td 只有 4、6、8 级")
                         : translate("ThreadTexts", "外螺纹中径公差 Td2 只有 3 至 9 级");
}

std::string TextProblemWords(const ThreadTextRejected& rejected)
{
    using Kind = ThreadTextProblem::Kind;
    const ThreadTextProblem& problem = rejected.problem;
    const std::string diameter = Mm(ExactLength::FromUm(problem.diameterUm));
    switch (problem.kind) {
    case Kind::NotAThread:
        break;
    case Kind::BadDiameter:
        return Filled(translate("ThreadTexts", "公称直径“%1”应是不超过三位小数的毫米数。"), {problem.text});
    case Kind::DiameterOutOfRange:
        return Filled(translate("ThreadTexts", "公称直径 %1 mm 超出 ISO 261 的 1 至 300 mm。"), {problem.text});
    case Kind::PitchNeeded:
        if (const auto size = Iso261SizeOf(problem.diameterUm))
            return Filled(translate("ThreadTexts", "ISO 261 没有给 M%1 规定粗牙螺距：请写出它的细牙螺距之一，%2。"),
                          {diameter, PitchList(*size)});
        return Filled(
            translate("ThreadTexts", "ISO 261 未列出公称直径 %1 mm，它没有粗牙螺距：请写出螺距，如 M%1x1.5。"),
            {diameter});
    case Kind::BadPitch:
        return Filled(translate("ThreadTexts", "螺距“%1”应是不超过三位小数的毫米数。"), {problem.text});
    case Kind::PitchNotListed:
        if (const auto size = Iso261SizeOf(problem.diameterUm))
            return Filled(translate("ThreadTexts", "ISO 261 给 M%1 规定的螺距为 %2，没有 %3 mm。"),
                          {diameter, PitchList(*size), problem.text});
        return Filled(translate("ThreadTexts", "螺距 %1 mm 不是 ISO 261 的螺距（0.2 至 8 mm）。"), {problem.text});
    case Kind::BadClass:
        return Filled(translate("ThreadTexts",
                                "“%1”不是公差带代号：应写作公差等级加基本偏差字母，如 6g、6H，"
                                "或中径与顶径的公差带连写，如 4h6h。"),
                      {problem.text});
    case Kind::UnknownPosition:
        return Filled(
            translate("ThreadTexts", "“%1”的基本偏差不在 ISO 965-1 之列：外螺纹为 e、f、g、h，内螺纹为 G、H。"),
            {problem.text});
    case Kind::MixedPositions:
        return Filled(translate("ThreadTexts", "“%1”含两个基本偏差：一个公差带的两个等级共用一个字母，如 5g6g。"),
                      {problem.text});
    case Kind::SameSideTwice:
        return Filled(translate("ThreadTexts", "“%1”应写作内螺纹公差带、斜线、外螺纹公差带，如 6H/6g。"),
                      {problem.text});
    case Kind::GradeNotDefined:
        return Filled(translate("ThreadTexts", "“%1”：%2，没有 %3 级。"),
                      {problem.text, GradeWords(problem), std::to_string(problem.grade)});
    case Kind::ClassesReversed:
        return Filled(translate("ThreadTexts", "“%1”把外螺纹公差带写在前面：配合写作内螺纹/外螺纹，如 6H/6g。"),
                      {problem.text});
    }
    return Filled(translate("ThreadTexts",
                            "“%1”不是螺纹标记：应写作 M、公称直径（mm），需要时加 x 和螺距，"
                            "再加 - 和公差带代号，如 M10x1.25-6H/6g。"),
                  {rejected.typed});
}

std::string RefusalWords(const ThreadLimitsRefused& refused)
{
    using Kind = ThreadLimitsFailure::Kind;
    const ThreadLimitsFailure& failure = refused.failure;
    const std::string part = Filled(
        translate("ThreadTexts", "%1 的%2 %3："),
        {ThreadName(refused.thread), PartWords(failure.threadClass.IsNut()), ThreadClassName(failure.threadClass)});
    const std::string pitch = Mm(refused.thread.pitch);
    const std::string diameter = Mm(refused.thread.diameter);
    switch (failure.kind) {
    case Kind::NoDeviationAtPitch:
        return part
            + Filled(translate("ThreadTexts",
                               "ISO 965-1 没有给出螺距 %1 mm 时基本偏差 %2 的值"
                               "（e 自螺距 0.5 mm 起，f 自 0.35 mm 起）。"),
                     {pitch, std::string(1, PositionLetter(failure.threadClass.position))});
    case Kind::NoPitchTolerance:
        return part
            + Filled(translate("ThreadTexts", "ISO 965-1 没有给出直径 %1 mm、螺距 %2 mm 时 %3 级的中径公差。"),
                     {diameter, pitch, std::to_string(failure.threadClass.pitchGrade)});
    case Kind::NoCrestTolerance:
        return part
            + Filled(failure.threadClass.IsNut()
                         ? translate("ThreadTexts", "ISO 965-1 没有给出螺距 %1 mm 时 %2 级的小径公差。")
                         : translate("ThreadTexts", "ISO 965-1 没有给出螺距 %1 mm 时 %2 级的大径公差。"),
                     {pitch, std::to_string(failure.threadClass.crestGrade)});
    case Kind::OutsideTables:
        break;
    }
    return part
        + Filled(translate("ThreadTexts", "ISO 965-1 的公差表没有直径 %1 mm、螺距 %2 mm 的公差。"), {diameter, pitch});
}

std::string QualityWords(ThreadQuality quality)
{
    switch (quality) {
    case ThreadQuality::Fine:
        return translate("ThreadTexts", "精密");
    case ThreadQuality::Medium:
        return translate("ThreadTexts", "中等");
    case ThreadQuality::Coarse:
        break;
    }
    return translate("ThreadTexts", "粗糙");
}

std::string LengthWords(EngagementLength length)
{
    switch (length) {
    case EngagementLength::Short:
        return translate("ThreadTexts", "短旋合长度 S");
    case EngagementLength::Normal:
        return translate("ThreadTexts", "中等旋合长度 N");
    case EngagementLength::Long:
        break;
    }
    return translate("ThreadTexts", "长旋合长度 L");
}

// "内螺纹 6H：中等精度，中等旋合长度 N；精密精度，长旋合长度 L".
std::string RecommendedLine(const ThreadClass& threadClass)
{
    std::string uses;
    for (const RecommendedUse& use : RecommendedUsesOf(threadClass)) {
        if (!uses.empty())
            uses += translate("ThreadTexts", "；");
        uses += Filled(use.bracketed ? translate("ThreadTexts", "%1精度，%2（尽可能不用）")
                                     : translate("ThreadTexts", "%1精度，%2"),
                       {QualityWords(use.quality), LengthWords(use.length)});
    }
    if (uses.empty())
        uses = translate("ThreadTexts", "非推荐公差带");
    return Filled(translate("ThreadTexts", "%1 %2：%3"),
                  {PartWords(threadClass.IsNut()), ThreadClassName(threadClass), uses});
}

std::string WithMm(const std::string& figure)
{
    return figure + " mm";
}

ThreadPartTexts NutTexts(const NutLimits& nut)
{
    const NutFigures shown = PresentNut(nut);
    return {Filled(translate("ThreadTexts", "%1 %2"), {PartWords(true), shown.className}),
            Filled(translate("ThreadTexts", "基本偏差 EI = %1 µm"), {shown.ei}),
            {{
                {translate("ThreadTexts", "大径 D"), kNone, shown.majorMin, kNone},
                {translate("ThreadTexts", "中径 D2"), shown.pitchMax, shown.pitchMin, shown.td2},
                {translate("ThreadTexts", "小径 D1"), shown.minorMax, shown.minorMin, shown.td1},
            }}};
}

ThreadPartTexts BoltTexts(const BoltLimits& bolt)
{
    const BoltFigures shown = PresentBolt(bolt);
    return {Filled(translate("ThreadTexts", "%1 %2"), {PartWords(false), shown.className}),
            Filled(translate("ThreadTexts", "基本偏差 es = %1 µm"), {shown.es}),
            {{
                {translate("ThreadTexts", "大径 d"), shown.majorMax, shown.majorMin, shown.td},
                {translate("ThreadTexts", "中径 d2"), shown.pitchMax, shown.pitchMin, shown.td2},
                {translate("ThreadTexts", "牙底直径 d3"), shown.rootMax, kNone, kNone},
            }}};
}

} // namespace

std::string CoarsePitchWords(const std::string& pitchMm)
{
    return Filled(translate("ThreadTexts", "%1（粗牙）"), {pitchMm});
}

std::array<std::string, 3> ThreadLimitColumns()
{
    return {translate("ThreadTexts", "最大 mm"), translate("ThreadTexts", "最小 mm"),
            translate("ThreadTexts", "公差 µm")};
}

ThreadTexts DescribeThread(const ThreadAnalysis& analysis)
{
    ThreadTexts texts;
    texts.designation = ThreadDesignationName(analysis.thread);
    texts.series = Filled(translate("ThreadTexts", "螺距 %1 mm，%2"),
                          {Mm(analysis.thread.pitch), SeriesWords(analysis.thread.series)});
    texts.basic = {{
        {translate("ThreadTexts", "大径 d = D"), WithMm(ThreadLimitMm(analysis.basic.major))},
        {translate("ThreadTexts", "中径 d2 = D2"), WithMm(ThreadLimitMm(analysis.basic.pitch))},
        {translate("ThreadTexts", "小径 d1 = D1"), WithMm(ThreadLimitMm(analysis.basic.minor))},
        {translate("ThreadTexts", "牙底直径 d3"), WithMm(ThreadLimitMm(analysis.basic.root))},
    }};
    if (analysis.nut) {
        texts.nut = NutTexts(*analysis.nut);
        texts.recommended.push_back(RecommendedLine(analysis.nut->threadClass));
    }
    if (analysis.bolt) {
        texts.bolt = BoltTexts(*analysis.bolt);
        texts.recommended.push_back(RecommendedLine(analysis.bolt->threadClass));
    }
    if (analysis.fit) {
        const ThreadFitFigures shown = PresentThreadFit(*analysis.fit);
        texts.fit = {{translate("ThreadTexts", "最小间隙 Xmin"), shown.minClearance + " µm"},
                     {translate("ThreadTexts", "最大间隙 Xmax"), shown.maxClearance + " µm"}};
    }
    return texts;
}

std::string ThreadProblemText(const ThreadProblem& problem)
{
    if (std::holds_alternative<ThreadTextEmpty>(problem))
        return translate("ThreadTexts", "请输入螺纹标记，如 M10-6H/6g（内螺纹公差带在前）。");
    if (const auto* rejected = std::get_if<ThreadTextRejected>(&problem))
        return TextProblemWords(*rejected);
    return RefusalWords(std::get<ThreadLimitsRefused>(problem));
}

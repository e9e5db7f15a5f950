#include "fit_window_texts.h"

#include "table_id.h"

#include <string_view>

namespace {

std::string PartName(Part part)
{
    return part == Part::Hole ? "孔" : "轴";
}

std::string Quoted(std::string_view text)
{
    return "“" + std::string(text) + "”";
}

// Millimetres to at least three decimals, as drawings write them: "0.050", "25.000", "0.0003".
std::string Mm(ExactLength length)
{
    std::string text = FormatMm(length);
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point == std::string::npos)
        text += '.';
    if (decimals < 3)
        text.append(3 - decimals, '0');
    return text;
}

// "+0.025", "0", "-0.020": a deviation in mm with its sign, ASCII so that it pastes anywhere. A zero
// deviation is a plain 0, as drawings write it.
std::string SignedMm(ExactLength length)
{
    if (length.nm == 0)
        return "0";
    return (length.nm > 0 ? "+" : "") + Mm(length);
}

std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}

std::string SignedBoth(ExactLength length)
{
    return SignedMm(length) + " mm (" + SignedUm(length) + " µm)";
}

std::string UnsignedBoth(ExactLength length)
{
    return Mm(length) + " mm (" + FormatUm(length) + " µm)";
}

PartTexts DescribePart(const ExactLength size, const PartLimits& part)
{
    return {PartName(part.toleranceClass.part) + " " + ClassName(part.toleranceClass),
            SignedBoth(part.deviations.upper),
            SignedBoth(part.deviations.lower),
            Mm(size + part.deviations.upper) + " mm",
            Mm(size + part.deviations.lower) + " mm",
            UnsignedBoth(part.Tolerance())};
}

std::string LimitsInBrackets(const PartLimits& part)
{
    return ClassName(part.toleranceClass) + "(" + SignedMm(part.deviations.upper) + "/"
        + SignedMm(part.deviations.lower) + ")";
}

// The folder in full, as a user finds it in a file manager.
std::string FolderName(const std::filesystem::path& folder)
{
    std::error_code error;
    const std::filesystem::path absolute
        = folder.empty() ? std::filesystem::current_path(error) : std::filesystem::absolute(folder, error);
    std::string name = absolute.lexically_normal().string();
    if (name.size() > 1 && name.back() == '/')
        name.pop_back();
    return name;
}

std::string TableName(TableId table)
{
    return std::string(TableFileName(table));
}

} // namespace

std::string SizeProblemText(SizeProblem problem)
{
    switch (problem) {
    case SizeProblem::Empty:
        return "请输入基本尺寸（mm）。";
    case SizeProblem::NotANumber:
        return "基本尺寸应是一个数，如 40 或 12.5。";
    case SizeProblem::TooPrecise:
        return "基本尺寸最多取六位小数。";
    case SizeProblem::OffScale:
        return "基本尺寸须大于 0 且不大于 3150 mm。";
    }
    return "";
}

std::string DesignationProblemText(const DesignationProblem& problem)
{
    using Kind = DesignationProblem::Kind;
    switch (problem.kind) {
    case Kind::Empty:
        return "请输入配合代号，如 H7/g6。";
    case Kind::NoSlash:
        return "配合代号写作“孔/轴”，如 H7/g6。";
    case Kind::WrongCase:
        return problem.part == Part::Hole ? "斜线前是孔，基本偏差用大写字母，如 H7。"
                                          : "斜线后是轴，基本偏差用小写字母，如 g6。";
    case Kind::BadClass:
        break;
    }
    const std::string part = PartName(problem.part);
    const std::string typed = Quoted(problem.partText);
    switch (problem.classProblem) {
    case ClassTextProblem::NotAClass:
        return part + "的公差带" + typed + "应写作基本偏差字母加公差等级，如 H7、g6。";
    case ClassTextProblem::MixedCase:
        return typed + "大小写混用：孔用大写字母，轴用小写字母。";
    case ClassTextProblem::UnknownLetter: {
        const std::string letters = problem.partText.substr(0, problem.partText.find_first_of("0123456789"));
        return "没有基本偏差" + Quoted(letters) + "（孔为 A 至 ZC，轴为 a 至 zc）。";
    }
    case ClassTextProblem::UnknownGrade:
        return typed + "的公差等级不在 IT01 至 IT18 之内。";
    }
    return "";
}

std::string FitFailureText(const FitFailure& failure, const FitDesignation& fit, ExactLength size,
                           const std::filesystem::path& tablesFolder)
{
    const Failure& reason = failure.failure;
    if (reason.IsTableProblem())
        return TableFailureText(reason, tablesFolder);
    const ToleranceClass& part = failure.part == Part::Hole ? fit.hole : fit.shaft;
    const std::string named = PartName(failure.part) + " " + ClassName(part);
    switch (reason.kind) {
    case Failure::Kind::NoStandardValue:
        switch (reason.undefined) {
        case Failure::Undefined::Above500Mm:
            return "标准对" + named + " 只给到 500 mm，不用于基本尺寸 " + FormatMm(size) + " mm。";
        case Failure::Undefined::AtThisGrade:
            return "标准对" + named + " 的基本偏差只给到较细的公差等级，没有 " + std::string(GradeName(part.grade))
                + "。";
        case Failure::Undefined::InTables:
            break;
        }
        return "标准没有给出基本尺寸 " + FormatMm(size) + " mm 的" + named + " 的极限偏差。";
    case Failure::Kind::SizeOffScale:
        return SizeProblemText(SizeProblem::OffScale);
    case Failure::Kind::GradeOffScale:
        return "公差等级不在 IT01 至 IT18 之内。";
    case Failure::Kind::NotUsedAtThisSize:
        return "基本尺寸不大于 1 mm 时，标准不采用" + named + "。";
    default:
        break;
    }
    return TableFailureText(reason, tablesFolder);
}

std::string TableFailureText(const Failure& reason, const std::filesystem::path& tablesFolder)
{
    const std::string folder = FolderName(tablesFolder);
    const std::string table = TableName(reason.table);
    switch (reason.kind) {
    case Failure::Kind::TableMissing:
        return "找不到偏差表文件 " + table + "（在 " + folder + "）。";
    case Failure::Kind::TableNotAFile:
        return "偏差表 " + table + " 不是普通文件（在 " + folder + "）。";
    case Failure::Kind::TableTooLarge:
        return "偏差表文件 " + table + " 太大，不是偏差表（在 " + folder + "）。";
    case Failure::Kind::TableEmpty:
        return "偏差表文件 " + table + " 是空的（在 " + folder + "）。";
    case Failure::Kind::TableMalformed:
        return "偏差表文件 " + table + " 第 " + std::to_string(reason.line) + " 行格式不对（在 " + folder + "）。";
    case Failure::Kind::TableLineMissing:
        return "偏差表文件 " + table + " 缺少第 " + std::to_string(reason.line) + " 行（500 mm 以上的尺寸段；在 "
            + folder + "）。";
    default:
        break;
    }
    return "偏差表文件 " + table + " 不能使用（在 " + folder + "）。";
}

FitTexts DescribeFit(const FitAnalysis& fit)
{
    FitTexts texts;
    texts.hole = DescribePart(fit.size, fit.hole);
    texts.shaft = DescribePart(fit.size, fit.shaft);
    // ES - ei is the largest clearance (the smallest interference); EI - es the smallest clearance
    // (the largest interference).
    struct Extreme
    {
        std::string caption;
        ExactLength value;
    };
    Extreme first {"最大间隙 Xmax", fit.maxClearance};
    Extreme second {"最小间隙 Xmin", fit.minClearance};
    switch (fit.type) {
    case FitType::Clearance:
        texts.type = "间隙配合";
        break;
    case FitType::Transition:
        texts.type = "过渡配合";
        second.caption = "最大过盈 Ymax";
        break;
    case FitType::Interference:
        texts.type = "过盈配合";
        first = {"最大过盈 Ymax", fit.minClearance};
        second = {"最小过盈 Ymin", fit.maxClearance};
        break;
    }
    texts.extreme1Caption = first.caption;
    texts.extreme1Value = SignedBoth(first.value);
    texts.extreme2Caption = second.caption;
    texts.extreme2Value = SignedBoth(second.value);
    texts.meanCaption = fit.meanClearance.nm >= 0 ? "平均间隙 Xav" : "平均过盈 Yav";
    texts.meanValue = SignedBoth(fit.meanClearance);
    texts.fitTolerance = UnsignedBoth(fit.fitTolerance);
    texts.drawingLine = "Ø" + FormatMm(fit.size) + " " + LimitsInBrackets(fit.hole) + "/" + LimitsInBrackets(fit.shaft);
    return texts;
}

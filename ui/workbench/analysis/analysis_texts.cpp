#include "workbench/analysis/analysis_texts.h"

#include "core/decimal_text.h"
#include "core/table_id.h"
#include "presentation/fit_presentation.h"
#include "workbench/text_language.h"

#include <string_view>

using words::Filled;
using words::translate;

namespace {

// "Hole H7", "孔 H7".
std::string NamedPart(Part part, const ToleranceClass& shown)
{
    return Filled(part == Part::Hole ? translate("AnalysisTexts", "孔 %1") : translate("AnalysisTexts", "轴 %1"),
                  {ClassName(shown)});
}

// "+0.025 mm (+25 µm)": the millimetres first, as drawings write them.
std::string BothUnits(const LengthFigure& figure)
{
    return figure.mm + " mm (" + figure.um + " µm)";
}

PartTexts DescribePart(Part part, const PartPresentation& shown, const ToleranceClass& toleranceClass)
{
    return {NamedPart(part, toleranceClass), BothUnits(shown.upper),        BothUnits(shown.lower),
            shown.largestSize.mm + " mm",    shown.smallestSize.mm + " mm", BothUnits(shown.tolerance)};
}

// A figure's caption, from its key.
std::string CaptionText(std::string_view key)
{
    if (key == "max_clearance")
        return translate("AnalysisTexts", "最大间隙 Xmax");
    if (key == "min_clearance")
        return translate("AnalysisTexts", "最小间隙 Xmin");
    if (key == "max_interference")
        return translate("AnalysisTexts", "最大过盈 Ymax");
    if (key == "min_interference")
        return translate("AnalysisTexts", "最小过盈 Ymin");
    if (key == "mean_clearance")
        return translate("AnalysisTexts", "平均间隙 Xav");
    if (key == "mean_interference")
        return translate("AnalysisTexts", "平均过盈 Yav");
    // The report words the probable extremes too: one term each.
    if (key == "probable_max_clearance")
        return translate("Terms", "概率最大间隙");
    if (key == "probable_min_clearance")
        return translate("Terms", "概率最小间隙");
    if (key == "probable_max_interference")
        return translate("Terms", "概率最大过盈");
    if (key == "probable_min_interference")
        return translate("Terms", "概率最小过盈");
    return std::string(key);
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

} // namespace

std::string SizeProblemText(SizeProblem problem)
{
    switch (problem) {
    case SizeProblem::Empty:
        return translate("AnalysisTexts", "请输入基本尺寸（mm）。");
    case SizeProblem::NotANumber:
        return translate("AnalysisTexts", "基本尺寸应是一个数，如 40 或 12.5。");
    case SizeProblem::TooPrecise:
        return translate("AnalysisTexts", "基本尺寸最多取六位小数。");
    case SizeProblem::OffScale:
        return translate("AnalysisTexts", "基本尺寸须大于 0 且不大于 3150 mm。");
    }
    return "";
}

std::string FitTextProblemWords(const FitTextProblem& problem)
{
    using Kind = FitTextProblem::Kind;
    switch (problem.kind) {
    case Kind::Empty:
        return translate("AnalysisTexts", "请输入配合代号，如 H7/g6。");
    case Kind::NoSlash:
        return translate("AnalysisTexts", "配合代号写作“孔/轴”，如 H7/g6。");
    case Kind::WrongCase:
        return problem.part == Part::Hole ? translate("AnalysisTexts", "斜线前是孔，基本偏差用大写字母，如 H7。")
                                          : translate("AnalysisTexts", "斜线后是轴，基本偏差用小写字母，如 g6。");
    case Kind::BadClass:
        break;
    }
    const std::string& typed = problem.partText;
    switch (problem.classProblem) {
    case ClassTextProblem::NotAClass:
        return Filled(problem.part == Part::Hole
                          ? translate("AnalysisTexts", "孔的公差带“%1”应写作基本偏差字母加公差等级，如 H7、g6。")
                          : translate("AnalysisTexts", "轴的公差带“%1”应写作基本偏差字母加公差等级，如 H7、g6。"),
                      {typed});
    case ClassTextProblem::MixedCase:
        return Filled(translate("AnalysisTexts", "“%1”大小写混用：孔用大写字母，轴用小写字母。"), {typed});
    case ClassTextProblem::UnknownLetter:
        return Filled(translate("AnalysisTexts", "没有基本偏差“%1”（孔为 A 至 ZC，轴为 a 至 zc）。"),
                      {typed.substr(0, typed.find_first_of("0123456789"))});
    case ClassTextProblem::UnknownGrade:
        return Filled(translate("AnalysisTexts", "“%1”的公差等级不在 IT01 至 IT18 之内。"), {typed});
    }
    return "";
}

std::string FitRefusalText(const FitRefusal& refusal, const std::filesystem::path& tablesFolder)
{
    const Failure& reason = refusal.failure.failure;
    if (reason.IsTableProblem())
        return TableFailureText(reason, tablesFolder);
    const Part part = refusal.failure.part;
    const ToleranceClass& shown = part == Part::Hole ? refusal.fit.hole : refusal.fit.shaft;
    const std::string named = NamedPart(part, shown);
    const std::string size = FormatMm(refusal.size);
    switch (reason.kind) {
    case Failure::Kind::NoStandardValue:
        switch (reason.undefined) {
        case Failure::Undefined::Above500Mm:
            return Filled(translate("AnalysisTexts", "标准对%1 只给到 500 mm，不用于基本尺寸 %2 mm。"), {named, size});
        case Failure::Undefined::AtThisGrade:
            return Filled(translate("AnalysisTexts", "标准对%1 的基本偏差只给到较细的公差等级，没有 %2。"),
                          {named, GradeName(shown.grade)});
        case Failure::Undefined::InTables:
            break;
        }
        return Filled(translate("AnalysisTexts", "标准没有给出基本尺寸 %1 mm 的%2 的极限偏差。"), {size, named});
    case Failure::Kind::SizeOffScale:
        return SizeProblemText(SizeProblem::OffScale);
    case Failure::Kind::GradeOffScale:
        return translate("AnalysisTexts", "公差等级不在 IT01 至 IT18 之内。");
    case Failure::Kind::LetterOffScale:
        return translate("AnalysisTexts", "基本偏差代号不在表内。");
    case Failure::Kind::LimitSizeNotPositive:
        return Filled(translate("AnalysisTexts", "基本尺寸 %1 mm 时%2 的最小极限尺寸不大于零，没有这样的零件。"),
                      {size, named});
    case Failure::Kind::NotUsedAtThisSize:
        return Filled(translate("AnalysisTexts", "基本尺寸不大于 1 mm 时，标准不采用%1。"), {named});
    default:
        break;
    }
    return TableFailureText(reason, tablesFolder);
}

std::string AnalysisProblemText(const AnalysisProblem& problem, const std::filesystem::path& tablesFolder)
{
    if (const auto* size = std::get_if<SizeProblem>(&problem))
        return SizeProblemText(*size);
    if (const auto* designation = std::get_if<FitTextProblem>(&problem))
        return FitTextProblemWords(*designation);
    return FitRefusalText(std::get<FitRefusal>(problem), tablesFolder);
}

std::string TableFailureText(const Failure& reason, const std::filesystem::path& tablesFolder)
{
    const std::string folder = FolderName(tablesFolder);
    const std::string table(TableFileName(reason.table));
    const std::string line = std::to_string(reason.line);
    switch (reason.kind) {
    case Failure::Kind::TableMissing:
        return Filled(translate("AnalysisTexts", "找不到偏差表文件 %1（在 %2）。"), {table, folder});
    case Failure::Kind::TableNotAFile:
        return Filled(translate("AnalysisTexts", "偏差表 %1 不是普通文件（在 %2）。"), {table, folder});
    case Failure::Kind::TableTooLarge:
        return Filled(translate("AnalysisTexts", "偏差表文件 %1 太大，不是偏差表（在 %2）。"), {table, folder});
    case Failure::Kind::TableEmpty:
        return Filled(translate("AnalysisTexts", "偏差表文件 %1 是空的（在 %2）。"), {table, folder});
    case Failure::Kind::TableMalformed:
        return Filled(translate("AnalysisTexts", "偏差表文件 %1 第 %2 行格式不对（在 %3）。"), {table, line, folder});
    case Failure::Kind::TableLineMissing:
        return Filled(translate("AnalysisTexts", "偏差表文件 %1 缺少第 %2 行（500 mm 以上的尺寸段；在 %3）。"),
                      {table, line, folder});
    default:
        break;
    }
    return Filled(translate("AnalysisTexts", "偏差表文件 %1 不能使用（在 %2）。"), {table, folder});
}

std::string FitTypeText(FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return translate("AnalysisTexts", "间隙配合");
    case FitType::Transition:
        return translate("AnalysisTexts", "过渡配合");
    case FitType::Interference:
        return translate("AnalysisTexts", "过盈配合");
    }
    return "";
}

FitTexts DescribeFit(const FitAnalysis& fit)
{
    const FitPresentation shown = PresentFit(fit);
    FitTexts texts;
    texts.hole = DescribePart(Part::Hole, shown.hole, fit.hole.toleranceClass);
    texts.shaft = DescribePart(Part::Shaft, shown.shaft, fit.shaft.toleranceClass);
    texts.type = FitTypeText(fit.type);
    texts.extreme1Caption = CaptionText(shown.extremes[0].key);
    texts.extreme1Value = BothUnits(shown.extremes[0]);
    texts.extreme2Caption = CaptionText(shown.extremes[1].key);
    texts.extreme2Value = BothUnits(shown.extremes[1]);
    for (std::size_t line = 0; line < shown.probable.size(); ++line) {
        texts.probableCaptions[line] = CaptionText(shown.probable[line].key);
        texts.probableValues[line] = BothUnits(shown.probable[line]);
    }
    texts.meanCaption = CaptionText(shown.mean.key);
    texts.meanValue = BothUnits(shown.mean);
    texts.fitTolerance = BothUnits(shown.fitTolerance);
    texts.drawingLine = shown.drawingLine;
    return texts;
}

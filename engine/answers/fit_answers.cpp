#include "answers/fit_answers.h"

#include "answers/answer_inputs.h"
#include "answers/json_numbers.h"
#include "answers/json_object.h"
#include "answers/refusal_text.h"
#include "core/fit_diagram.h"
#include "core/limit_deviations.h"
#include "core/probable_clearance.h"
#include "core/scales.h"
#include "core/standard_tolerances.h"
#include "core/tabulated_classes.h"
#include "presentation/drawing_line.h"
#include "presentation/fit_presentation.h"

namespace {

// A fit read from its designation and size, and analysed: or why not.
Result<FitAnalysis, AnswerRefusal> ReadAndAnalyseFit(const DeviationTables& tables, std::string_view designation,
                                                     const nlohmann::json& sizeMm, const std::filesystem::path& folder)
{
    const auto fit = ReadFitDesignation(designation);
    if (!fit)
        return fit.reason();
    const auto size = ReadSizeMm(sizeMm);
    if (!size)
        return size.reason();
    auto analysis = AnalyseFit(tables, *fit, *size);
    if (!analysis)
        return RefusalOf(analysis.reason().failure, FitFailureText(*fit, analysis.reason(), *size, folder));
    return std::move(*analysis);
}

} // namespace

nlohmann::ordered_json PartJson(const PartLimits& part, ExactLength size)
{
    return JsonObject(7)
        .Add("class", PartName(part))
        .Add("tabulated", IsTabulated(part.toleranceClass))
        .Add("upper_um", JsonUm(part.deviations.upper))
        .Add("lower_um", JsonUm(part.deviations.lower))
        .Add("max_mm", JsonMm(size + part.deviations.upper))
        .Add("min_mm", JsonMm(size + part.deviations.lower))
        .Add("tolerance_um", JsonUm(part.Tolerance()))
        .Take();
}

nlohmann::ordered_json FitJson(const FitAnalysis& fit)
{
    // One more for the found fits' "preferred".
    return JsonObject(11)
        .Add("fit", PartName(fit.hole) + "/" + PartName(fit.shaft))
        .Add("size_mm", JsonMm(fit.size))
        .Add("type", FitTypeName(fit.type))
        .Add("hole", PartJson(fit.hole, fit.size))
        .Add("shaft", PartJson(fit.shaft, fit.size))
        .Add("max_clearance_um", JsonUm(fit.maxClearance))
        .Add("min_clearance_um", JsonUm(fit.minClearance))
        .Add("mean_clearance_um", JsonUm(fit.meanClearance))
        .Add("fit_tolerance_um", JsonUm(fit.fitTolerance))
        .Add("drawing_line", DrawingLine(fit))
        .Take();
}

nlohmann::ordered_json PartDisplayJson(const PartPresentation& part)
{
    return JsonObject(5)
        .Add("upper_um", part.upper.um)
        .Add("lower_um", part.lower.um)
        .Add("max_mm", part.largestSize.mm)
        .Add("min_mm", part.smallestSize.mm)
        .Add("tolerance_um", part.tolerance.um)
        .Take();
}

nlohmann::ordered_json FigureJson(const LengthFigure& figure)
{
    return JsonObject(4)
        .Add("key", std::string(figure.key))
        .Add("value_um", JsonUm(figure.value))
        .Add("display_um", figure.um)
        .Add("display_mm", figure.mm)
        .Take();
}

nlohmann::ordered_json PresentedFitJson(const FitAnalysis& fit)
{
    const FitPresentation shown = PresentFit(fit);
    auto json = FitJson(fit);
    json["hole"]["display"] = PartDisplayJson(shown.hole);
    json["shaft"]["display"] = PartDisplayJson(shown.shaft);
    // The probable range, smallest first as the clearance keys go.
    const ProbableClearance probable = ProbableClearanceOf(fit);
    json["probable_min_clearance_um"] = JsonUm(probable.min);
    json["probable_max_clearance_um"] = JsonUm(probable.max);
    auto figures = nlohmann::ordered_json::array();
    for (const LengthFigure& figure : shown.extremes)
        figures.push_back(FigureJson(figure));
    for (const LengthFigure& figure : shown.probable)
        figures.push_back(FigureJson(figure));
    figures.push_back(FigureJson(shown.mean));
    figures.push_back(FigureJson(shown.fitTolerance));
    json["figures"] = std::move(figures);
    return json;
}

Answer FitAnswer(const DeviationTables& tables, const FitDesignation& fit, ExactLength size,
                 const std::filesystem::path& folder)
{
    const auto analysis = AnalyseFit(tables, fit, size);
    if (!analysis)
        return RefusalOf(analysis.reason().failure, FitFailureText(fit, analysis.reason(), size, folder));
    return PresentedFitJson(*analysis);
}

Answer FitPartsAnswer(std::string_view designation)
{
    const auto fit = ReadFitDesignation(designation);
    if (!fit)
        return fit.reason();
    const auto part = [](const ToleranceClass& toleranceClass) {
        const auto letters = LetterTextsOf(toleranceClass.part == Part::Hole ? kBasisHole : kBasisShaft);
        return JsonObject(2)
            .Add("letter", std::string(letters[static_cast<std::size_t>(toleranceClass.letter)]))
            .Add("grade", std::string(GradeName(toleranceClass.grade).substr(2)))
            .Take();
    };
    return JsonObject(2).Add("hole", part(fit->hole)).Add("shaft", part(fit->shaft)).Take();
}

Answer FitAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm,
                 const std::filesystem::path& folder)
{
    const auto analysis = ReadAndAnalyseFit(tables, designation, sizeMm, folder);
    if (!analysis)
        return analysis.reason();
    return PresentedFitJson(*analysis);
}

Answer LimitsAnswer(const DeviationTables& tables, std::string_view toleranceClass, const nlohmann::json& sizeMm,
                    const std::filesystem::path& folder)
{
    const auto parsed = ReadToleranceClass(toleranceClass);
    if (!parsed)
        return parsed.reason();
    const auto size = ReadSizeMm(sizeMm);
    if (!size)
        return size.reason();
    const auto deviations = LimitDeviationsOf(tables, *parsed, *size);
    if (!deviations)
        return RefusalOf(deviations.reason(),
                         ClassName(*parsed) + " at " + FormatMm(*size)
                             + " mm: " + FailureText(deviations.reason(), folder));
    const PartLimits part {*parsed, *deviations};
    auto json = PartJson(part, *size);
    json["display"] = PartDisplayJson(PresentPart(part, *size));
    return json;
}

Answer ToleranceAnswer(std::string_view grade, const nlohmann::json& sizeMm)
{
    const auto parsed = ReadGrade(grade);
    if (!parsed)
        return parsed.reason();
    const auto size = ReadSizeMm(sizeMm);
    if (!size)
        return size.reason();
    const auto tolerance = StandardTolerance(*parsed, *size);
    if (!tolerance)
        return RefusalOf(tolerance.reason(),
                         std::string(GradeName(*parsed)) + " at " + FormatMm(*size)
                             + " mm: " + FailureText(tolerance.reason(), {}));
    nlohmann::ordered_json json;
    json["grade"] = GradeName(*parsed);
    json["size_mm"] = JsonMm(*size);
    json["tolerance_um"] = JsonUm(*tolerance);
    return json;
}

Answer DiagramSvgAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm,
                        const std::filesystem::path& folder)
{
    const auto analysis = ReadAndAnalyseFit(tables, designation, sizeMm, folder);
    if (!analysis)
        return analysis.reason();
    return nlohmann::ordered_json(FitDiagramSvg(*analysis));
}

#include "diagram_answer.h"

#include "answer_inputs.h"
#include "fit_analysis.h"
#include "fit_diagram.h"
#include "refusal_text.h"

Answer DiagramSvgAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm)
{
    const auto fit = ReadFitDesignation(designation);
    if (!fit)
        return fit.reason();
    const auto size = ReadSizeMm(sizeMm);
    if (!size)
        return size.reason();
    const auto analysis = AnalyseFit(tables, *fit, *size);
    if (!analysis)
        return RefusalOf(analysis.reason().failure, FitFailureText(*fit, analysis.reason(), *size, {}));
    return nlohmann::ordered_json(FitDiagramSvg(*analysis));
}

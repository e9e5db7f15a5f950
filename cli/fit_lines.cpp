#include "cli/fit_lines.h"

#include "core/tolerance_class.h"
#include "presentation/fit_presentation.h"

std::string FitColumn(const FitAnalysis& fit)
{
    const std::string name = FitName({fit.hole.toleranceClass, fit.shaft.toleranceClass});
    return name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ');
}

std::string ClearanceWords(const FitAnalysis& fit)
{
    const FitRangePresentation range = PresentFitRange(fit);
    return range.minClearance.um + " to " + range.maxClearance.um + " µm";
}

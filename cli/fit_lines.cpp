#include "cli/fit_lines.h"

#include "core/tolerance_class.h"

std::string FitColumn(const FitAnalysis& fit)
{
    const std::string name = FitName({fit.hole.toleranceClass, fit.shaft.toleranceClass});
    return name + std::string(name.size() < 10 ? 10 - name.size() : 1, ' ');
}

std::string ClearanceWords(const FitAnalysis& fit)
{
    switch (fit.type) {
    case FitType::Clearance:
        return "clearance " + FormatUm(fit.minClearance) + " to " + FormatUm(fit.maxClearance) + " µm";
    case FitType::Interference:
        return "interference " + FormatUm(-fit.maxClearance) + " to " + FormatUm(-fit.minClearance) + " µm";
    case FitType::Transition:
        break;
    }
    return "clearance up to " + FormatUm(fit.maxClearance) + " µm, interference up to " + FormatUm(-fit.minClearance)
        + " µm";
}

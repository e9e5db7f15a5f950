#include "core/fit_analysis.h"

std::string PartName(const PartLimits& part)
{
    return part.label.empty() ? ClassName(part.toleranceClass) : std::string(part.label);
}

FitAnalysis AnalyseFit(ExactLength size, const PartLimits& hole, const PartLimits& shaft)
{
    FitAnalysis fit;
    fit.size = size;
    fit.hole = hole;
    fit.shaft = shaft;
    fit.maxClearance = hole.deviations.upper - shaft.deviations.lower;
    fit.minClearance = hole.deviations.lower - shaft.deviations.upper;
    // Deviations are whole multiples of 10 nm, so the half of their sum stays exact.
    fit.meanClearance = Half(fit.maxClearance + fit.minClearance);
    fit.fitTolerance = hole.Tolerance() + shaft.Tolerance();
    if (fit.minClearance.nm >= 0)
        fit.type = FitType::Clearance;
    else if (fit.maxClearance.nm <= 0)
        fit.type = FitType::Interference;
    else
        fit.type = FitType::Transition;
    return fit;
}

Result<FitAnalysis, FitFailure> AnalyseFit(const DeviationTables& tables, const FitDesignation& fit, ExactLength size)
{
    const auto hole = LimitDeviationsOf(tables, fit.hole, size);
    if (!hole)
        return FitFailure {Part::Hole, hole.reason()};
    const auto shaft = LimitDeviationsOf(tables, fit.shaft, size);
    if (!shaft)
        return FitFailure {Part::Shaft, shaft.reason()};
    return AnalyseFit(size, PartLimits {fit.hole, *hole}, PartLimits {fit.shaft, *shaft});
}

std::string_view FitTypeName(FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return "clearance";
    case FitType::Transition:
        return "transition";
    case FitType::Interference:
        return "interference";
    }
    return "";
}

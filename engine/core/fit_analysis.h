#pragma once

#include "core/exact_length.h"
#include "core/failure.h"
#include "core/fit_type.h"
#include "core/limit_deviations.h"
#include "core/result.h"
#include "core/tolerance_class.h"

#include <string>
#include <string_view>

// One part of a fit at a size: its deviations and tolerance. Limits of size are size + deviation.
struct PartLimits
{
    ToleranceClass toleranceClass;
    LimitDeviations deviations;
    // What the part is called where it is no ISO 286 class (a bearing ring: "bearing inner ring,
    // Normal"); empty for a class, which goes by its designation.
    std::string_view label = {};

    ExactLength Tolerance() const { return deviations.upper - deviations.lower; }
};

// The part's designation ("H7") or its label.
std::string PartName(const PartLimits& part);

// A hole and a shaft at one nominal size. Clearances are signed: a negative clearance is an
// interference.
struct FitAnalysis
{
    ExactLength size;
    PartLimits hole;
    PartLimits shaft;
    ExactLength maxClearance; // ES - ei
    ExactLength minClearance; // EI - es
    ExactLength meanClearance; // halfway between the two
    ExactLength fitTolerance; // both tolerances together
    FitType type = FitType::Clearance;
};

// Pure arithmetic on two parts' limits: no tables, no failure.
FitAnalysis AnalyseFit(ExactLength size, const PartLimits& hole, const PartLimits& shaft);

// Which part failed, and why.
struct FitFailure
{
    Part part = Part::Hole;
    Failure failure;
};

// Both parts from the tables, then the analysis.
Result<FitAnalysis, FitFailure> AnalyseFit(const DeviationTables& tables, const FitDesignation& fit, ExactLength size);

// "clearance", "transition", "interference".
std::string_view FitTypeName(FitType type);

#pragma once

#include "core/bearings/bearing_tolerances.h"
#include "core/fit_analysis.h"
#include "core/loaded_tables.h"

#include <variant>

// A bearing seat: the inner ring's bore on an ISO 286 shaft class, or the outer ring in an ISO 286
// housing (hole) class, analysed as any fit, the ring as the other part.
struct BearingFit
{
    BearingRingTolerance ring;
    FitAnalysis analysis; // the ring is the hole of a shaft seat and the shaft of a housing seat
};

// Why a seat has no fit: the ring's table, or the seat's class at that size.
struct BearingFitFailure
{
    std::variant<BearingRefusal, Failure> reason;
};

// The ring follows from the seat's part: a shaft class seats the inner ring, a hole class the outer.
Result<BearingFit, BearingFitFailure> AnalyseBearingFit(const DeviationTables& tables, const ToleranceClass& seat,
                                                        BearingClass bearingClass, ExactLength diameter);

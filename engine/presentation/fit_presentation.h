#pragma once

#include "core/fit_analysis.h"
#include "presentation/length_figure.h"

#include <array>
#include <string>
#include <string_view>

// A fit as every front end shows it. The keys are the captions' keys: max_clearance,
// min_clearance, max_interference, min_interference, mean_clearance, mean_interference,
// fit_tolerance; upper, lower, max_size, min_size, tolerance for a part.

struct PartPresentation
{
    std::string className; // "H7"
    LengthFigure upper; // signed
    LengthFigure lower;
    LengthFigure largestSize; // mm: "40.025"
    LengthFigure smallestSize;
    LengthFigure tolerance;
};

struct FitPresentation
{
    std::string fit; // "H7/g6"
    std::string sizeMm; // "40"
    std::string_view type; // "clearance", "transition", "interference"
    PartPresentation hole;
    PartPresentation shaft;
    // By the fit's type, the larger first: largest and smallest clearance; largest clearance and
    // largest interference; largest and smallest interference. Signed as hole minus shaft, so that
    // an interference is negative (ISO 286-1's and GB/T 1800.1's Ymax = EI - es), and each value
    // is the number the JSON's clearance keys hold.
    std::array<LengthFigure, 2> extremes;
    // The probable clearances (core/probable_clearance.h) in the extremes' order, each named by its
    // own sign: the larger probable_max_clearance or probable_min_interference, the smaller
    // probable_min_clearance or probable_max_interference.
    std::array<LengthFigure, 2> probable;
    // Named by its sign: mean_clearance from 0 up, else mean_interference.
    LengthFigure mean;
    LengthFigure fitTolerance;
    std::string drawingLine;
};

FitPresentation PresentFit(const FitAnalysis& fit);

// A found fit in a list: its clearances from the smallest to the largest, signed as above
// (min_clearance, max_clearance: "-48" to "-14" for an interference fit), and its fit tolerance.
struct FitRangePresentation
{
    LengthFigure minClearance;
    LengthFigure maxClearance;
    LengthFigure fitTolerance;
};
FitRangePresentation PresentFitRange(const FitAnalysis& fit);
PartPresentation PresentPart(const PartLimits& part, ExactLength size);

// The command line's English for a caption key ("largest clearance"); the key itself for one it
// does not know.
std::string_view EnglishCaption(std::string_view key);

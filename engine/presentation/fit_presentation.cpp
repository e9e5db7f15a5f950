#include "presentation/fit_presentation.h"

#include "core/probable_clearance.h"
#include "core/tolerance_class.h"
#include "presentation/drawing_line.h"

namespace {

// ES - ei is the largest clearance (the smallest interference), EI - es the smallest clearance (the
// largest interference).
std::array<LengthFigure, 2> Extremes(const FitAnalysis& fit)
{
    switch (fit.type) {
    case FitType::Clearance:
        return {SignedLengthFigure("max_clearance", fit.maxClearance),
                SignedLengthFigure("min_clearance", fit.minClearance)};
    case FitType::Transition:
        return {SignedLengthFigure("max_clearance", fit.maxClearance),
                SignedLengthFigure("max_interference", fit.minClearance)};
    case FitType::Interference:
        break;
    }
    return {SignedLengthFigure("max_interference", fit.minClearance),
            SignedLengthFigure("min_interference", fit.maxClearance)};
}

std::array<LengthFigure, 2> Probable(const FitAnalysis& fit)
{
    const ProbableClearance probable = ProbableClearanceOf(fit);
    const LengthFigure larger = SignedLengthFigure(
        probable.max.nm >= 0 ? "probable_max_clearance" : "probable_min_interference", probable.max);
    const LengthFigure smaller = SignedLengthFigure(
        probable.min.nm >= 0 ? "probable_min_clearance" : "probable_max_interference", probable.min);
    // In the extremes' order: the largest interference first in an interference fit.
    if (fit.type == FitType::Interference)
        return {smaller, larger};
    return {larger, smaller};
}

} // namespace

PartPresentation PresentPart(const PartLimits& part, ExactLength size)
{
    return {PartName(part),
            SignedLengthFigure("upper", part.deviations.upper),
            SignedLengthFigure("lower", part.deviations.lower),
            PlainLengthFigure("max_size", size + part.deviations.upper),
            PlainLengthFigure("min_size", size + part.deviations.lower),
            PlainLengthFigure("tolerance", part.Tolerance())};
}

FitPresentation PresentFit(const FitAnalysis& fit)
{
    return {PartName(fit.hole) + "/" + PartName(fit.shaft),
            FormatMm(fit.size),
            FitTypeName(fit.type),
            PresentPart(fit.hole, fit.size),
            PresentPart(fit.shaft, fit.size),
            Extremes(fit),
            Probable(fit),
            SignedLengthFigure(fit.meanClearance.nm >= 0 ? "mean_clearance" : "mean_interference", fit.meanClearance),
            PlainLengthFigure("fit_tolerance", fit.fitTolerance),
            DrawingLine(fit)};
}

FitRangePresentation PresentFitRange(const FitAnalysis& fit)
{
    return {SignedLengthFigure("min_clearance", fit.minClearance),
            SignedLengthFigure("max_clearance", fit.maxClearance),
            PlainLengthFigure("fit_tolerance", fit.fitTolerance)};
}

std::string_view EnglishCaption(std::string_view key)
{
    struct Caption
    {
        std::string_view key;
        std::string_view english;
    };
    static constexpr Caption kCaptions[] = {
        {"max_clearance", "largest clearance"},
        {"min_clearance", "smallest clearance"},
        {"max_interference", "largest interference"},
        {"min_interference", "smallest interference"},
        {"mean_clearance", "mean clearance"},
        {"mean_interference", "mean interference"},
        {"fit_tolerance", "fit tolerance"},
        {"drawing_line", "drawing line"},
        {"probable_max_clearance", "probable largest clearance"},
        {"probable_min_clearance", "probable smallest clearance"},
        {"probable_max_interference", "probable largest interference"},
        {"probable_min_interference", "probable smallest interference"},
    };
    for (const Caption& caption : kCaptions) {
        if (caption.key == key)
            return caption.english;
    }
    return key;
}

#pragma once

#include "core/exact_length.h"
#include "core/limit_deviations.h"

#include <span>
#include <vector>

// Deviations to heights for the tolerance-zone diagram. One scale serves the whole drawing, except
// where a zone would come out thinner than a reader can see: the stretch of deviations such a zone
// covers is drawn to a larger scale of its own, and the drawing marks the scale as broken there.
// Heights grow downwards, as in SVG.
class DiagramScale
{
public:
    // The highest deviation of the zones (or zero) falls at topPx, the lowest at bottomPx.
    DiagramScale(std::span<const LimitDeviations> zones, double topPx, double bottomPx, double minZonePx);

    double Y(ExactLength deviation) const;

    // Pixels per nanometre wherever the scale is not enlarged.
    double PxPerNm() const { return m_pxPerNm; }

    // The stretches drawn to a larger scale, each from its lower to its upper deviation; adjoining
    // stretches are joined into one.
    struct Stretch
    {
        ExactLength lower;
        ExactLength upper;
    };
    const std::vector<Stretch>& Enlarged() const { return m_enlarged; }

    // Whether a deviation lies strictly between two neighbouring zone edges (or zero) in an enlarged
    // stretch: where a tick would stand at a scale of its own.
    bool InEnlarged(ExactLength deviation) const;

    ExactLength Lowest() const { return m_breaks.front(); }
    ExactLength Highest() const { return m_breaks.back(); }

private:
    std::vector<ExactLength> m_breaks; // zero and every zone edge, ascending, each once
    std::vector<double> m_segmentPx; // drawn height between m_breaks[i] and m_breaks[i + 1]
    std::vector<bool> m_enlargedSegment;
    std::vector<Stretch> m_enlarged;
    double m_topPx = 0;
    double m_bottomPx = 0;
    double m_pxPerNm = 0;
};

// Deviations for the axis's tick labels: round multiples of one step, at least minSpacingPx apart
// where the scale is not enlarged, none inside an enlarged stretch, zero always among them.
std::vector<ExactLength> AxisTicks(const DiagramScale& scale, double minSpacingPx);

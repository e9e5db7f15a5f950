#include "core/diagram_scale.h"

#include <algorithm>
#include <cmath>

DiagramScale::DiagramScale(std::span<const LimitDeviations> zones, double topPx, double bottomPx, double minZonePx)
    : m_topPx(topPx)
    , m_bottomPx(bottomPx)
{
    m_breaks.push_back({});
    for (const LimitDeviations& zone : zones) {
        m_breaks.push_back(zone.lower);
        m_breaks.push_back(zone.upper);
    }
    std::sort(m_breaks.begin(), m_breaks.end());
    m_breaks.erase(std::unique(m_breaks.begin(), m_breaks.end()), m_breaks.end());
    const std::size_t segments = m_breaks.size() - 1;
    if (segments == 0) {
        m_pxPerNm = 1;
        return;
    }

    // A segment lying in a thin zone needs its share of that zone's smallest height.
    std::vector<double> lengthNm(segments);
    std::vector<double> neededPx(segments, 0.0);
    for (std::size_t i = 0; i < segments; ++i) {
        lengthNm[i] = static_cast<double>((m_breaks[i + 1] - m_breaks[i]).nm);
        for (const LimitDeviations& zone : zones) {
            const double zoneNm = static_cast<double>((zone.upper - zone.lower).nm);
            if (zoneNm > 0 && zone.lower <= m_breaks[i] && m_breaks[i + 1] <= zone.upper)
                neededPx[i] = std::max(neededPx[i], minZonePx * lengthNm[i] / zoneNm);
        }
    }

    // Fix the segments the common scale would draw too thin at their needed height, and share what
    // is left among the others; each round lowers the common scale, so a few rounds settle it.
    const double availablePx = bottomPx - topPx;
    std::vector<bool> fixed(segments, false);
    for (bool changed = true; changed;) {
        changed = false;
        double fixedPx = 0;
        double freeNm = 0;
        for (std::size_t i = 0; i < segments; ++i) {
            if (fixed[i])
                fixedPx += neededPx[i];
            else
                freeNm += lengthNm[i];
        }
        m_pxPerNm = freeNm > 0 ? std::max(0.0, availablePx - fixedPx) / freeNm : 0;
        for (std::size_t i = 0; i < segments; ++i) {
            if (!fixed[i] && lengthNm[i] * m_pxPerNm < neededPx[i]) {
                fixed[i] = true;
                changed = true;
            }
        }
    }
    for (std::size_t i = 0; i < segments; ++i) {
        m_segmentPx.push_back(fixed[i] ? neededPx[i] : lengthNm[i] * m_pxPerNm);
        m_enlargedSegment.push_back(fixed[i]);
        if (!fixed[i])
            continue;
        if (!m_enlarged.empty() && m_enlarged.back().upper == m_breaks[i])
            m_enlarged.back().upper = m_breaks[i + 1];
        else
            m_enlarged.push_back({m_breaks[i], m_breaks[i + 1]});
    }
}

double DiagramScale::Y(ExactLength deviation) const
{
    if (m_segmentPx.empty())
        return (m_topPx + m_bottomPx) / 2;
    // Beyond the zones the common scale goes on.
    if (deviation >= m_breaks.back())
        return m_topPx - static_cast<double>((deviation - m_breaks.back()).nm) * m_pxPerNm;
    if (deviation <= m_breaks.front())
        return m_bottomPx + static_cast<double>((m_breaks.front() - deviation).nm) * m_pxPerNm;
    double y = m_topPx;
    for (std::size_t i = m_segmentPx.size(); i-- > 0;) {
        if (deviation >= m_breaks[i]) {
            const double share = static_cast<double>((m_breaks[i + 1] - deviation).nm)
                / static_cast<double>((m_breaks[i + 1] - m_breaks[i]).nm);
            return y + share * m_segmentPx[i];
        }
        y += m_segmentPx[i];
    }
    return m_bottomPx;
}

bool DiagramScale::InEnlarged(ExactLength deviation) const
{
    for (std::size_t i = 0; i < m_segmentPx.size(); ++i) {
        if (m_enlargedSegment[i] && m_breaks[i] < deviation && deviation < m_breaks[i + 1])
            return true;
    }
    return false;
}

std::vector<ExactLength> AxisTicks(const DiagramScale& scale, double minSpacingPx)
{
    if (scale.PxPerNm() <= 0 || scale.Lowest() == scale.Highest())
        return {ExactLength {}};
    // The smallest step of 1, 2 or 5 times a power of ten nanometres that keeps the spacing.
    const double minStepNm = minSpacingPx / scale.PxPerNm();
    std::int64_t stepNm = 1;
    for (std::int64_t decade = 1; stepNm < minStepNm && decade <= 1'000'000'000'000; decade *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            stepNm = decade * factor;
            if (static_cast<double>(stepNm) >= minStepNm)
                break;
        }
    }
    std::vector<ExactLength> ticks;
    // The multiples of the step within the zones' reach; the lowest is at most zero, the highest at
    // least zero, so truncating division rounds both inwards.
    const std::int64_t first = scale.Lowest().nm / stepNm;
    const std::int64_t last = scale.Highest().nm / stepNm;
    for (std::int64_t multiple = first; multiple <= last; ++multiple) {
        const ExactLength tick {multiple * stepNm};
        if (!scale.InEnlarged(tick))
            ticks.push_back(tick);
    }
    return ticks;
}

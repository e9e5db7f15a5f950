#include "core/diagram_labels.h"

#include <algorithm>
#include <cmath>

namespace {

// Kept clear between a label and anything else.
constexpr double kGapPx = 1.5;

} // namespace

double TextWidthEm(std::string_view utf8, bool bold)
{
    double width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // Three-byte characters from U+2E80 on are the CJK scripts and full-width forms; the minus
        // sign (U+2212) and other symbols below them are as wide as a digit.
        const bool wide = length == 4
            || (length == 3
                && (lead > 0xE2
                    || (lead == 0xE2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0xBA)));
        // Signs are the widest of the rest in common sans fonts.
        const bool sign = utf8[i] == '+' || utf8[i] == '-' || utf8.substr(i, length) == "\xE2\x88\x92";
        width += wide ? 1.0 : (sign ? 0.84 : 0.68) + (bold ? 0.06 : 0);
        i += length;
    }
    return width;
}

LabelSpace::LabelSpace(double topPx, double bottomPx)
    : m_topPx(topPx)
    , m_bottomPx(bottomPx)
{
}

bool LabelSpace::IsFree(const LabelBox& box) const
{
    if (box.top < m_topPx || box.bottom > m_bottomPx)
        return false;
    const LabelBox padded {box.left - kGapPx, box.top - kGapPx, box.right + kGapPx, box.bottom + kGapPx};
    return std::none_of(m_taken.begin(), m_taken.end(), [&](const LabelBox& taken) { return padded.Overlaps(taken); });
}

std::optional<double> LabelSpace::FreeTop(double left, double right, double heightPx, double desiredTop, double minTop,
                                          double maxTop, bool preferUp) const
{
    const double lowest = std::max(minTop, m_topPx);
    const double highest = std::min(maxTop, m_bottomPx - heightPx);
    if (lowest > highest)
        return std::nullopt;
    // The best place is the wish itself or a place just clear of something taken.
    std::vector<double> candidates {std::clamp(desiredTop, lowest, highest), lowest, highest};
    for (const LabelBox& taken : m_taken) {
        if (taken.left < right + kGapPx && left - kGapPx < taken.right) {
            candidates.push_back(taken.top - kGapPx - heightPx - 0.01);
            candidates.push_back(taken.bottom + kGapPx + 0.01);
        }
    }
    std::optional<double> best;
    for (const double top : candidates) {
        if (top < lowest || top > highest || !IsFree({left, top, right, top + heightPx}))
            continue;
        const double distance = std::abs(top - desiredTop);
        const double bestDistance = best ? std::abs(*best - desiredTop) : 0;
        if (!best || distance < bestDistance - 1e-9
            || (std::abs(distance - bestDistance) <= 1e-9 && (preferUp ? top < *best : top > *best)))
            best = top;
    }
    return best;
}

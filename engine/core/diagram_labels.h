#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Room for labels in a drawing: boxes already taken (labels, lines), and the nearest free place for
// the next label. Labels are judged by generous boxes so that real fonts, a little wider than the
// estimate, still keep them apart.

// A text's width in em: Latin characters, digits and signs are counted wide, CJK characters a full em.
double TextWidthEm(std::string_view utf8, bool bold = false);

// A text line's extent above and below its baseline, in em.
inline constexpr double kAscentEm = 0.78;
inline constexpr double kDescentEm = 0.22;

struct LabelBox
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool Overlaps(const LabelBox& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

class LabelSpace
{
public:
    // Labels stay between topPx and bottomPx.
    LabelSpace(double topPx, double bottomPx);

    void Take(const LabelBox& box) { m_taken.push_back(box); }
    bool IsFree(const LabelBox& box) const;

    // The top edge nearest desiredTop, within [minTop, maxTop] and the space's own bounds, at which a
    // block from left to right and heightPx tall overlaps nothing taken; on a tie the one above when
    // preferUp. None when no place is free.
    std::optional<double> FreeTop(double left, double right, double heightPx, double desiredTop, double minTop,
                                  double maxTop, bool preferUp) const;

private:
    double m_topPx;
    double m_bottomPx;
    std::vector<LabelBox> m_taken;
};

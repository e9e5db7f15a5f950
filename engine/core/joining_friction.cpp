#include "core/joining_friction.h"

#include <algorithm>
#include <array>

namespace {

struct Row
{
    MaterialFamily other; // the material against steel
    double pressHolding; // DIN 7190-1:2017, 5.2: pressed lengthways, slipping, dry
    double pressing; // 5.2: while pressing in, lubricated
    double shrinkHolding; // 5.3: shrunk, slipping, surfaces not degreased
};

// The shrink values are the standard's lower bounds where it gives a range (steel-aluminium
// 0.10-0.15, steel-copper alloy 0.17-0.25), and for cast iron its only value, that of oil joining.
constexpr std::array kRows = {
    Row {MaterialFamily::Steel, 0.11, 0.08, 0.15},
    Row {MaterialFamily::CastIron, 0.10, 0.07, 0.10},
    Row {MaterialFamily::Aluminium, 0.08, 0.05, 0.10},
    Row {MaterialFamily::CopperAlloy, 0.10, 0.07, 0.17},
};

bool SteelLike(MaterialFamily family)
{
    return family == MaterialFamily::Steel || family == MaterialFamily::Titanium;
}

double HoldingOf(const Row& row, JoiningMethod method)
{
    return method == JoiningMethod::Press ? row.pressHolding : row.shrinkHolding;
}

} // namespace

std::string_view JoiningMethodName(JoiningMethod method)
{
    return method == JoiningMethod::Press ? "press" : "shrink";
}

FrictionCoefficients DefaultFriction(JoiningMethod method, MaterialFamily hub, MaterialFamily shaft)
{
    if (SteelLike(hub) || SteelLike(shaft)) {
        const MaterialFamily other = SteelLike(hub) ? (SteelLike(shaft) ? MaterialFamily::Steel : shaft) : hub;
        for (const Row& row : kRows)
            if (row.other == other)
                return {HoldingOf(row, method), row.pressing, true};
    }
    // Neither part is steel: each column's value on the safe side, the lowest for holding and the
    // highest for the force a press must have.
    FrictionCoefficients bounds {HoldingOf(kRows.front(), method), kRows.front().pressing, false};
    for (const Row& row : kRows) {
        bounds.holding = std::min(bounds.holding, HoldingOf(row, method));
        bounds.pressing = std::max(bounds.pressing, row.pressing);
    }
    return bounds;
}

#include "core/joining_friction.h"

#include <algorithm>
#include <array>

namespace {

// A press fit's coefficient of one surface condition holds for its holding and its pressing in:
// pressing in slides the surfaces, and sliding friction is never above the friction at rest of the
// same surfaces, so the condition's one value bounds both on the safe side for the press.
struct Row
{
    MaterialFamily other; // the material against steel
    double pressedDry; // DIN 7190-1:2017, 5.2: pressed lengthways, dry
    double pressedOiled; // 5.2: pressed lengthways, lubricated
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

FrictionCoefficients CoefficientsOf(const Row& row, JoiningMethod method, SurfaceCondition surface)
{
    if (method == JoiningMethod::Shrink)
        return {row.shrinkHolding, row.pressedOiled, true};
    switch (surface) {
    case SurfaceCondition::Dry:
        return {row.pressedDry, row.pressedDry, true};
    case SurfaceCondition::Oiled:
        return {row.pressedOiled, row.pressedOiled, true};
    case SurfaceCondition::NotGiven:
        break;
    }
    return {std::min(row.pressedDry, row.pressedOiled), std::max(row.pressedDry, row.pressedOiled), true};
}

} // namespace

std::string_view JoiningMethodName(JoiningMethod method)
{
    return method == JoiningMethod::Press ? "press" : "shrink";
}

std::string_view SurfaceConditionName(SurfaceCondition surface)
{
    switch (surface) {
    case SurfaceCondition::Dry:
        return "dry";
    case SurfaceCondition::Oiled:
        return "oiled";
    case SurfaceCondition::NotGiven:
        break;
    }
    return "";
}

FrictionCoefficients DefaultFriction(JoiningMethod method, MaterialFamily hub, MaterialFamily shaft,
                                     SurfaceCondition surface)
{
    if (SteelLike(hub) || SteelLike(shaft)) {
        const MaterialFamily other = SteelLike(hub) ? (SteelLike(shaft) ? MaterialFamily::Steel : shaft) : hub;
        for (const Row& row : kRows)
            if (row.other == other)
                return CoefficientsOf(row, method, surface);
    }
    // Neither part is steel: each column's value on the safe side, the lowest for holding and the
    // highest for the force a press must have.
    FrictionCoefficients bounds = CoefficientsOf(kRows.front(), method, surface);
    for (const Row& row : kRows) {
        const FrictionCoefficients values = CoefficientsOf(row, method, surface);
        bounds.holding = std::min(bounds.holding, values.holding);
        bounds.pressing = std::max(bounds.pressing, values.pressing);
    }
    bounds.tabulated = false;
    return bounds;
}

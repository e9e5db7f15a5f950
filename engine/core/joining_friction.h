#pragma once

#include "core/materials.h"

#include <string_view>

// How hub and shaft are joined: pressed on lengthways at room temperature, or shrunk (the hub
// heated, the shaft cooled) so that nothing slides while they are joined.
enum class JoiningMethod { Press, Shrink };

std::string_view JoiningMethodName(JoiningMethod method); // "press", "shrink"

// The surfaces of a press fit as they are pressed together: dry, or oiled. Not given: each check
// takes the coefficient that is worse for it.
enum class SurfaceCondition { NotGiven, Dry, Oiled };

std::string_view SurfaceConditionName(SurfaceCondition surface); // "", "dry", "oiled"

struct FrictionCoefficients
{
    double holding; // against slipping under load
    double pressing; // while pressing the parts together
    bool tabulated; // false: DIN 7190-1 has no row for the pair, the safe end of its column stands in
};

// The coefficients of DIN 7190-1 for the joining method, the pair of materials and, pressed, the
// surfaces' condition: holding and pressing in of that one condition, or, not given, the lower for
// holding and the higher for pressing in. Shrunk, holding is the shrink table's and pressing in the
// oiled one. The table gives each material against steel; titanium alloys are taken as steel.
FrictionCoefficients DefaultFriction(JoiningMethod method, MaterialFamily hub, MaterialFamily shaft,
                                     SurfaceCondition surface = SurfaceCondition::NotGiven);

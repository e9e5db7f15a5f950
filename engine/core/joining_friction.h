#pragma once

#include "core/materials.h"

#include <string_view>

// How hub and shaft are joined: pressed on lengthways at room temperature, or shrunk (the hub
// heated, the shaft cooled) so that nothing slides while they are joined.
enum class JoiningMethod { Press, Shrink };

std::string_view JoiningMethodName(JoiningMethod method); // "press", "shrink"

struct FrictionCoefficients
{
    double holding; // against slipping under load
    double pressing; // while pressing the parts together
    bool tabulated; // false: DIN 7190-1 has no row for the pair, the safe end of its column stands in
};

// The coefficients of DIN 7190-1 for the joining method and the pair of materials. The table
// gives each material against steel; titanium alloys are taken as steel.
FrictionCoefficients DefaultFriction(JoiningMethod method, MaterialFamily hub, MaterialFamily shaft);

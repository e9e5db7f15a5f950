#pragma once

#include "core/exact_length.h"
#include "core/limit_deviations.h"
#include "core/result.h"

#include <optional>
#include <string_view>

// The mean diameter deviations of radial rolling bearings (ISO 492, GB/T 307.1 the same): the
// inner ring's bore (Δdmp) and the outer ring's outside diameter (ΔDmp), for the tolerance classes
// Normal, 6 and 5. Both zones lie below the nominal size: upper deviation 0.

enum class BearingRing { Inner, Outer };
enum class BearingClass { Normal, Class6, Class5 };

std::optional<BearingClass> ParseBearingClass(std::string_view text); // "normal", "6", "5"
std::string_view BearingClassName(BearingClass bearingClass); // "Normal", "6", "5"

enum class BearingRefusal {
    NotPositive,
    OutsideTables, // below the smallest or above the largest diameter tabulated for the ring
};

struct BearingDiameterRange
{
    ExactLength over;
    ExactLength upTo;
};

struct BearingRingTolerance
{
    BearingRing ring = BearingRing::Inner;
    BearingClass bearingClass = BearingClass::Normal;
    BearingDiameterRange range;
    LimitDeviations deviations; // upper 0, lower the table's value
};

Result<BearingRingTolerance, BearingRefusal> FindBearingRingTolerance(BearingRing ring, BearingClass bearingClass,
                                                                      ExactLength diameter);

// The diameters tabulated for a ring: over the first, up to the last.
BearingDiameterRange BearingTableSpan(BearingRing ring);

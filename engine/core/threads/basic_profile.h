#pragma once

#include "core/exact_length.h"

// The basic diameters of ISO 724 (ISO 68-1 profile) for a nominal diameter and a pitch: the same for
// the bolt and the nut (d = D, d2 = D2, d1 = D1), and the bolt's root diameter d3 of ISO 965-1.
struct BasicProfile
{
    ExactLength major; // d = D
    ExactLength pitch; // d2 = D2 = d - 0.649519 P
    ExactLength minor; // d1 = D1 = d - 1.082532 P
    ExactLength root; // d3 = d - 1.226869 P
};

// The coefficients as ISO 724 and ISO 965-1 print them (six decimals: 3√3/8, 5√3/8 and
// 17√3/24, each to within 0.5e-6), each product rounded to the nearest nanometre, half away from
// zero: for pitches up to 8 mm that stays within 0.5 nm of the exact irrational value plus 4 nm of
// the coefficients' own rounding, far below the 0.001 mm that any limit is printed to.
BasicProfile BasicProfileOf(ExactLength diameter, ExactLength pitch);

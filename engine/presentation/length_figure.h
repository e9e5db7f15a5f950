#pragma once

#include "core/exact_length.h"

#include <string>
#include <string_view>

// A length as a person reads it, in micrometres and in millimetres: the one place that decides its
// sign and decimals. key names the figure (as in the JSON answers) and is also its caption key,
// which each front end translates.
struct LengthFigure
{
    std::string_view key;
    ExactLength value;
    std::string um; // "+25", "0", "-10.5": exact, with its sign when signed
    std::string mm; // "+0.025", "0.000", "-0.0105": at least three decimals, as drawings write mm
};

// A deviation, clearance or interference: signed ("+25", "0", "-48"). Under this program's one sign
// convention a clearance is positive and an interference negative (hole minus shaft).
LengthFigure SignedLengthFigure(std::string_view key, ExactLength value);

// A tolerance or a size, never negative: no sign ("25", "0.025").
LengthFigure PlainLengthFigure(std::string_view key, ExactLength value);

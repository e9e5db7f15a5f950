#pragma once

#include "core/exact_length.h"

#include <nlohmann/json.hpp>

// Exact lengths as JSON numbers: whole numbers as integers ("25", never "25.0" or "-0"), others as
// the nearest double, which the JSON writer prints back as the exact decimal ("10.5", "40.025").
inline nlohmann::ordered_json JsonUm(ExactLength length)
{
    if (length.nm % 1000 == 0)
        return length.nm / 1000;
    return ToUm(length);
}

inline nlohmann::ordered_json JsonMm(ExactLength length)
{
    if (length.nm % 1'000'000 == 0)
        return length.nm / 1'000'000;
    return ToMm(length);
}

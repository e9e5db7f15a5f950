#pragma once

#include "core/exact_length.h"
#include "core/general/general_classes.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The general tolerances' tables as data, each with its source (docs/general-tolerances.md).

// Sizes over `over` and up to and including `upTo` (no upper end where there is none); the first
// range of the linear and edge tables also holds its lower end, 0.5 mm.
struct GeneralRange
{
    ExactLength over;
    std::optional<ExactLength> upTo;
    bool includesOver = false;

    bool Holds(ExactLength size) const
    {
        const bool aboveLower = includesOver ? size >= over : size > over;
        return aboveLower && (!upTo || size <= *upTo);
    }
};

// A cell the standard leaves empty ("—").
inline constexpr int kNoCell = -1;

// One range and its value for each class, in the classes' order (f m c v, or H K L): micrometres,
// or minutes of arc for the angles.
struct GeneralRow
{
    GeneralRange range;
    std::array<int, 4> cells;
};

struct GeneralTable
{
    std::string_view standard; // "ISO 2768-1", "GB/T 1804-2000", ...
    std::string_view source; // the table of the standard
    std::span<const GeneralRow> rows;
};

// ISO 2768-1 Tables 1 to 3, or GB/T 1804-2000 Tables 1 to 3.
const GeneralTable& LinearTable(GeneralKind kind, GeneralStandard standard);

// ISO 2768-2 Tables 1 to 4, or GB/T 1184-1996 Tables B.1 to B.4: straightness and flatness share
// one table. Run-out's table has one row, for any length.
const GeneralTable& GeometricalTable(GeometricalFeature feature, GeneralStandard standard);

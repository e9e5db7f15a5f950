#pragma once

#include "core/general/general_tables.h"
#include "core/result.h"

#include <span>
#include <string_view>

// One size's general tolerance, looked up in its table.

// Why a size has no general tolerance.
enum class GeneralRefusal {
    NotPositive, // a length of 0 or less
    BelowTables, // under 0.5 mm: the standard has the deviation written beside the size
    BeyondTables, // past the table's last range (4000 mm linear, 3000 mm geometrical)
    EmptyCell, // the standard leaves the class out at this size (f over 2000 mm, v up to 3 mm)
};

// A linear size, a broken edge or an angle: ± the deviation, in µm (linear, edge) or in minutes of
// arc (angle).
struct GeneralTolerance
{
    GeneralKind kind = GeneralKind::Linear;
    LinearClass linearClass = LinearClass::Medium;
    const GeneralTable* table = nullptr;
    ExactLength size;
    GeneralRange range;
    ExactLength deviation; // linear and edge
    int deviationArcMinutes = 0; // angle
};

Result<GeneralTolerance, GeneralRefusal> FindGeneralTolerance(GeneralKind kind, LinearClass linearClass,
                                                              GeneralStandard standard, ExactLength size);

// A feature's general geometrical tolerance by its length (run-out for any length).
struct GeometricalTolerance
{
    GeometricalFeature feature = GeometricalFeature::Flatness;
    GeometricalClass geometricalClass = GeometricalClass::K;
    const GeneralTable* table = nullptr;
    ExactLength length;
    GeneralRange range;
    ExactLength tolerance;
};

Result<GeometricalTolerance, GeneralRefusal> FindGeometricalTolerance(GeometricalFeature feature,
                                                                      GeometricalClass geometricalClass,
                                                                      GeneralStandard standard, ExactLength length);

// The features ISO 2768-2 (clause 5) and GB/T 1184 give no table of their own, each by its key;
// what the rule says is worded where the answers are.
std::span<const std::string_view> UntabulatedFeatures(); // "circularity", "cylindricity", ...

#pragma once

#include "core/result.h"

#include <optional>
#include <string_view>

// The classes of the general tolerances a drawing's title block names: linear and angular sizes
// (ISO 2768-1, GB/T 1804) and geometrical tolerances (ISO 2768-2, GB/T 1184).

enum class LinearClass { Fine, Medium, Coarse, VeryCoarse }; // f, m, c, v
enum class GeometricalClass { H, K, L };

// Which standard's tables: ISO 2768 or the Chinese standards, which differ only in GB/T 1804's
// broken edges (its "over 6 mm" is split at 30 mm).
enum class GeneralStandard { Iso, Gb };

// What kind of linear or angular size: a length, a broken edge (external radius, chamfer height),
// or an angle by the length of its shorter side.
enum class GeneralKind { Linear, Edge, Angle };

enum class GeometricalFeature { Straightness, Flatness, Perpendicularity, Symmetry, Runout };

// A class as a title block writes it: "m", "K" or both, "mK" (also "mk", as it is often written).
struct GeneralClasses
{
    std::optional<LinearClass> linear;
    std::optional<GeometricalClass> geometrical;
};

// Nothing when the text is no class: the letters are case-sensitive but for the second of a pair.
std::optional<GeneralClasses> ParseGeneralClasses(std::string_view text);
std::optional<GeometricalFeature> ParseGeometricalFeature(std::string_view text);
std::optional<GeneralStandard> ParseGeneralStandard(std::string_view text);

char LinearClassLetter(LinearClass linearClass); // 'f'
char GeometricalClassLetter(GeometricalClass geometricalClass); // 'H'
std::string_view GeometricalFeatureName(GeometricalFeature feature); // "flatness"
std::string_view GeneralKindName(GeneralKind kind); // "linear", "edge", "angle"

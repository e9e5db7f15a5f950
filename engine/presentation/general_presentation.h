#pragma once

#include "core/general/general_tolerances.h"

#include <string>

// What a person reads of a general tolerance: its value's text, its range's, and the one line the
// command line prints. The range is worded in English here; the other front ends word it from the
// answer's over_mm, up_to_mm and includes_over.

// "±0.3 mm", "±0°30′", "±1°"; a geometrical tolerance has no sign: "0.05 mm".
std::string GeneralDeviationText(const GeneralTolerance& tolerance);
std::string GeometricalToleranceText(const GeometricalTolerance& tolerance);

// "±0°30′" from minutes of arc.
std::string ArcMinutesText(int minutes);

// "0.5 up to 3 mm", "over 30 up to 120 mm", "over 6 mm", "up to 10 mm", "any length".
std::string GeneralRangeText(const GeneralRange& range);

// "ISO 2768-m", "GB/T 1804-m", "ISO 2768-K", "GB/T 1184-K": the class as a title block writes it.
std::string GeneralClassDesignation(const GeneralTable& table, char classLetter);

// "±0.3 mm (ISO 2768-m, over 30 up to 120 mm)".
std::string GeneralToleranceLine(const GeneralTolerance& tolerance);
std::string GeometricalToleranceLine(const GeometricalTolerance& tolerance);

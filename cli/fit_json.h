#pragma once

#include "fit_analysis.h"

#include <nlohmann/json.hpp>

// A fit as one JSON object: fit, size_mm, type, hole and shaft (class, upper_um, lower_um, max_mm,
// min_mm, tolerance_um), max_clearance_um, min_clearance_um, mean_clearance_um, fit_tolerance_um.
nlohmann::ordered_json FitJson(const FitAnalysis& fit);

#pragma once

#include "answers/answer.h"
#include "core/fit_analysis.h"
#include "core/loaded_tables.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string_view>

// A fit, one part, one standard tolerance. Each answer takes its inputs as the front ends hold them
// (text and JSON numbers) or already read; tables is the folder the deviation tables came from, for
// the messages (empty: the current directory, or the built-in tables).

// One part of a fit: class, tabulated (whether ISO 286-2 prints the class; every class is computed
// from the ISO 286-1 rules alike), upper_um, lower_um, max_mm, min_mm, tolerance_um.
nlohmann::ordered_json PartJson(const PartLimits& part, ExactLength size);

// A fit: fit, size_mm, type, hole, shaft, max_clearance_um, min_clearance_um, mean_clearance_um,
// fit_tolerance_um, drawing_line.
nlohmann::ordered_json FitJson(const FitAnalysis& fit);

// A fit as a person reads it: FitJson, and "figures" (the extremes by the fit's type, the mean and
// the fit tolerance: key, value_um, display_um, display_mm) and each part's "display" (its numbers'
// texts under their keys). The displays are the ones every front end shows.
nlohmann::ordered_json PresentedFitJson(const FitAnalysis& fit);

Answer FitAnswer(const DeviationTables& tables, const FitDesignation& fit, ExactLength size,
                 const std::filesystem::path& folder = {});
Answer FitAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm,
                 const std::filesystem::path& folder = {});

// A fit designation read as the engine reads it, its parts as a user picks them:
// {"hole": {"letter": "H", "grade": "7"}, "shaft": {"letter": "g", "grade": "6"}} (grade "01" for IT01).
Answer FitPartsAnswer(std::string_view designation);

// One tolerance class: the hole or shaft object of a fit as PresentedFitJson gives it.
Answer LimitsAnswer(const DeviationTables& tables, std::string_view toleranceClass, const nlohmann::json& sizeMm,
                    const std::filesystem::path& folder = {});

// A standard tolerance: grade, size_mm, tolerance_um.
Answer ToleranceAnswer(std::string_view grade, const nlohmann::json& sizeMm);

// The tolerance-zone diagram of a fit, as a JSON string holding the SVG document.
Answer DiagramSvgAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm,
                        const std::filesystem::path& folder = {});

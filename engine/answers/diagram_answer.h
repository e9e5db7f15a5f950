#pragma once

#include "answer.h"
#include "loaded_tables.h"

#include <nlohmann/json.hpp>
#include <string_view>

// The tolerance-zone diagram of a fit (fit_diagram.h): a JSON string holding the SVG document. The
// same refusals as the fit's answer.
Answer DiagramSvgAnswer(const DeviationTables& tables, std::string_view designation, const nlohmann::json& sizeMm);

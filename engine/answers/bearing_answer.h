#pragma once

#include "answers/answer.h"
#include "core/loaded_tables.h"

#include <nlohmann/json.hpp>

// A bearing seat (ISO 492 rings on an ISO 286 class): the fit object of `fit`, the ring's part named
// "bearing inner ring, Normal" and the like, its drawing line the seat's alone, and "bearing": the
// ring, its class and its table's range. Options: size_mm, seat ("k5" seats the inner ring, "H7"
// the outer), bearing_class ("normal" by default, "6", "5").
Answer BearingFitAnswer(const DeviationTables& tables, const nlohmann::json& options);

// The seat's tolerance-zone diagram, the ring as the other zone, as a JSON string holding the SVG.
Answer BearingDiagramSvgAnswer(const DeviationTables& tables, const nlohmann::json& options);

#pragma once

#include "answer.h"
#include "loaded_tables.h"

#include <nlohmann/json.hpp>

// A fit at service conditions (service_conditions.h) from the service command's options under their
// keyword names: size_mm and fit (limits from the tables); hub_od, shaft_id, length (mm);
// hub_material, shaft_material (built-in ids); hub_e, hub_nu, hub_alpha, hub_yield and the same for
// shaft_ (each replaces one value of the material); hub_temp, shaft_temp (°C); friction; rz_hub,
// rz_shaft (µm); smoothing; joining_clearance (µm); zone_sigma. Numbers as JSON numbers or text.
// The answer has the command line's --json keys.
Answer ServiceAnswer(const DeviationTables& tables, const nlohmann::json& options);

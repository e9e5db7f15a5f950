#pragma once

#include "service_conditions.h"

#include <nlohmann/json.hpp>

// The results as one JSON object: every result under its key (null where not given), the two states,
// the warnings, and the assumptions.
nlohmann::ordered_json ServiceJson(const ServiceResults& results);

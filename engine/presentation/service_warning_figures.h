#pragma once

#include "core/service_conditions.h"

#include <string>
#include <string_view>
#include <vector>

// The figures a warning's sentence quotes, as text, in order: each front end words the warning's
// key in its own language around them.
//   hub_yield, hub_fracture, shaft_yield: the safety, the required one (against fracture for a
//     brittle hub), and the largest effective interference that keeps it (µm; only where the
//     results give one)
//   no_press_fit: the least effective interference (µm)
//   loosens_in_service: the fit type at standstill and in service ("clearance", ...)
//   slip: the slip safety and the required one
//   no_roughness: none
//   hub_heating_limit: the temperature heating needs and the material's limit (°C)
//   cooling_unreachable: the temperature cooling needs (-273.1 where no cooling reaches it) and
//     liquid nitrogen's (°C)
//   assembly_unreachable: the interference heating and cooling open and the one needed (µm)
std::vector<std::string> ServiceWarningArguments(const ServiceResults& results, const ServiceWarning& warning);

// The state a warning is of in output: "standstill", "service", or empty where it is of neither alone.
std::string_view ServiceWarningState(const ServiceWarning& warning);

// Whether a cooling_unreachable warning is one no cooling at all reaches (even absolute zero would
// not shrink the shaft enough), which every front end words apart from "colder than -196 °C".
bool CoolingBeyondAbsoluteZero(const ServiceWarning& warning);

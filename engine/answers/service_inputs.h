#pragma once

#include "answers/answer.h"
#include "answers/answer_options.h"
#include "core/exact_length.h"
#include "core/service_conditions.h"

#include <nlohmann/json.hpp>
#include <span>
#include <string_view>

// The joint's options of a service question, under the command line's long names with _ for -:
// hub_od, shaft_id, length (mm); hub_material, shaft_material (built-in ids); hub_e, hub_nu,
// hub_alpha, hub_yield and the same for shaft_ (each replaces one value of the material); hub_temp,
// shaft_temp (°C); joining ("press", "shrink"); friction (both), friction_holding, friction_pressing;
// rz_hub, rz_shaft (µm); smoothing (0.4 or 0.8); joining_clearance (µm); zone_sigma; torque (N·m);
// axial_force (N); slip_safety, yield_safety. Numbers as JSON numbers or text.
std::span<const std::string_view> ServiceJointKeys();

// Whether the options give a load (torque or axial_force).
bool HasLoadOption(const nlohmann::json& options);

// The joint's options read into the inputs (which hold the size and deviations already); null options
// take their defaults. Options of other keys are left to the caller.
Result<ServiceInputs, AnswerRefusal> ReadServiceJoint(const nlohmann::json& options, ServiceInputs inputs,
                                                      OptionNaming naming = OptionNaming::Keyword);

// The refusal for inputs the calculation finds without physical sense, naming the option they came
// from. A deviation that takes a part to no size is no result (Refused), like a fit without one.
AnswerRefusal ServiceRefusalAnswer(const ServiceRefusal& refusal, ExactLength size, OptionNaming naming);

#pragma once

#include "answers/answer.h"
#include "answers/answer_options.h"
#include "core/exact_length.h"
#include "core/joint_inputs.h"
#include "core/service_conditions.h"

#include <nlohmann/json.hpp>
#include <span>
#include <string_view>

// The joint's options of a service question: the keys of JointInputs() (core/joint_inputs.h), the
// command line's long names with _ for -. Numbers as JSON numbers or text.
std::span<const std::string_view> ServiceJointKeys();

// The input's help in English, with its unit and default: "hub outside diameter, mm (none: no
// press-fit results)".
std::string ServiceInputHelp(const JointInput& input);

// The table of the joint's inputs, for a front end to check its own against or build them from:
// [{key, kind, unit, default, range, choices, help_key, help}].
nlohmann::ordered_json ServiceInputsJson();

// Whether the options give a load (torque or axial_force).
bool HasLoadOption(const nlohmann::json& options);

// The joint's options read into the inputs (which hold the size and deviations already), by
// ApplyJointValues, the one reader of every front end; null options take their defaults. Options of
// other keys are left to the caller.
Result<ServiceInputs, AnswerRefusal> ReadServiceJoint(const nlohmann::json& options, ServiceInputs inputs,
                                                      OptionNaming naming = OptionNaming::Keyword);

// The refusal for inputs the calculation finds without physical sense, naming the option they came
// from. A deviation that takes a part to no size is no result (Refused), like a fit without one.
AnswerRefusal ServiceRefusalAnswer(const ServiceRefusal& refusal, ExactLength size, OptionNaming naming);

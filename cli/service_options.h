#pragma once

#include "commands.h"
#include "service_conditions.h"

#include <iosfwd>
#include <string>

// Reads every typed option of the joint into the inputs; false after the usage message.
bool ReadServiceOptions(const ServiceOptions& options, ServiceInputs& inputs, std::ostream& err);

// Whether a torque or an axial force was given.
bool HasLoad(const ServiceOptions& options);

// Why the calculation refuses an input, after the input's name: "must be more than 0".
std::string_view RefusalText(ServiceRefusalReason reason);

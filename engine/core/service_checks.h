#pragma once

#include "core/service_conditions.h"

#include <optional>

// The first input of a service calculation that makes no physical sense, if any.
std::optional<ServiceRefusal> FindServiceRefusal(const ServiceInputs& inputs);

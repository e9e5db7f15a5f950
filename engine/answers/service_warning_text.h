#pragma once

#include "core/service_conditions.h"

#include <string>

// One English sentence saying what passes which limit, with the numbers.
std::string ServiceWarningText(const ServiceResults& results, const ServiceWarning& warning);

#pragma once

#include "answers/answer_options.h"
#include "core/service_conditions.h"
#include "presentation/service_warning_figures.h"

#include <string>
#include <vector>

// One English sentence saying what passes which limit, with the numbers; an input it asks for is
// named as the caller knows it (--rz-hub on the command line, rz_hub in Python).
std::string ServiceWarningText(const ServiceResults& results, const ServiceWarning& warning,
                               OptionNaming naming = OptionNaming::Keyword);

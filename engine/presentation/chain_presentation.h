#pragma once

#include "core/exact_length.h"

#include <string>

// How a dimension chain's figures read, chosen once for every front end. Exact limits (the worst
// case, a link's deviations) as drawings write mm; the statistical figures, which are estimates, to
// 0.1 µm; shares as percentages; capabilities to two decimals, as process reports give them.

std::string ChainExactMmText(ExactLength length); // "0.100", "50.025"
std::string ChainDeviationMmText(ExactLength deviation); // "+0.025", "0", "-0.050"
std::string ChainEstimateMmText(double mm); // "0.3042"
std::string ChainPpmText(double ppm); // "1349.0"
std::string ChainCapabilityText(double capability); // "1.33"
std::string ChainShareText(double share); // 0.612 as "61.2 %"
std::string ChainSensitivityText(int sensitivity); // "+1", "-1"

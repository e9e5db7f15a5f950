#pragma once

#include "answers/answer.h"

// The lists a front end offers to pick from, as the engine holds them.

// The built-in materials, structural steel first: id, name_en, name_zh and their values
// (youngs_modulus_mpa, poisson_ratio, expansion_per_k, strength_mpa, strength_is_tensile for a brittle
// material, expansion_to_dry_ice_per_k, expansion_to_nitrogen_per_k, max_joining_temperature_c) and the
// source of each.
Answer MaterialsAnswer();

// The preferred fits of ISO 286-1, hole basis then shaft basis, each once: ["H11/c11", ...].
Answer PreferredFitsAnswer();

// Every code a refusal can carry (kReasonCodes), for a front end to check it has words for each.
Answer ReasonCodesAnswer();

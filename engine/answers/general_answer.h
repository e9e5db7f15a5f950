#pragma once

#include "answers/answer.h"

#include <nlohmann/json.hpp>

// General tolerances (ISO 2768, GB/T 1804, GB/T 1184): one size's answer and the whole table a
// title block's class refers to. Options as the front ends pass them:
//   size_mm: the size, or for an angle the length of its shorter side, for a feature its length;
//   class: "m", "K" or "mK"; kind: "linear" (default), "edge", "angle"; feature: "straightness",
//   "flatness", "perpendicularity", "symmetry", "runout"; standard: "iso" (default) or "gb".
// A combined class answers a size by its linear letter and a feature by its geometrical one.
Answer GeneralAnswer(const nlohmann::json& options);

// Every range of the linear, edge and angle tables for the class's linear letter, and of the
// geometrical tables for its geometrical letter, with the rules for the features without a table.
// Options: class, standard.
Answer GeneralTableAnswer(const nlohmann::json& options);

#pragma once

#include "core/bearings/bearing_fit.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/bearing/bearing_model.h"

#include <filesystem>
#include <string>

// The bearing seat tab's words, in the window's language (text_language.h). Plain C++.

// "普通级", "6 级", "5 级": as GB/T 307.1 names the classes.
std::string BearingClassWords(BearingClass bearingClass);

std::string BearingProblemText(const BearingProblem& problem, const std::filesystem::path& tablesFolder);

// The fit's results as the analysis tab words them, the ring named as such and the drawing line
// the seat's alone ("Ø25 k5(+0.011/+0.002)"): the ring's tolerance is the bearing maker's.
FitTexts DescribeBearingFit(const BearingFit& fit);

#pragma once

#include "core/fit_analysis.h"

#include <string>

// A fit as a drawing writes it: "Ø40 H7(+0.025/0)/f7(-0.025/-0.050)". Deviations in mm, ASCII signs
// so that the line pastes anywhere; every deviation with as many decimals as the one that needs
// most (at least three: a micrometre), so that a column of them lines up; a zero deviation is a
// plain 0, as drawings write it.
std::string DrawingLine(const FitAnalysis& fit);

// One part alone, as a bearing seat is drawn: "Ø25 k5(+0.011/+0.002)".
std::string SeatDrawingLine(const PartLimits& part, ExactLength size);

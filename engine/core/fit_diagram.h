#pragma once

#include "fit_analysis.h"

#include <string>

// The tolerance-zone diagram of a fit, as an SVG document that Qt's SVG module draws too (SVG Tiny
// 1.2: no CSS, no markers). The zero line stands for the nominal size; the hole zone and the shaft
// zone are bands to one vertical scale in micrometres, each edge labelled with its deviation; two
// dimension lines mark the largest and the smallest clearance (negative: interference).
//
// The elements a reader needs carry ids: zero-line, hole-zone, shaft-zone, hole-class,
// shaft-class, hole-upper, hole-lower, shaft-upper, shaft-lower, max-clearance-line,
// max-clearance-name, max-clearance-value, and the same for min-clearance. Labels use the symbols
// of the drawing office (Xmax, Ymax: largest clearance, largest interference) and no words, so the
// drawing needs no translation.
std::string FitDiagramSvg(const FitAnalysis& fit);

// The drawing's own size (its viewBox), in px at 96 dpi: its texts are readable at this size.
inline constexpr int kFitDiagramWidthPx = 460;
inline constexpr int kFitDiagramHeightPx = 280;

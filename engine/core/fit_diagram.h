#pragma once

#include "core/fit_analysis.h"

#include <string>
#include <string_view>

// The tolerance-zone diagram of a fit, as an SVG document that Qt's SVG module draws too (SVG Tiny
// 1.2: no CSS, no markers). The zero line stands for the nominal size; the hole zone and the shaft
// zone are bands to one vertical scale in micrometres, shown by an axis on the left and each edge
// labelled with its deviation; two dimension lines mark the largest and the smallest clearance
// (negative: interference). A zone too thin to see at that scale is drawn at a readable height, and
// the axis is broken over the stretch so enlarged; the labels keep the true values.
//
// The elements a reader needs carry ids, each behind the prefix kFitDiagramIdPrefix ("diagram-"),
// so that they never collide with those of a page that shows the drawing: diagram-zero-line,
// diagram-hole-zone, diagram-shaft-zone, diagram-hole-class, diagram-shaft-class, diagram-hole-upper,
// diagram-hole-lower, diagram-shaft-upper, diagram-shaft-lower, diagram-max-clearance-line,
// diagram-max-clearance-name, diagram-max-clearance-value, the same for min-clearance,
// diagram-nominal-size, diagram-unit, diagram-title, diagram-axis-line, the axis's tick labels
// diagram-axis-label-1, ... with their ticks diagram-axis-tick-1, ..., its breaks diagram-axis-break-1,
// ... and the break on a zone drawn larger than to scale, diagram-hole-break or diagram-shaft-break.
// Labels use the symbols of the drawing office (Xmax, Ymax: largest clearance, largest
// interference) and no words, so the drawing needs no translation. No label overlaps another, a
// dimension line or the zero line.
enum class DiagramPalette { Light, Dark };

inline constexpr std::string_view kFitDiagramIdPrefix = "diagram-";

std::string FitDiagramSvg(const FitAnalysis& fit, DiagramPalette palette = DiagramPalette::Light);

// The same drawing of two zones that are no ISO 286 fit (a thread's nut and bolt): its title, the
// zero line's label in place of the nominal size, and the prefix of its ids, so that a page showing
// it beside a fit's diagram keeps every id unique.
struct ZoneDiagramCaptions
{
    std::string title;
    std::string zeroLine;
    std::string_view idPrefix = kFitDiagramIdPrefix;
};
std::string ZoneDiagramSvg(const FitAnalysis& zones, const ZoneDiagramCaptions& captions,
                           DiagramPalette palette = DiagramPalette::Light);

// The colour behind the drawing, "#rrggbb": a view that shows it smaller than its room fills the rest.
std::string_view FitDiagramBackground(DiagramPalette palette);

// The drawing's own size (its viewBox), in px at 96 dpi: its texts are readable at this size.
inline constexpr int kFitDiagramWidthPx = 460;
inline constexpr int kFitDiagramHeightPx = 280;

// The least height of a zone, in the drawing's px.
inline constexpr double kFitDiagramMinZonePx = 5;

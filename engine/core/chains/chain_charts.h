#pragma once

#include "core/chains/chain_link.h"
#include "core/chains/contributions.h"
#include "core/chains/monte_carlo.h"
#include "core/fit_diagram.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A dimension chain's two charts as SVG documents that Qt's SVG module draws too (SVG Tiny 1.2),
// drawn once here so that every front end shows the same picture. Like the fit's diagram they carry
// numbers, names and symbols but no words, so they need no translation.
//
// The histogram of a Monte Carlo run: its bins as bars over the closing dimension in mm, the bars
// outside a requirement in the colour of a reject, the requirement's limits as dashed lines with
// their values, and N, the number of samples. Ids behind "chain-histogram-": bar-1 ... bar-50 (a bin
// with no sample has no bar), min-line, max-line, min-value, max-value, axis-line, axis-label-1 ...,
// unit, samples.
//
// The contributions: one row per link in the order given (largest first), its name, a bar of its
// share of the variance (σ²) and under it one of its share of the worst-case range (T), each with
// its percentage; a legend names the two bars by those symbols. Ids behind "chain-contributions-":
// name-1 ..., variance-bar-1 ..., variance-value-1 ..., worst-bar-1 ..., worst-value-1 ...,
// legend-variance, legend-worst.
inline constexpr std::string_view kChainHistogramIdPrefix = "chain-histogram-";
inline constexpr std::string_view kChainContributionsIdPrefix = "chain-contributions-";

inline constexpr int kChainChartWidthPx = 460;
inline constexpr int kChainHistogramHeightPx = 240;

std::string ChainHistogramSvg(const MonteCarlo& run, const std::optional<ChainRequirement>& requirement,
                              DiagramPalette palette = DiagramPalette::Light);

// contributions index into links, as ContributionsOf gives them.
std::string ChainContributionsSvg(std::span<const Contribution> contributions, std::span<const ChainLink> links,
                                  DiagramPalette palette = DiagramPalette::Light);

// The contributions chart's height for that many rows, px.
int ChainContributionsHeightPx(std::size_t rows);

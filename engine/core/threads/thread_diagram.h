#pragma once

#include "core/fit_diagram.h"
#include "core/threads/thread_designation.h"
#include "core/threads/thread_limits.h"

#include <string>
#include <string_view>

// The tolerance zones of a nut and a bolt at the pitch diameter, drawn as a fit's diagram is: the
// zero line is the basic pitch diameter (D2 = d2), the nut's zone from EI up by TD2 in the hole's
// place, the bolt's from es down by Td2 in the shaft's, deviations in µm, and the smallest and
// largest clearance (Xmin = EI - es, Xmax) between them. Titled with the designation
// ("M10-6H/6g"); its ids are those of the fit's diagram behind kThreadDiagramIdPrefix
// (thread-diagram-hole-zone is the nut's zone, thread-diagram-shaft-zone the bolt's).
inline constexpr std::string_view kThreadDiagramIdPrefix = "thread-diagram-";

std::string ThreadDiagramSvg(const ThreadDesignation& thread, const BasicProfile& basic, const NutLimits& nut,
                             const BoltLimits& bolt, DiagramPalette palette = DiagramPalette::Light);

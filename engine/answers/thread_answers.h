#pragma once

#include "answers/answer.h"

#include <string_view>

// Metric screw threads (ISO 261, ISO 724, ISO 965-1): one thread and its classes, and every thread
// of a series for one class, as ISO 965-2 lists them. Limits in mm kept exact ("pitch_max_mm":
// 8.993722), each with its "display" text to 0.001 mm; deviations and tolerances in µm.

// {"designation", "diameter_mm", "pitch_mm", "series", "basic": {major_mm, pitch_mm, minor_mm,
// root_mm, display}, "bolt": {class, major_max_mm, major_min_mm, pitch_max_mm, pitch_min_mm,
// root_max_mm, es_um, td_um, td2_um, display}, "nut": {class, major_min_mm, pitch_max_mm,
// pitch_min_mm, minor_max_mm, minor_min_mm, ei_um, td1_um, td2_um, display}, "fit":
// {min_clearance_um, max_clearance_um, display}, "recommended": {"bolt": [...], "nut": [...]}};
// bolt, nut and fit only where the designation gives the class.
Answer ThreadAnswer(std::string_view designation);

// The tolerance zones of a designation's nut and bolt at the pitch diameter, as SVG text
// (ThreadDiagramSvg); a designation without both classes is refused, "missing_option".
Answer ThreadDiagramSvgAnswer(std::string_view designation);

// Every thread of a series ("coarse", "fine" or "all") for a class ("6g", "6H", "6H/6g"):
// {"series", "class", "recommended", "rows": [{"designation", "diameter_mm", "pitch_mm", "series",
// "basic", "bolt", "nut", "fit", "missing"}]}; where the standard gives the class no values at a
// thread, that part is null and "missing" holds why.
Answer ThreadTableAnswer(std::string_view series, std::string_view toleranceClass);

// The default class of the table: the medium quality's bolt and nut.
inline constexpr std::string_view kDefaultThreadTableClass = "6H/6g";

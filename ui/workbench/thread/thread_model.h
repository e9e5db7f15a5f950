#pragma once

#include "core/fit_diagram.h"
#include "core/result.h"
#include "core/threads/basic_profile.h"
#include "core/threads/thread_designation.h"
#include "core/threads/thread_limits.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// The thread tab's one calculation: a metric thread as typed, its basic diameters and, for each
// class the designation gives, the part's limits, with the fit where both are given. Plain C++: the
// words are thread_texts'.

struct ThreadAnalysis
{
    ThreadDesignation thread;
    BasicProfile basic;
    std::optional<NutLimits> nut;
    std::optional<BoltLimits> bolt;
    std::optional<ThreadFit> fit; // where both parts are given
};

// Nothing typed.
struct ThreadTextEmpty
{
};

// The text is no designation: the core's reason and the text as typed.
struct ThreadTextRejected
{
    ThreadTextProblem problem;
    std::string typed;
};

// The standard's tables give no limits for a part's class at this thread.
struct ThreadLimitsRefused
{
    ThreadLimitsFailure failure;
    ThreadDesignation thread;
};

using ThreadProblem = std::variant<ThreadTextEmpty, ThreadTextRejected, ThreadLimitsRefused>;

// Spaces around the text are no part of the designation.
Result<ThreadAnalysis, ThreadProblem> AnalyseTypedThread(std::string_view text);

// The tolerance zones at the pitch diameter; empty unless the analysis has both parts.
std::string ThreadZonesSvg(const ThreadAnalysis& analysis, DiagramPalette palette = DiagramPalette::Light);

// The classes the pickers offer: those ISO 965-1 (tables 11 and 12) recommends, nuts H then G,
// bolts by position, each finest first. Any other class can be typed.
std::span<const std::string_view> PickerNutClasses();
std::span<const std::string_view> PickerBoltClasses();

// The designation of a size and the classes picked ("" for none): "M10x1.25-6H/6g", "M10-6g".
std::string PickedDesignation(std::string_view size, std::string_view nutClass, std::string_view boltClass);

// "M10", "M10x1.25": an ISO 261 size as a designation writes it, its pitch only where it is fine.
std::string ThreadSizeName(std::int32_t diameterUm, std::int32_t pitchUm);

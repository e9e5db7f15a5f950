#pragma once

#include <cstdint>
#include <optional>
#include <utility>

// The printed tables of ISO 965-1 (1998, tables 3 to 7; reproduced for M1.6 and up by ASME B1.13M
// and Machinery's Handbook, "Metric Screw Threads M Profile", tables 6 to 11), in whole
// micrometres: the standard's values, which its formulas (thread_formulas.h) reproduce for most
// cells but not all. A cell the standard leaves empty ("—") is none.

// The tolerance positions: the bolt's (external thread) e, f, g, h and the nut's (internal) G, H.
enum class ThreadPosition { e, f, g, h, G, H };

inline bool IsNutPosition(ThreadPosition position)
{
    return position == ThreadPosition::G || position == ThreadPosition::H;
}

// The fundamental deviation in micrometres: es of a bolt (0 or negative), EI of a nut (0 or
// positive); none where the table has none (e below 0.5 mm pitch, f below 0.35 mm) or for a pitch the
// table does not list.
std::optional<std::int32_t> FundamentalDeviationUm(ThreadPosition position, std::int64_t pitchUm);

// The tolerances in micrometres for a grade, a pitch and (for the pitch diameters) a nominal
// diameter; none for a grade the table does not give at that pitch and diameter.
std::optional<std::int32_t> BoltMajorToleranceUm(int grade, std::int64_t pitchUm); // Td, grades 4, 6, 8
std::optional<std::int32_t> NutMinorToleranceUm(int grade, std::int64_t pitchUm); // TD1, grades 4 to 8
std::optional<std::int32_t> BoltPitchToleranceUm(int grade, std::int64_t diameterUm,
                                                 std::int64_t pitchUm); // Td2, grades 3 to 9
std::optional<std::int32_t> NutPitchToleranceUm(int grade, std::int64_t diameterUm,
                                                std::int64_t pitchUm); // TD2, grades 4 to 8

// Which grades each tolerance has at all: a grade outside these is no grade of that diameter.
bool IsBoltMajorGrade(int grade); // 4, 6, 8
bool IsBoltPitchGrade(int grade); // 3 to 9
bool IsNutGrade(int grade); // 4 to 8, for D1 and D2 alike

// The diameter ranges of the pitch-diameter tables (over 0.99 up to 1.4 mm, ... over 180 up to
// 355 mm): index of the range holding the diameter, none outside them.
inline constexpr int kThreadDiameterRanges = 9;
std::optional<int> ThreadDiameterRangeOf(std::int64_t diameterUm);
// The bounds of a range in micrometres: over first, up to and including second.
std::pair<std::int64_t, std::int64_t> ThreadDiameterRangeBounds(int range);

// The pitches the tables list (the same 25 as ISO 261's), for the formulas' check.
inline constexpr int kTabulatedPitches = 25;
std::int64_t TabulatedPitchUm(int index);

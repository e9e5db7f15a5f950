#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// The diameters and pitches of ISO 261 (ISO general purpose metric screw threads, general plan,
// table 1), 1 to 300 mm: each nominal diameter with its choice (1st, 2nd, 3rd), its coarse pitch
// (none from 70 mm up, and none for most 3rd-choice diameters) and its fine pitches. In micrometres:
// every ISO 261 diameter and pitch is a whole number of them.
struct Iso261Size
{
    std::int32_t diameterUm = 0;
    int choice = 1;
    std::int32_t coarsePitchUm = 0; // 0: no coarse pitch
    std::array<std::int32_t, 5> finePitchesUm {}; // largest first, 0 after the last

    std::span<const std::int32_t> FinePitches() const;
    bool Lists(std::int32_t pitchUm) const;
};

// Every diameter, smallest first.
std::span<const Iso261Size> Iso261Sizes();

// The row of a nominal diameter in micrometres; none for a diameter ISO 261 does not list.
std::optional<Iso261Size> Iso261SizeOf(std::int64_t diameterUm);

// Whether the pitch is one of those ISO 261 gives for any diameter (0.2 mm to 8 mm): the pitches a
// diameter between the listed ones may take.
bool IsIso261Pitch(std::int64_t pitchUm);

// The smallest and largest diameter ISO 261 lists, in micrometres.
inline constexpr std::int64_t kSmallestThreadUm = 1000;
inline constexpr std::int64_t kLargestThreadUm = 300'000;

#include "core/threads/basic_profile.h"

#include <cstdint>

namespace {

// coefficient (in millionths) times the pitch, to the nearest nanometre (pitches are positive).
ExactLength Scaled(std::int64_t millionths, ExactLength pitch)
{
    return {(pitch.nm * millionths + 500'000) / 1'000'000};
}

} // namespace

BasicProfile BasicProfileOf(ExactLength diameter, ExactLength pitch)
{
    return {diameter, diameter - Scaled(649'519, pitch), diameter - Scaled(1'082'532, pitch),
            diameter - Scaled(1'226'869, pitch)};
}

#include "preferred_fit_lists.h"

#include "scales.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 8> kHoleClearance
    = {"G7/h6", "H7/h6", "F8/h7", "H8/h7", "D9/h9", "H9/h9", "C11/h11", "H11/h11"};
constexpr std::array<std::string_view, 4> kShaftClearance = {"H7/g6", "H7/h6", "H8/f7", "H8/h7"};
constexpr std::array<std::string_view, 2> kHoleTransition = {"K7/h6", "N7/h6"};
constexpr std::array<std::string_view, 2> kShaftTransition = {"H7/k6", "H7/n6"};
constexpr std::array<std::string_view, 3> kHoleInterference = {"P7/h6", "S7/h6", "U7/h6"};
// H7/k6 stands here as well as in the transition list: for k6 on a large H7 bore the fit is mostly
// an interference, and users look for it among both.
constexpr std::array<std::string_view, 4> kShaftInterference = {"H7/p6", "H7/s6", "H7/k6", "H7/u6"};

} // namespace

std::span<const std::string_view> PreferredFits(int basis, FitType type)
{
    const bool hole = basis == kBasisHole;
    if (!hole && basis != kBasisShaft)
        return {};
    switch (type) {
    case FitType::Clearance:
        return hole ? std::span<const std::string_view>(kHoleClearance) : kShaftClearance;
    case FitType::Transition:
        return hole ? std::span<const std::string_view>(kHoleTransition) : kShaftTransition;
    case FitType::Interference:
        return hole ? std::span<const std::string_view>(kHoleInterference) : kShaftInterference;
    default:
        return {};
    }
}

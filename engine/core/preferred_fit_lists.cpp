#include "core/preferred_fit_lists.h"

#include "core/scales.h"

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

constexpr FitType kClearance = FitType::Clearance;
constexpr FitType kTransition = FitType::Transition;
constexpr FitType kInterference = FitType::Interference;
constexpr std::array<IsoPreferredFit, 19> kIsoPreferredFits {{
    {"H11/c11", kClearance},  {"H9/d9", kClearance},    {"H8/f7", kClearance},    {"H7/g6", kClearance},
    {"H7/h6", kClearance},    {"H7/k6", kTransition},   {"H7/n6", kTransition},   {"H7/p6", kInterference},
    {"H7/s6", kInterference}, {"H7/u6", kInterference}, {"C11/h11", kClearance},  {"D9/h9", kClearance},
    {"F8/h7", kClearance},    {"G7/h6", kClearance},    {"K7/h6", kTransition},   {"N7/h6", kTransition},
    {"P7/h6", kInterference}, {"S7/h6", kInterference}, {"U7/h6", kInterference},
}};

} // namespace

std::span<const IsoPreferredFit> IsoPreferredFitList()
{
    return kIsoPreferredFits;
}

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

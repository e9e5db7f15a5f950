#include "core/fit_search.h"

#include "core/preferred_fit_lists.h"
#include "core/scales.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace {

// The finder's order as two unsigned numbers, compared high first: sorting plain numbers is many
// times faster than comparing fits field by field, and the search sorts tens of thousands.
//   high: group (preferred 0, basis 1, other 2) | fit tolerance, largest first | grade order
//   low:  doubled distance of the mean clearance from the middle | hole letter, grade, shaft letter, grade
struct RankKey
{
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    friend auto operator<=>(const RankKey&, const RankKey&) = default;
};

constexpr std::uint64_t kToleranceLimitNm = (std::uint64_t {1} << 58) - 1;
constexpr std::uint64_t kDistanceLimitNm = (std::uint64_t {1} << 44) - 1; // 17 m: never reached

// The middle of the range, doubled to stay exact; kept within ±2^62 so that no difference with it
// overflows, whatever range was asked for.
std::int64_t DoubledMiddle(ExactLength minClearance, ExactLength maxClearance)
{
    constexpr std::int64_t limit = std::int64_t {1} << 62;
    const std::int64_t low = std::clamp(minClearance.nm, -limit / 2, limit / 2);
    const std::int64_t high = std::clamp(maxClearance.nm, -limit / 2, limit / 2);
    return low + high;
}

RankKey KeyOf(const ToleranceClass& hole, const ToleranceClass& shaft, bool preferred, ExactLength fitTolerance,
              ExactLength meanClearance, std::int64_t doubledMiddle)
{
    const std::uint64_t group = preferred ? 0 : (hole.letter == kLetterH || shaft.letter == kLetterH) ? 1 : 2;
    const std::uint64_t tolerance = std::min<std::uint64_t>(
        static_cast<std::uint64_t>(std::max<std::int64_t>(fitTolerance.nm, 0)), kToleranceLimitNm);
    const std::uint64_t gradeOrder = hole.grade == shaft.grade + 1 ? 0 : hole.grade == shaft.grade ? 1 : 2;
    const std::int64_t difference = 2 * meanClearance.nm - doubledMiddle;
    const std::uint64_t distance = std::min<std::uint64_t>(difference < 0 ? static_cast<std::uint64_t>(-difference)
                                                                          : static_cast<std::uint64_t>(difference),
                                                           kDistanceLimitNm);
    const auto pair
        = static_cast<std::uint64_t>(((hole.letter * 32 + hole.grade) * 32 + shaft.letter) * 32 + shaft.grade);
    return {group << 62 | (kToleranceLimitNm - tolerance) << 2 | gradeOrder, distance << 20 | pair};
}

RankKey KeyOf(const FoundFit& found, std::int64_t doubledMiddle)
{
    const FitAnalysis& fit = found.analysis;
    return KeyOf(fit.hole.toleranceClass, fit.shaft.toleranceClass, found.preferred, fit.fitTolerance,
                 fit.meanClearance, doubledMiddle);
}

struct Ranked
{
    RankKey key;
    std::uint32_t hole; // positions in the candidate lists
    std::uint32_t shaft;
};

bool KeyBefore(const Ranked& a, const Ranked& b)
{
    return a.key < b.key;
}

// The ISO 286-1 preferred fits, parsed once.
const std::vector<FitDesignation>& IsoPreferredDesignations()
{
    static const std::vector<FitDesignation> designations = [] {
        std::vector<FitDesignation> parsed;
        for (const IsoPreferredFit& fit : IsoPreferredFitList())
            parsed.push_back(*ParseFitDesignation(fit.designation));
        return parsed;
    }();
    return designations;
}

// Every class of a part that the basis allows, with its limits worked out once.
Result<std::vector<PartLimits>, Failure> Candidates(const DeviationTables& tables, const FitSearchRequest& request,
                                                    Part part)
{
    const bool basisPart = (part == Part::Hole && request.basis == SearchBasis::Hole)
        || (part == Part::Shaft && request.basis == SearchBasis::Shaft);
    std::vector<PartLimits> candidates;
    for (int letter = 0; letter < kLetterCount; ++letter) {
        if (basisPart && letter != kLetterH)
            continue;
        for (int grade = request.finestGrade; grade <= request.coarsestGrade; ++grade) {
            const ToleranceClass toleranceClass {part, letter, grade};
            const auto deviations = LimitDeviationsOf(tables, toleranceClass, request.size);
            if (deviations)
                candidates.push_back({toleranceClass, *deviations});
            else if (deviations.reason().IsTableProblem() || deviations.reason().kind == Failure::Kind::SizeOffScale)
                return deviations.reason();
        }
    }
    return candidates;
}

bool GradesPair(const FitSearchRequest& request, int holeGrade, int shaftGrade)
{
    return request.allGradePairs || holeGrade == shaftGrade || holeGrade == shaftGrade + 1;
}

// The larger of the two overshoots of a pair's clearances, from its parts' limits alone.
ExactLength Miss(const PartLimits& hole, const PartLimits& shaft, const FitSearchRequest& request)
{
    const ExactLength belowMin = request.minClearance - (hole.deviations.lower - shaft.deviations.upper);
    const ExactLength aboveMax = (hole.deviations.upper - shaft.deviations.lower) - request.maxClearance;
    return std::max({ExactLength {}, belowMin, aboveMax});
}

} // namespace

bool IsIsoPreferredFit(const FitDesignation& fit)
{
    const auto& preferred = IsoPreferredDesignations();
    return std::find(preferred.begin(), preferred.end(), fit) != preferred.end();
}

bool RanksBefore(const FoundFit& a, const FoundFit& b, ExactLength minClearance, ExactLength maxClearance)
{
    const std::int64_t middle = DoubledMiddle(minClearance, maxClearance);
    return KeyOf(a, middle) < KeyOf(b, middle);
}

void RankFoundFits(std::vector<FoundFit>& fits, ExactLength minClearance, ExactLength maxClearance)
{
    const std::int64_t middle = DoubledMiddle(minClearance, maxClearance);
    std::vector<Ranked> ranked;
    ranked.reserve(fits.size());
    for (std::size_t index = 0; index < fits.size(); ++index)
        ranked.push_back({KeyOf(fits[index], middle), static_cast<std::uint32_t>(index), 0});
    std::sort(ranked.begin(), ranked.end(), KeyBefore);
    std::vector<FoundFit> sorted;
    sorted.reserve(fits.size());
    for (const Ranked& entry : ranked)
        sorted.push_back(std::move(fits[entry.hole]));
    fits = std::move(sorted);
}

bool MeetsRequirement(const FitAnalysis& fit, const FitSearchRequest& request)
{
    return fit.minClearance >= request.minClearance && fit.maxClearance <= request.maxClearance;
}

ExactLength MissOf(const FitAnalysis& fit, const FitSearchRequest& request)
{
    return std::max({ExactLength {}, request.minClearance - fit.minClearance, fit.maxClearance - request.maxClearance});
}

Result<std::vector<FoundFit>, Failure> SearchFits(const DeviationTables& tables, const FitSearchRequest& request)
{
    if (request.finestGrade < 0 || request.coarsestGrade >= kCoreGradeCount
        || request.finestGrade > request.coarsestGrade)
        return Failure {Failure::Kind::GradeOffScale};
    const auto holes = Candidates(tables, request, Part::Hole);
    if (!holes)
        return holes.reason();
    const auto shafts = Candidates(tables, request, Part::Shaft);
    if (!shafts)
        return shafts.reason();

    // A pair can be preferred only when both its parts stand in some preferred fit: a cheap test
    // that spares almost every pair the search through the list.
    const auto& preferred = IsoPreferredDesignations();
    const auto inSomePreferredFit = [&preferred](const ToleranceClass& toleranceClass) {
        return std::any_of(preferred.begin(), preferred.end(), [&](const FitDesignation& fit) {
            return fit.hole == toleranceClass || fit.shaft == toleranceClass;
        });
    };
    std::vector<bool> shaftMayBePreferred;
    for (const PartLimits& shaft : *shafts)
        shaftMayBePreferred.push_back(inSomePreferredFit(shaft.toleranceClass));

    const std::int64_t middle = DoubledMiddle(request.minClearance, request.maxClearance);
    std::vector<Ranked> matches;
    // The near misses kept so far, as a heap with the worst on top: a pair that misses by more
    // than all of them needs no rank at all.
    using Near = std::pair<ExactLength, Ranked>;
    const auto nearBefore = [](const Near& a, const Near& b) {
        return a.first != b.first ? a.first < b.first : a.second.key < b.second.key;
    };
    std::vector<Near> nearest;
    for (std::uint32_t holeIndex = 0; holeIndex < holes->size(); ++holeIndex) {
        const PartLimits& hole = (*holes)[holeIndex];
        const bool holeMayBePreferred = inSomePreferredFit(hole.toleranceClass);
        for (std::uint32_t shaftIndex = 0; shaftIndex < shafts->size(); ++shaftIndex) {
            const PartLimits& shaft = (*shafts)[shaftIndex];
            if (!GradesPair(request, hole.toleranceClass.grade, shaft.toleranceClass.grade))
                continue;
            // The two bounds first: most pairs fail them, and they need no full analysis.
            const bool meets = hole.deviations.lower - shaft.deviations.upper >= request.minClearance
                && hole.deviations.upper - shaft.deviations.lower <= request.maxClearance;
            const ExactLength miss = meets ? ExactLength {} : Miss(hole, shaft, request);
            const bool heapFull = nearest.size() == request.nearCount;
            if (!meets && (request.nearCount == 0 || (heapFull && nearest.front().first < miss)))
                continue;
            const bool isPreferred = holeMayBePreferred && shaftMayBePreferred[shaftIndex]
                && IsIsoPreferredFit({hole.toleranceClass, shaft.toleranceClass});
            // The mean clearance, as AnalyseFit works it out: halfway between the two extremes.
            const ExactLength mean = Half((hole.deviations.upper - shaft.deviations.lower)
                                          + (hole.deviations.lower - shaft.deviations.upper));
            const Ranked entry {KeyOf(hole.toleranceClass, shaft.toleranceClass, isPreferred,
                                      hole.Tolerance() + shaft.Tolerance(), mean, middle),
                                holeIndex, shaftIndex};
            if (meets) {
                matches.push_back(entry);
            } else if (!heapFull) {
                nearest.emplace_back(miss, entry);
                std::push_heap(nearest.begin(), nearest.end(), nearBefore);
            } else if (nearBefore({miss, entry}, nearest.front())) {
                std::pop_heap(nearest.begin(), nearest.end(), nearBefore);
                nearest.back() = {miss, entry};
                std::push_heap(nearest.begin(), nearest.end(), nearBefore);
            }
        }
    }
    std::sort(matches.begin(), matches.end(), KeyBefore);
    std::sort_heap(nearest.begin(), nearest.end(), nearBefore);

    std::vector<FoundFit> found;
    found.reserve(matches.size() + nearest.size());
    const auto add = [&](const Ranked& entry, ExactLength miss) {
        const PartLimits& hole = (*holes)[entry.hole];
        const PartLimits& shaft = (*shafts)[entry.shaft];
        const bool isPreferred = (entry.key.high >> 62) == 0;
        found.push_back({AnalyseFit(request.size, hole, shaft), isPreferred, miss});
    };
    for (const Ranked& entry : matches)
        add(entry, {});
    for (const Near& near : nearest)
        add(near.second, near.first);
    return found;
}

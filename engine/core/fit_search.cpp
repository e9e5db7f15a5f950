#include "fit_search.h"

#include "preferred_fit_lists.h"
#include "scales.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

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

// Distance of the mean clearance from the middle of the range, doubled to stay exact.
std::int64_t DoubledDistanceFromMiddle(const FitAnalysis& fit, const FitSearchRequest& request)
{
    return std::llabs(2 * fit.meanClearance.nm - (request.minClearance.nm + request.maxClearance.nm));
}

using RankKey = std::tuple<bool, std::int64_t, std::int64_t, int, int, int, int>;

RankKey RankKeyOf(const FoundFit& found, const FitSearchRequest& request)
{
    const FitAnalysis& fit = found.analysis;
    return {!found.preferred,
            -fit.fitTolerance.nm,
            DoubledDistanceFromMiddle(fit, request),
            fit.hole.toleranceClass.letter,
            fit.hole.toleranceClass.grade,
            fit.shaft.toleranceClass.letter,
            fit.shaft.toleranceClass.grade};
}

// The preferred fits as designations, parsed once per search rather than once per fit found.
std::vector<FitDesignation> PreferredDesignations()
{
    std::vector<FitDesignation> designations;
    for (const int basis : {kBasisHole, kBasisShaft}) {
        for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference}) {
            for (const std::string_view listed : PreferredFits(basis, type)) {
                if (const auto designation = ParseFitDesignation(listed))
                    designations.push_back(*designation);
            }
        }
    }
    return designations;
}

} // namespace

bool MeetsRequirement(const FitAnalysis& fit, const FitSearchRequest& request)
{
    return fit.minClearance >= request.minClearance && fit.maxClearance <= request.maxClearance;
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
    const std::vector<FitDesignation> preferred = PreferredDesignations();
    const auto inSomePreferredFit = [&preferred](const ToleranceClass& toleranceClass) {
        return std::any_of(preferred.begin(), preferred.end(), [&](const FitDesignation& fit) {
            return fit.hole == toleranceClass || fit.shaft == toleranceClass;
        });
    };
    std::vector<bool> shaftMayBePreferred;
    for (const PartLimits& shaft : *shafts)
        shaftMayBePreferred.push_back(inSomePreferredFit(shaft.toleranceClass));

    std::vector<FoundFit> matches;
    std::vector<std::pair<RankKey, std::size_t>> ranked; // sorting keys and positions moves less
    for (const PartLimits& hole : *holes) {
        const bool holeMayBePreferred = inSomePreferredFit(hole.toleranceClass);
        for (std::size_t shaftIndex = 0; shaftIndex < shafts->size(); ++shaftIndex) {
            const PartLimits& shaft = (*shafts)[shaftIndex];
            if (!GradesPair(request, hole.toleranceClass.grade, shaft.toleranceClass.grade))
                continue;
            // The two bounds first: most pairs fail them, and they need no full analysis.
            if (hole.deviations.lower - shaft.deviations.upper < request.minClearance
                || hole.deviations.upper - shaft.deviations.lower > request.maxClearance)
                continue;
            const FitDesignation designation {hole.toleranceClass, shaft.toleranceClass};
            const bool isPreferred = holeMayBePreferred && shaftMayBePreferred[shaftIndex]
                && std::find(preferred.begin(), preferred.end(), designation) != preferred.end();
            matches.push_back({AnalyseFit(request.size, hole, shaft), isPreferred});
            ranked.emplace_back(RankKeyOf(matches.back(), request), matches.size() - 1);
        }
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<FoundFit> found;
    found.reserve(ranked.size());
    for (const auto& entry : ranked)
        found.push_back(matches[entry.second]);
    return found;
}

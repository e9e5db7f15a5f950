// The fit finder: complete, correct and in a stable order.

#include "core/fit_search.h"
#include "core/scales.h"
#include "test_support.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

namespace {

const DeviationTables& Shipped()
{
    static const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    return tables;
}

FitSearchRequest Request(int sizeMm, int minUm, int maxUm, SearchBasis basis = SearchBasis::Hole)
{
    FitSearchRequest request;
    request.size = ExactLength::FromMm(sizeMm);
    request.minClearance = ExactLength::FromUm(minUm);
    request.maxClearance = ExactLength::FromUm(maxUm);
    request.basis = basis;
    return request;
}

std::vector<std::string> Names(const std::vector<FoundFit>& found)
{
    std::vector<std::string> names;
    for (const FoundFit& fit : found)
        names.push_back(FitName({fit.analysis.hole.toleranceClass, fit.analysis.shaft.toleranceClass}));
    return names;
}

// Checked by hand against ISO 286-2 at 40 mm (30 to 40 mm: IT5 11, IT6 16, IT7 25; es of f -25;
// ei of j5/j6 -5, k +2, v +68). H6/u6 (44 to 76 µm) and H7/k7 (down to -27 µm) just miss.
TEST(FitSearch, HandCheckedSetsForEachKindOfFit)
{
    struct Case
    {
        const char* name;
        FitSearchRequest request;
        std::vector<std::string> fits;
    };
    FitSearchRequest transition = Request(40, -20, 30);
    transition.finestGrade = kGradeIT6;
    transition.coarsestGrade = kGradeIT7;
    const Case cases[] = {
        {"clearance 10 to 60", Request(40, 10, 60), {"H6/f6", "H6/f5", "H5/f5"}},
        {"interference 50 to 80", Request(40, -80, -50), {"H6/v5", "H5/v5"}},
        {"transition, IT6 and IT7", transition, {"H7/k6", "H7/j6", "H6/j6", "H6/js6", "H6/k6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = SearchFits(Shipped(), c.request);
        ASSERT_TRUE(found);
        EXPECT_EQ(Names(*found), c.fits);
    }
}

// Every class pair, analysed one by one, against the search: nothing missing, nothing extra.
TEST(FitSearch, FindsExactlyTheFitsThatMeetTheRequirement)
{
    const std::pair<int, int> ranges[] = {{10, 60}, {-70, -20}, {-15, 20}, {0, 40}, {5, 5}};
    for (const int sizeMm : {2, 25, 160, 500}) {
        for (const auto& [minUm, maxUm] : ranges) {
            FitSearchRequest request = Request(sizeMm, minUm, maxUm, SearchBasis::Any);
            request.allGradePairs = true;
            SCOPED_TRACE(std::to_string(sizeMm) + " mm, " + std::to_string(minUm) + " to " + std::to_string(maxUm));
            const auto found = SearchFits(Shipped(), request);
            ASSERT_TRUE(found);
            const auto names = Names(*found);
            const std::set<std::string> searched(names.begin(), names.end());
            ASSERT_EQ(searched.size(), names.size());
            std::set<std::string> expected;
            for (int holeLetter = 0; holeLetter < kLetterCount; ++holeLetter)
                for (int shaftLetter = 0; shaftLetter < kLetterCount; ++shaftLetter)
                    for (int holeGrade = request.finestGrade; holeGrade <= request.coarsestGrade; ++holeGrade)
                        for (int shaftGrade = request.finestGrade; shaftGrade <= request.coarsestGrade; ++shaftGrade) {
                            const FitDesignation designation {{Part::Hole, holeLetter, holeGrade},
                                                              {Part::Shaft, shaftLetter, shaftGrade}};
                            const auto fit = AnalyseFit(Shipped(), designation, request.size);
                            if (fit && MeetsRequirement(*fit, request))
                                expected.insert(FitName(designation));
                        }
            EXPECT_EQ(searched, expected);
        }
    }
}

// The order walked over a real list: preferred, then basis fits, then the rest; within each the
// largest fit tolerance; at equal tolerance a hole one grade coarser before equal grades before
// others; then the mean nearest the middle. RanksBefore and RankFoundFits agree with the search.
TEST(FitSearch, RanksPreferredThenBasisThenCheapestThenGradesThenNearestTheMiddle)
{
    FitSearchRequest request = Request(25, 0, 60, SearchBasis::Any);
    request.allGradePairs = true;
    const auto found = SearchFits(Shipped(), request);
    ASSERT_TRUE(found);
    ASSERT_GT(found->size(), 100u);
    const auto group = [](const FoundFit& fit) {
        const FitAnalysis& a = fit.analysis;
        return fit.preferred                                                                          ? 0
            : (a.hole.toleranceClass.letter == kLetterH || a.shaft.toleranceClass.letter == kLetterH) ? 1
                                                                                                      : 2;
    };
    const auto gradeOrder = [](const FoundFit& fit) {
        const int difference = fit.analysis.hole.toleranceClass.grade - fit.analysis.shaft.toleranceClass.grade;
        return difference == 1 ? 0 : difference == 0 ? 1 : 2;
    };
    const auto distance = [](const FoundFit& fit) {
        return std::abs(fit.analysis.meanClearance.nm - 30'000);
    };
    std::set<int> groups;
    for (std::size_t index = 1; index < found->size(); ++index) {
        const FoundFit& before = (*found)[index - 1];
        const FoundFit& after = (*found)[index];
        groups.insert(group(after));
        ASSERT_TRUE(RanksBefore(before, after, request.minClearance, request.maxClearance)) << index;
        ASSERT_LE(group(before), group(after));
        if (group(before) != group(after))
            continue;
        ASSERT_GE(before.analysis.fitTolerance, after.analysis.fitTolerance);
        if (before.analysis.fitTolerance != after.analysis.fitTolerance)
            continue;
        ASSERT_LE(gradeOrder(before), gradeOrder(after));
        if (gradeOrder(before) == gradeOrder(after)) {
            ASSERT_LE(distance(before), distance(after));
        }
    }
    EXPECT_EQ(groups, (std::set<int> {0, 1, 2}));

    std::vector<FoundFit> shuffled(found->rbegin(), found->rend());
    RankFoundFits(shuffled, request.minClearance, request.maxClearance);
    EXPECT_EQ(Names(shuffled), Names(*found));
}

// Hand-checked at 40 mm (IT7 25, IT8 39, IT9 62, IT11 160; es of c -120, d -80, e -50): the
// preferred fits of both systems are marked and come first (the pair of each system meets the same
// clearances; the hole letter parts them), and H8/e7 (clearance 50 to 114 µm) ranks before H7/e8,
// which has the same clearances and fit tolerance but the finer hole.
TEST(FitSearch, PreferredFitsAndTheCoarserHoleFirst)
{
    const struct
    {
        FitSearchRequest request;
        std::vector<std::string> firstFits;
    } cases[] = {
        {Request(40, 80, 204, SearchBasis::Any), {"D9/h9", "H9/d9"}},
        {Request(40, 120, 440, SearchBasis::Any), {"C11/h11", "H11/c11"}},
        {Request(40, 50, 114), {"H8/e7", "H7/e8"}},
    };
    for (auto c : cases) {
        c.request.allGradePairs = true;
        c.request.finestGrade = kGradeIT6;
        const auto found = SearchFits(Shipped(), c.request);
        ASSERT_TRUE(found);
        const auto names = Names(*found);
        ASSERT_GE(names.size(), c.firstFits.size());
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + std::ssize(c.firstFits)), c.firstFits);
        const bool bothPreferred = c.firstFits[0] != "H8/e7";
        EXPECT_EQ((*found)[0].preferred, bothPreferred);
    }
}

// Near misses come after the matches, the least miss first, and no pair left out misses by less.
TEST(FitSearch, NearMissesFollowTheMatchesLeastFirst)
{
    for (const auto& [minUm, maxUm] : std::vector<std::pair<int, int>> {{10, 60}, {20, 20}, {-40, -30}}) {
        FitSearchRequest request = Request(25, minUm, maxUm);
        request.nearCount = 5;
        const auto found = SearchFits(Shipped(), request);
        ASSERT_TRUE(found);
        request.nearCount = 0;
        const auto matches = SearchFits(Shipped(), request);
        ASSERT_TRUE(matches);
        ASSERT_EQ(found->size(), matches->size() + 5);
        ExactLength largestListed;
        for (std::size_t index = 0; index < found->size(); ++index) {
            const FoundFit& fit = (*found)[index];
            const bool isMatch = index < matches->size();
            EXPECT_EQ(fit.miss, MissOf(fit.analysis, request));
            EXPECT_EQ(fit.miss.nm == 0, isMatch);
            if (!isMatch && index > matches->size()) {
                EXPECT_LE((*found)[index - 1].miss, fit.miss);
            }
            largestListed = std::max(largestListed, fit.miss);
        }
        // Every other pair of the search misses by at least as much.
        std::set<std::string> listed;
        for (const auto& name : Names(*found))
            listed.insert(name);
        for (int letter = 0; letter < kLetterCount; ++letter)
            for (int grade = request.finestGrade; grade <= request.coarsestGrade; ++grade)
                for (const int holeGrade : {grade, grade + 1}) {
                    const FitDesignation designation {{Part::Hole, kLetterH, holeGrade}, {Part::Shaft, letter, grade}};
                    const auto fit = AnalyseFit(Shipped(), designation, request.size);
                    if (holeGrade <= request.coarsestGrade && fit && !listed.contains(FitName(designation))) {
                        EXPECT_GE(MissOf(*fit, request), largestListed) << FitName(designation);
                    }
                }
    }
}

TEST(FitSearch, BoundsAtTheirEdges)
{
    // At 25 mm only H/h fits have a smallest clearance of exactly 0; H5/g5 (7 to 25 µm) stays out.
    const auto zero = SearchFits(Shipped(), Request(25, 0, 22));
    ASSERT_TRUE(zero);
    EXPECT_EQ(Names(*zero), (std::vector<std::string> {"H6/h5", "H5/h5"}));
    // A single value: only a fit with no tolerance could meet it.
    const auto single = SearchFits(Shipped(), Request(25, 20, 20));
    ASSERT_TRUE(single);
    EXPECT_TRUE(single->empty());
    // A smallest clearance above the largest meets nothing.
    const auto inverted = SearchFits(Shipped(), Request(25, 60, 10));
    ASSERT_TRUE(inverted);
    EXPECT_TRUE(inverted->empty());
}

TEST(FitSearch, TableProblemFailsTheSearch)
{
    test::TempFolder folder;
    const auto failed = SearchFits(LoadDeviationTables(folder.Path()), Request(25, 0, 60));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.reason().kind, Failure::Kind::TableMissing);
}

} // namespace

// The fit finder: complete, correct and in a stable order.

#include "fit_search.h"
#include "scales.h"
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

TEST(FitSearch, RanksPreferredFirstThenCheapestThenNearestTheMiddle)
{
    FitSearchRequest request = Request(25, 0, 60, SearchBasis::Any);
    const auto found = SearchFits(Shipped(), request);
    ASSERT_TRUE(found);
    ASSERT_GT(found->size(), 10u);
    EXPECT_TRUE(found->front().preferred);
    for (std::size_t index = 1; index < found->size(); ++index) {
        const FoundFit& before = (*found)[index - 1];
        const FoundFit& after = (*found)[index];
        ASSERT_GE(before.preferred, after.preferred);
        if (before.preferred == after.preferred) {
            ASSERT_GE(before.analysis.fitTolerance, after.analysis.fitTolerance);
            if (before.analysis.fitTolerance == after.analysis.fitTolerance) {
                const auto distance = [](const FoundFit& fit) {
                    return std::abs(fit.analysis.meanClearance.nm - 30'000);
                };
                ASSERT_LE(distance(before), distance(after));
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

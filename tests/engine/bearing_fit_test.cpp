// Bearing seats against a maker's published resultant fits, theoretical and probable, and the
// rings' own tables.
#include "core/bearings/bearing_fit.h"
#include "core/probable_clearance.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

ExactLength Um(int um)
{
    return ExactLength::FromUm(um);
}

// SKF, "Tolerances and resultant fits", table 4 (shafts) and table 8 (housings), bearings with Normal
// tolerances: the smallest and largest theoretical clearance and the probable ones (a negative
// clearance is an interference, as SKF signs them).
TEST(BearingFit, AMakersPublishedResultantFits)
{
    struct Case
    {
        const char* seat;
        int diameterMm;
        int theoreticalMin, theoreticalMax, probableMin, probableMax;
    };
    const Case cases[] = {
        {"k5", 25, -21, -2, -19, -4},   {"k6", 25, -25, -2, -22, -5}, {"m6", 25, -31, -8, -28, -11},
        {"n5", 40, -40, -17, -37, -20}, {"k5", 60, -30, -2, -26, -6}, {"m6", 60, -45, -11, -41, -15},
        {"H7", 52, 0, 43, 5, 38},       {"H8", 100, 0, 69, 6, 63},    {"J6", 40, -6, 21, -3, 18},
        {"H7", 160, 0, 65, 8, 57},
    };
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    for (const Case& c : cases) {
        const auto seat = ParseToleranceClass(c.seat);
        ASSERT_TRUE(seat.HasValue());
        const auto fit = AnalyseBearingFit(tables, *seat, BearingClass::Normal, ExactLength::FromMm(c.diameterMm));
        ASSERT_TRUE(fit.HasValue()) << c.seat << " " << c.diameterMm;
        EXPECT_EQ(fit->analysis.minClearance, Um(c.theoreticalMin)) << c.seat << " " << c.diameterMm;
        EXPECT_EQ(fit->analysis.maxClearance, Um(c.theoreticalMax)) << c.seat << " " << c.diameterMm;
        const ProbableClearance probable = ProbableClearanceOf(fit->analysis);
        EXPECT_EQ(probable.min, Um(c.probableMin)) << c.seat << " " << c.diameterMm;
        EXPECT_EQ(probable.max, Um(c.probableMax)) << c.seat << " " << c.diameterMm;
    }
}

// ISO 492:2014 (NTN Table 5.1, SKF's class tables): each ring's lower deviation at a range's upper
// end and just above its lower end, for the three classes.
TEST(BearingFit, TheRingsTables)
{
    struct Case
    {
        BearingRing ring;
        double overMm, upToMm;
        int normal, class6, class5;
    };
    const Case cases[] = {
        {BearingRing::Inner, 0.6, 2.5, 8, 7, 5},    {BearingRing::Inner, 18, 30, 10, 8, 6},
        {BearingRing::Inner, 120, 150, 25, 18, 13}, {BearingRing::Inner, 400, 500, 45, 35, 28},
        {BearingRing::Outer, 2.5, 6, 8, 7, 5},      {BearingRing::Outer, 150, 180, 25, 18, 13},
        {BearingRing::Outer, 180, 250, 30, 20, 15}, {BearingRing::Outer, 500, 630, 50, 38, 28},
    };
    for (const Case& c : cases) {
        const ExactLength upTo {static_cast<std::int64_t>(c.upToMm * 1e6)};
        const ExactLength justOver {static_cast<std::int64_t>(c.overMm * 1e6) + 1000};
        const int expected[] = {c.normal, c.class6, c.class5};
        for (int index = 0; index < 3; ++index) {
            for (const ExactLength diameter : {justOver, upTo}) {
                const auto found = FindBearingRingTolerance(c.ring, static_cast<BearingClass>(index), diameter);
                ASSERT_TRUE(found.HasValue()) << c.upToMm;
                EXPECT_EQ(found->deviations.upper, ExactLength {});
                EXPECT_EQ(found->deviations.lower, Um(-expected[index])) << c.upToMm << " class " << index;
            }
        }
    }
    EXPECT_FALSE(FindBearingRingTolerance(BearingRing::Inner, BearingClass::Normal, ExactLength {600'000}).HasValue());
    EXPECT_FALSE(
        FindBearingRingTolerance(BearingRing::Inner, BearingClass::Normal, ExactLength::FromMm(501)).HasValue());
    EXPECT_FALSE(FindBearingRingTolerance(BearingRing::Outer, BearingClass::Normal, ExactLength::FromMm(2)).HasValue());
}

} // namespace

// The core's fit analysis and its agreement with the dialog's own calculation.

#include "core/fit_analysis.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "dialog/calculations.h"
#include "dialog/number_text.h"
#include "test_support.h"

#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

namespace {

ExactLength Um(double um)
{
    return ExactLength {std::llround(um * 1000)};
}

PartLimits Limits(Part part, double upperUm, double lowerUm)
{
    return PartLimits {ToleranceClass {part, 0, 0}, LimitDeviations {Um(upperUm), Um(lowerUm)}};
}

TEST(FitAnalysis, TypeFollowsTheSignedClearancesAtTheirEdges)
{
    struct Case
    {
        const char* name;
        double holeUpper, holeLower, shaftUpper, shaftLower;
        FitType type;
        double maxClearance, minClearance, mean;
    };
    const Case cases[] = {
        {"smallest clearance exactly 0 (H7/h6)", 21, 0, 0, -13, FitType::Clearance, 34, 0, 17},
        {"largest clearance exactly 0", 21, 0, 34, 21, FitType::Interference, 0, -34, -17},
        {"one micrometre of each", 21, 0, 22, 1, FitType::Transition, 20, -22, -1},
        {"half micrometres (JS7/h6)", 10.5, -10.5, 0, -13, FitType::Transition, 23.5, -10.5, 6.5},
        {"finest grades (js01 in H01)", 0.3, 0, 0.15, -0.15, FitType::Transition, 0.45, -0.15, 0.15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FitAnalysis fit = AnalyseFit(ExactLength::FromMm(25), Limits(Part::Hole, c.holeUpper, c.holeLower),
                                           Limits(Part::Shaft, c.shaftUpper, c.shaftLower));
        EXPECT_EQ(fit.type, c.type);
        EXPECT_EQ(fit.maxClearance, Um(c.maxClearance));
        EXPECT_EQ(fit.minClearance, Um(c.minClearance));
        EXPECT_EQ(fit.meanClearance, Um(c.mean));
        EXPECT_EQ(fit.fitTolerance, Um(c.holeUpper - c.holeLower + c.shaftUpper - c.shaftLower));
    }
}

TEST(FitAnalysis, ShippedTablesGiveTheHandbookFits)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    struct Case
    {
        const char* fit;
        int sizeMm;
        FitType type;
        double maxClearance, minClearance;
    };
    const Case cases[] = {
        {"H7/g6", 40, FitType::Clearance, 50, 9},       {"H7/h6", 25, FitType::Clearance, 34, 0},
        {"H7/k6", 25, FitType::Transition, 19, -15},    {"H7/n6", 25, FitType::Transition, 6, -28},
        {"H7/s6", 30, FitType::Interference, -14, -48}, {"JS7/h6", 25, FitType::Transition, 23.5, -10.5},
        {"M6/h5", 300, FitType::Transition, 14, -41}, // M6 from 250 to 315 mm: ES is -9, not -11
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fit);
        const auto fit = AnalyseFit(tables, *ParseFitDesignation(c.fit), ExactLength::FromMm(c.sizeMm));
        ASSERT_TRUE(fit);
        EXPECT_EQ(fit->type, c.type);
        EXPECT_EQ(fit->maxClearance, Um(c.maxClearance));
        EXPECT_EQ(fit->minClearance, Um(c.minClearance));
    }
}

TEST(FitAnalysis, FailureNamesThePartAndTheFileAtFault)
{
    test::TempFolder folder;
    test::TableSet set;
    set.shafts.Set(6, 9, "-7x"); // g at 24 to 30 mm: trailing text
    set.WriteTo(folder);
    folder.Remove(std::string(TableFileName(TableId::Delta)));
    const DeviationTables tables = LoadDeviationTables(folder.Path());

    const auto malformed = AnalyseFit(tables, *ParseFitDesignation("H7/g6"), ExactLength::FromMm(25));
    ASSERT_FALSE(malformed);
    EXPECT_EQ(malformed.reason().part, Part::Shaft);
    EXPECT_EQ(malformed.reason().failure.kind, Failure::Kind::TableMalformed);
    EXPECT_EQ(malformed.reason().failure.line, 7);
    // The same line serves other letters, and other lines serve g.
    EXPECT_TRUE(AnalyseFit(tables, *ParseFitDesignation("H7/f6"), ExactLength::FromMm(25)));
    EXPECT_TRUE(AnalyseFit(tables, *ParseFitDesignation("H7/g6"), ExactLength::FromMm(20)));
    // Only what needs delta misses its file.
    const auto noDelta = AnalyseFit(tables, *ParseFitDesignation("K7/h6"), ExactLength::FromMm(25));
    ASSERT_FALSE(noDelta);
    EXPECT_EQ(noDelta.reason().failure.kind, Failure::Kind::TableMissing);
    EXPECT_EQ(noDelta.reason().failure.table, TableId::Delta);
}

TEST(ToleranceClassText, ReadsClassesAndFitsAndRefusesTheRest)
{
    for (const char* text : {"H7", "js6", "ZC10", "h01", "H0", "cd12", "H18"}) {
        SCOPED_TRACE(text);
        const auto parsed = ParseToleranceClass(text);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(ClassName(*parsed), text);
    }
    for (const char* text : {"", "H", "7", "Js7", "I7", "w6", "H19", "H007", "H7 ", "H-7", "Ｈ7",
                             "\xff"
                             "7"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseToleranceClass(text));
    }
    EXPECT_TRUE(ParseFitDesignation("G7/h6"));
    for (const char* text : {"H7g6", "h6/H7", "H7/G6", "H7/g6/", "/g6", "H7/"})
        EXPECT_FALSE(ParseFitDesignation(text)) << text;
}

// Every class in every band, once through the core and once as the dialog calculates it at the
// band's largest size: the same deviations (to the dialog's four decimals), or no result in both.
TEST(TwoPaths, CoreAndDialogAgreeOnEveryShippedClassAndBand)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    int compared = 0;
    for (const int basis : {kBasisHole, kBasisShaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kGradeCount; ++grade) {
                const ToleranceClass toleranceClass {basis == kBasisHole ? Part::Hole : Part::Shaft, letter, grade};
                for (int band = 0; band < kSizeBandCount; ++band) {
                    const auto core = LimitDeviationsInBand(tables, toleranceClass, band);
                    const std::string size = FormatMm(SizeBandBounds(band).second);
                    test::ResetCalcState();
                    MemoryDialogView view;
                    test::FillAndChoose(
                        view,
                        {std::string(
                             kSizeRangeTexts[static_cast<std::size_t>(*SizeRangeOf(SizeBandBounds(band).second))]),
                         std::string(kGradeTexts[static_cast<std::size_t>(grade)]), size, basis,
                         std::string(LetterTextsOf(basis)[static_cast<std::size_t>(letter)])});
                    CalcDeviations(view, test::ShippedTables());
                    const std::string upper = view.BoxText(Control::UpperDeviationBox);
                    SCOPED_TRACE(ClassName(toleranceClass) + " at " + size + " mm");
                    ASSERT_EQ(core.HasValue(), !upper.empty());
                    if (core) {
                        const double lower = ParseLeadingDecimal(view.BoxText(Control::LowerDeviationBox));
                        EXPECT_NEAR(ParseLeadingDecimal(upper), ToMm(core->upper), 0.5e-4 + 1e-12);
                        EXPECT_NEAR(lower, ToMm(core->lower), 0.5e-4 + 1e-12);
                    }
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 2 * kLetterCount * kGradeCount * kSizeBandCount);
}

} // namespace

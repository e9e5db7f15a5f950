// The core over the whole of ISO 286: grades IT01 to IT18, sizes up to 3150 mm, checked against
// transcriptions of published tables kept apart from the program's own.

#include "decimal_text.h"
#include "limit_deviations.h"
#include "loaded_tables.h"
#include "scales.h"
#include "standard_tolerances.h"
#include "test_support.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

std::ifstream OpenTestData(const char* name)
{
    return std::ifstream(std::filesystem::path(QUORLAN_TEST_DATA_DIR) / name);
}

ExactLength Mm(std::string_view text)
{
    return *ParseMillimetres(text);
}

TEST(WideRangeTolerances, EveryRangeAndGradeIsThePublishedValue)
{
    std::ifstream in = OpenTestData("iso286_1_standard_tolerances.txt");
    ASSERT_TRUE(in);
    std::string line;
    int range = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string from;
        std::string to;
        fields >> from >> to;
        ASSERT_LT(range, kCoreSizeRangeCount);
        EXPECT_EQ(SizeRangeBounds(range).first, Mm(from));
        EXPECT_EQ(SizeRangeBounds(range).second, Mm(to));
        for (int grade = 0; grade < kCoreGradeCount; ++grade) {
            std::string published;
            fields >> published;
            SCOPED_TRACE(from + " to " + to + " mm, " + std::string(GradeName(grade)));
            const auto value = StandardToleranceOfRange(range, grade);
            const auto atUpperBound = StandardTolerance(grade, Mm(to));
            if (published == "-") {
                EXPECT_FALSE(value);
                ASSERT_FALSE(atUpperBound);
                EXPECT_EQ(atUpperBound.reason().undefined, Failure::Undefined::Above500Mm);
            } else {
                ASSERT_TRUE(value);
                EXPECT_EQ(*value, *ParseMicrometres(published));
                ASSERT_TRUE(atUpperBound);
                EXPECT_EQ(*atUpperBound, *value);
            }
        }
        ++range;
    }
    EXPECT_EQ(range, kCoreSizeRangeCount);
}

TEST(WideRangeTolerances, NotesForTheSmallestAndLargestSizes)
{
    EXPECT_EQ(StandardTolerance(kGradeIT14, Mm("1")).reason().kind, Failure::Kind::NotUsedAtThisSize);
    EXPECT_EQ(StandardTolerance(kGradeIT18, Mm("0.5")).reason().kind, Failure::Kind::NotUsedAtThisSize);
    EXPECT_EQ(*StandardTolerance(kGradeIT14, Mm("1.000001")), ExactLength::FromUm(250));
    EXPECT_TRUE(StandardTolerance(kGradeIT13, Mm("1")));
    EXPECT_FALSE(IsExperimentalTolerance(kGradeIT5, Mm("500")));
    EXPECT_TRUE(IsExperimentalTolerance(kGradeIT5, Mm("500.000001")));
    EXPECT_TRUE(IsExperimentalTolerance(kGradeIT1, Mm("3150")));
    EXPECT_FALSE(IsExperimentalTolerance(kGradeIT6, Mm("3150")));
    EXPECT_EQ(StandardTolerance(kGradeIT7, Mm("3150.000001")).reason().kind, Failure::Kind::SizeOffScale);
    EXPECT_EQ(StandardTolerance(kCoreGradeCount, Mm("25")).reason().kind, Failure::Kind::GradeOffScale);
}

// Published limit deviations, each with its source in the data file.
TEST(WideRangeDeviations, ShippedTablesGiveThePublishedLimits)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    std::ifstream in = OpenTestData("iso286_wide_published.txt");
    ASSERT_TRUE(in);
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string designation, size, upper, lower;
        fields >> designation >> size >> upper >> lower;
        SCOPED_TRACE(line);
        const auto deviations = LimitDeviationsOf(tables, *ParseToleranceClass(designation), Mm(size));
        ASSERT_TRUE(deviations) << static_cast<int>(deviations.reason().kind);
        EXPECT_EQ(deviations->upper, *ParseMicrometres(upper));
        EXPECT_EQ(deviations->lower, *ParseMicrometres(lower));
        ++rows;
    }
    EXPECT_GE(rows, 50);
}

// Above 500 mm the standard gives d to u (not cd, ef, fg, j) for holes and shafts; K only to IT8.
TEST(WideRangeDeviations, AboveFiveHundredOnlyTheStandardsLettersHaveValues)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    const std::string defined = " d e f g h js k m n p r s t u ";
    for (const Part part : {Part::Hole, Part::Shaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (const int grade : {kGradeIT6, kGradeIT7, kGradeIT9, kGradeIT12}) {
                const ToleranceClass toleranceClass {part, letter, grade};
                const std::string lowerLetter(kShaftLetters[static_cast<std::size_t>(letter)]);
                const bool expected = defined.find(" " + lowerLetter + " ") != std::string::npos
                    && !(part == Part::Hole && letter == kLetterK && grade > kGradeIT8);
                for (const char* size : {"500.5", "3150"}) {
                    SCOPED_TRACE(ClassName(toleranceClass) + " at " + size + " mm");
                    const auto deviations = LimitDeviationsOf(tables, toleranceClass, Mm(size));
                    ASSERT_EQ(deviations.HasValue(), expected);
                    if (!expected && letter != kLetterK) {
                        EXPECT_EQ(deviations.reason().undefined, Failure::Undefined::Above500Mm);
                    }
                }
            }
        }
    }
}

// Beyond IT12: A, B, C, D and a, b, c, d, k to IT13; H, JS, h, js to IT18.
TEST(WideRangeDeviations, BeyondIT12OnlyTheStandardsLettersHaveValues)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    const std::string toIT13 = " a b c d ";
    const std::string toIT18 = " h js ";
    for (const Part part : {Part::Hole, Part::Shaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            const std::string name = " " + std::string(kShaftLetters[static_cast<std::size_t>(letter)]) + " ";
            for (int grade = kGradeIT13; grade <= kGradeIT18; ++grade) {
                const ToleranceClass toleranceClass {part, letter, grade};
                const bool to13 = toIT13.find(name) != std::string::npos || (part == Part::Shaft && letter == kLetterK);
                const bool expected = toIT18.find(name) != std::string::npos || (to13 && grade == kGradeIT13);
                SCOPED_TRACE(ClassName(toleranceClass));
                const auto deviations = LimitDeviationsOf(tables, toleranceClass, Mm("250"));
                ASSERT_EQ(deviations.HasValue(), expected);
                if (!expected) {
                    EXPECT_EQ(deviations.reason().undefined, Failure::Undefined::AtThisGrade);
                }
            }
        }
    }
}

TEST(WideRangeDeviations, RefusalsNameTheirReason)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    struct Case
    {
        const char* designation;
        const char* size;
        Failure::Kind kind;
    };
    const Case cases[] = {
        {"h14", "1", Failure::Kind::NotUsedAtThisSize},
        {"JS18", "0.5", Failure::Kind::NotUsedAtThisSize},
        {"a11", "1", Failure::Kind::NotUsedAtThisSize},
        {"B8", "0.2", Failure::Kind::NotUsedAtThisSize},
        {"N9", "1", Failure::Kind::NotUsedAtThisSize},
        {"js01", "501", Failure::Kind::NoStandardValue},
        {"H0", "3150", Failure::Kind::NoStandardValue},
        {"H7", "3150.000001", Failure::Kind::SizeOffScale},
        {"K9", "600", Failure::Kind::NoStandardValue},
        {"P2", "600", Failure::Kind::NoStandardValue},
        {"K12", "2", Failure::Kind::NoStandardValue},
        {"j6", "600", Failure::Kind::NoStandardValue},
        // Deviations that take the whole part away: g6 is -2 to -8 µm, d9 -20 to -45, P7 -6 to -16.
        {"g6", "0.008", Failure::Kind::LimitSizeNotPositive},
        {"d9", "0.01", Failure::Kind::LimitSizeNotPositive},
        {"P7", "0.000001", Failure::Kind::LimitSizeNotPositive},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.designation) + " at " + c.size + " mm");
        const auto deviations = LimitDeviationsOf(tables, *ParseToleranceClass(c.designation), Mm(c.size));
        ASSERT_FALSE(deviations);
        EXPECT_EQ(deviations.reason().kind, c.kind);
    }
    // Just over 1 mm the notes no longer apply; N above IT8 is fine at IT8 itself.
    EXPECT_TRUE(LimitDeviationsOf(tables, *ParseToleranceClass("a11"), Mm("1.000001")));
    EXPECT_TRUE(LimitDeviationsOf(tables, *ParseToleranceClass("N8"), Mm("1")));
    EXPECT_TRUE(LimitDeviationsOf(tables, *ParseToleranceClass("g6"), Mm("0.008001")));
    EXPECT_EQ(LimitDeviationsInBand(tables, {Part::Hole, kLetterCount, kGradeIT7}, 0).reason().kind,
              Failure::Kind::LetterOffScale);
    EXPECT_EQ(LimitDeviationsOf(tables, {Part::Hole, kLetterH, kCoreGradeCount}, Mm("25")).reason().kind,
              Failure::Kind::GradeOffScale);
}

// The first band's row keeps its values for the sizes over 1 mm: the notes are about sizes, not bands.
TEST(WideRangeDeviations, TheFirstBandKeepsItsValuesForSizesOverOneMillimetre)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    const auto h14 = LimitDeviationsInBand(tables, *ParseToleranceClass("h14"), 0);
    ASSERT_TRUE(h14);
    EXPECT_EQ(h14->lower, ExactLength::FromUm(-250));
    EXPECT_TRUE(LimitDeviationsInBand(tables, *ParseToleranceClass("A11"), 0));
}

// Files of the 25 lines up to 500 mm: sizes up to 500 mm as before, larger ones name the line missing.
TEST(WideRangeDeviations, TwentyFiveLineFilesAnswerUpTo500AndNameTheLineTheyLack)
{
    test::TempFolder folder;
    for (const TableId table : kAllTables) {
        std::ifstream in(test::ShippedTables() / TableFileName(table));
        std::string text;
        std::string line;
        for (int lines = 0; lines < kSizeBandCount && std::getline(in, line); ++lines)
            text += line + "\n";
        folder.Write(std::string(TableFileName(table)), text);
    }
    const DeviationTables shortTables = LoadDeviationTables(folder.Path());
    const DeviationTables shipped = LoadDeviationTables(test::ShippedTables());
    for (const char* designation : {"H7", "P6", "K7", "m6", "k6", "N9"}) {
        SCOPED_TRACE(designation);
        const ToleranceClass toleranceClass = *ParseToleranceClass(designation);
        const auto at500 = LimitDeviationsOf(shortTables, toleranceClass, Mm("500"));
        ASSERT_TRUE(at500);
        EXPECT_EQ(at500->upper, LimitDeviationsOf(shipped, toleranceClass, Mm("500"))->upper);
        const auto at501 = LimitDeviationsOf(shortTables, toleranceClass, Mm("501"));
        ASSERT_FALSE(at501);
        EXPECT_EQ(at501.reason().kind, Failure::Kind::TableLineMissing);
        EXPECT_EQ(at501.reason().line, 26);
        EXPECT_EQ(LimitDeviationsOf(shortTables, toleranceClass, Mm("3000")).reason().line, 41);
    }
    EXPECT_TRUE(LimitDeviationsOf(shortTables, *ParseToleranceClass("js7"), Mm("3000"))); // needs no file
}

} // namespace

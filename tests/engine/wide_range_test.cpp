// The core over the whole of ISO 286: grades IT01 to IT18, sizes up to 3150 mm, checked against
// transcriptions of published tables kept apart from the program's own.

#include "core/decimal_text.h"
#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "core/standard_tolerances.h"
#include "core/tabulated_classes.h"
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

// Every class the rules define is computed at every grade, whether ISO 286-2 prints it or not;
// refused only where the rules give no value. Values from the fundamental deviations and IT values.
TEST(WideRangeDeviations, ClassesFollowTheRulesAtEveryGrade)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    struct Case
    {
        const char* designation;
        const char* size;
        std::optional<std::pair<int, int>> limitsUm; // nothing: refused with the reason below
        bool tabulated = false;
        Failure::Kind kind = Failure::Kind::NoStandardValue;
        Failure::Undefined undefined = Failure::Undefined::InTables;
    };
    using U = Failure::Undefined;
    const Case cases[] = {
        {"E13", "25", std::pair {370, 40}}, // EI = -e = 40, IT13 330
        {"E13", "600", std::pair {1245, 145}}, // above 500 mm: e 145, IT13 1100
        {"m12", "25", std::pair {218, 8}}, // computed before, and not printed either
        {"t10", "35", std::pair {148, 48}},
        {"ZC13", "8", std::pair {-97, -317}}, // ES = -zc, no delta beyond IT7
        {"P14", "100", std::pair {-37, -907}},
        {"N14", "600", std::pair {-44, -1794}}, // ES = -n above 500 mm
        {"K13", "2", std::pair {0, -140}}, // K coarser than IT8: 0, up to 3 mm
        {"a14", "2", std::pair {-270, -520}},
        {"H7", "25", std::pair {21, 0}, true},
        {"A13", "340", std::pair {2090, 1200}, true},
        {"k13", "25", std::pair {330, 0}, true},
        {"js15", "25", std::pair {420, -420}, true},
        {"j13", "25", {}, false, Failure::Kind::NoStandardValue, U::AtThisGrade},
        {"J9", "25", {}, false, Failure::Kind::NoStandardValue, U::AtThisGrade},
        {"J5", "25", {}, false, Failure::Kind::NoStandardValue, U::InTables},
        {"K13", "25", {}, false, Failure::Kind::NoStandardValue, U::InTables},
        {"K9", "3.5", {}, false, Failure::Kind::NoStandardValue, U::InTables},
        {"P2", "25", {}, false, Failure::Kind::NoStandardValue, U::InTables}, // no delta below IT3
        {"A13", "1", {}, false, Failure::Kind::NotUsedAtThisSize},
        {"b12", "0.5", {}, false, Failure::Kind::NotUsedAtThisSize},
        {"cd13", "25", {}, false, Failure::Kind::NoStandardValue, U::InTables}, // cd only up to 10 mm
        {"c13", "600", {}, false, Failure::Kind::NoStandardValue, U::Above500Mm},
        {"ZC13", "600", {}, false, Failure::Kind::NoStandardValue, U::Above500Mm},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.designation) + " at " + c.size + " mm");
        const ToleranceClass toleranceClass = *ParseToleranceClass(c.designation);
        const auto deviations = LimitDeviationsOf(tables, toleranceClass, Mm(c.size));
        ASSERT_EQ(deviations.HasValue(), c.limitsUm.has_value());
        if (c.limitsUm) {
            EXPECT_EQ(deviations->upper, ExactLength::FromUm(c.limitsUm->first));
            EXPECT_EQ(deviations->lower, ExactLength::FromUm(c.limitsUm->second));
            EXPECT_EQ(IsTabulated(toleranceClass), c.tabulated);
        } else {
            EXPECT_EQ(deviations.reason().kind, c.kind);
            EXPECT_EQ(deviations.reason().undefined, c.undefined);
        }
    }
}

// The classes printed in published ISO 286-2 tables are the ones marked tabulated; the data files'
// "derived" rows are left out, as they were not seen printed.
TEST(WideRangeDeviations, PublishedClassesAreTabulated)
{
    for (const char* name : {"iso286_2_published.txt", "iso286_wide_published.txt"}) {
        std::ifstream in = OpenTestData(name);
        ASSERT_TRUE(in);
        std::string line;
        bool derived = false;
        int rows = 0;
        while (std::getline(in, line)) {
            if (line.starts_with("# derived"))
                derived = true;
            else if (line.starts_with("# "))
                derived = false;
            if (line.empty() || line.front() == '#' || derived || line.find("derived") != std::string::npos)
                continue;
            const std::string designation = line.substr(0, line.find(' '));
            EXPECT_TRUE(IsTabulated(*ParseToleranceClass(designation))) << line;
            ++rows;
        }
        EXPECT_GE(rows, 20) << name;
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

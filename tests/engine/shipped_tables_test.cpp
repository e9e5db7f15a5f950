// The shipped deviation tables: their layout, the standard's own relations between their cells, and
// the published ISO 286-2 limit deviations computed from them.

#include "core/loaded_tables.h"
#include "core/scales.h"
#include "core/table_id.h"
#include "dialog/calculations.h"
#include "dialog/deviation_tables.h"
#include "dialog/number_text.h"
#include "dialog/tolerance_table.h"
#include "test_support.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

TableId TableNamed(std::string_view file)
{
    for (const TableId table : kAllTables) {
        if (TableFileName(table) == file)
            return table;
    }
    throw std::invalid_argument(std::string(file));
}

// One cell of a shipped file, straight from the file.
Result<std::optional<ExactLength>, Failure> ShippedCell(std::string_view file, int band, int column)
{
    const TableId table = TableNamed(file);
    return CellAt(LoadTable(test::ShippedTables(), table), table, band, column);
}

std::optional<double> ShippedValue(std::string_view file, int band, int column)
{
    const auto cell = ShippedCell(file, band, column);
    if (!cell || !cell->has_value())
        return std::nullopt;
    return ToUm(**cell);
}

std::string Where(std::string_view file, int band, int column)
{
    return std::string(file) + " line " + std::to_string(band + 1) + " column " + std::to_string(column);
}

// 25 lines up to 500 mm, which the dialog reads, then 16 lines up to 3150 mm.
TEST(ShippedTables, EveryFileHasFortyOneWellFormedLines)
{
    const std::pair<std::string_view, int> files[] = {{TableFileName(TableId::Shaft), 28},
                                                      {TableFileName(TableId::Hole), 28},
                                                      {TableFileName(TableId::ShaftJK), 5},
                                                      {TableFileName(TableId::HoleJKMN), 9},
                                                      {TableFileName(TableId::Delta), 6}};
    for (const auto& [file, columns] : files) {
        std::ifstream in(test::ShippedTables() / file);
        ASSERT_TRUE(in) << file;
        std::string line;
        int lines = 0;
        while (std::getline(in, line)) {
            ++lines;
            EXPECT_EQ(std::count(line.begin(), line.end(), ' '), columns - 1) << Where(file, lines - 1, 0);
        }
        EXPECT_EQ(lines, kCoreSizeBandCount) << file;
        for (int band = 0; band < kCoreSizeBandCount; ++band)
            for (int column = 0; column < columns; ++column)
                EXPECT_TRUE(ShippedCell(file, band, column)) << Where(file, band, column);
    }
}

// A hole's fundamental deviation mirrors the shaft's of the same letter: EI(A..H) = -es(a..h) and,
// before delta, ES(P..ZC) = -ei(p..zc). Cells without a value are the same on both sides.
TEST(ShippedTables, HoleDeviationsMirrorTheShaftDeviations)
{
    for (int band = 0; band < kCoreSizeBandCount; ++band) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            if (letter >= kLetterJS && letter <= kLetterN)
                continue;
            SCOPED_TRACE(Where(TableFileName(TableId::Hole), band, letter));
            const auto hole = ShippedValue(TableFileName(TableId::Hole), band, letter);
            const auto shaft = ShippedValue(TableFileName(TableId::Shaft), band, letter);
            ASSERT_EQ(hole.has_value(), shaft.has_value());
            if (hole) {
                EXPECT_EQ(*hole, -*shaft);
            }
        }
    }
}

// K, M and N up to IT8 are minus ei of k (IT4 to IT7), m and n, before delta (above 500 mm without
// one).
TEST(ShippedTables, FineKMNMirrorTheShaftsKMN)
{
    for (int band = 0; band < kCoreSizeBandCount; ++band) {
        SCOPED_TRACE("line " + std::to_string(band + 1));
        EXPECT_EQ(ShippedValue(TableFileName(TableId::HoleJKMN), band, 3),
                  -*ShippedValue(TableFileName(TableId::ShaftJK), band, 3));
        EXPECT_EQ(ShippedValue(TableFileName(TableId::HoleJKMN), band, 5),
                  -*ShippedValue(TableFileName(TableId::Shaft), band, kLetterM));
        EXPECT_EQ(ShippedValue(TableFileName(TableId::HoleJKMN), band, 7),
                  -*ShippedValue(TableFileName(TableId::Shaft), band, kLetterN));
    }
}

// Above 500 mm there is no delta, and M and N are the same in every grade; k is 0 in every grade.
TEST(ShippedTables, AboveFiveHundredNoDeltaAndOneValueForEveryGrade)
{
    for (int band = kFirstBandAbove500Mm; band < kCoreSizeBandCount; ++band) {
        SCOPED_TRACE("line " + std::to_string(band + 1));
        for (int column = 0; column < TableColumnCount(TableId::Delta); ++column)
            EXPECT_EQ(ShippedValue(TableFileName(TableId::Delta), band, column), std::nullopt);
        EXPECT_EQ(ShippedValue(TableFileName(TableId::HoleJKMN), band, 6),
                  ShippedValue(TableFileName(TableId::HoleJKMN), band, 5));
        EXPECT_EQ(ShippedValue(TableFileName(TableId::HoleJKMN), band, 8),
                  ShippedValue(TableFileName(TableId::HoleJKMN), band, 7));
        EXPECT_EQ(ShippedValue(TableFileName(TableId::ShaftJK), band, 3), 0.0);
        EXPECT_EQ(ShippedValue(TableFileName(TableId::ShaftJK), band, 4), 0.0);
    }
}

// Delta of grade ITn is ITn - IT(n-1) of the band's size range, and 0 up to 3 mm.
TEST(ShippedTables, DeltaIsTheStepBetweenNeighbouringGrades)
{
    for (int band = 0; band < kSizeBandCount; ++band) {
        const int range = *SizeRangeHolding(kSizeBandUpperBounds[static_cast<std::size_t>(band)]);
        for (int grade = kGradeIT3; grade <= kGradeIT8; ++grade) {
            SCOPED_TRACE(Where(TableFileName(TableId::Delta), band, grade - kGradeIT3));
            const auto delta = ShippedValue(TableFileName(TableId::Delta), band, grade - kGradeIT3);
            ASSERT_TRUE(delta);
            const double step = band == 0
                ? 0.0
                : (*StandardToleranceMm(range, grade) - *StandardToleranceMm(range, grade - 1)) * 1000.0;
            EXPECT_NEAR(*delta, step, 1e-9);
        }
    }
}

struct Published
{
    std::string designation;
    std::string size;
    double upper;
    double lower;
};

std::vector<Published> ReadPublished()
{
    std::ifstream in(std::filesystem::path(QUORLAN_TEST_DATA_DIR) / "iso286_2_published.txt");
    std::vector<Published> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        Published row;
        std::string upper;
        std::string lower;
        fields >> row.designation >> row.size >> upper >> lower;
        row.upper = ParseLeadingDecimal(upper);
        row.lower = ParseLeadingDecimal(lower);
        cases.push_back(row);
    }
    return cases;
}

// Computes a class such as "P7" or "js6" as a user of the dialog would, with the shipped tables.
std::string ComputeFromShippedTables(const std::string& designation, const std::string& size,
                                     std::vector<std::string>* messages)
{
    test::ResetCalcState();
    const auto split = designation.find_first_of("0123456789");
    const std::string letter = designation.substr(0, split);
    const int basis = std::isupper(static_cast<unsigned char>(letter[0])) ? kBasisHole : kBasisShaft;
    const int range = *SizeRangeHolding(ParseLeadingDecimal(size));
    MemoryDialogView view;
    test::FillAndChoose(view,
                        {std::string(kSizeRangeTexts[static_cast<std::size_t>(range)]),
                         "IT" + designation.substr(split), size, basis, letter});
    CalcDeviations(view, test::ShippedTables());
    *messages = view.Messages();
    return view.BoxText(Control::UpperDeviationBox) + " " + view.BoxText(Control::LowerDeviationBox);
}

TEST(ShippedTables, GiveThePublishedLimitDeviations)
{
    const auto cases = ReadPublished();
    ASSERT_GE(cases.size(), 100U);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designation + " at " + c.size + " mm");
        std::vector<std::string> messages;
        const std::string shown = ComputeFromShippedTables(c.designation, c.size, &messages);
        EXPECT_EQ(shown, FormatFixed4(c.upper * 0.001) + " " + FormatFixed4(c.lower * 0.001));
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
}

// One class for each way a zone is placed, each shown without a message.
TEST(ShippedTables, GiveEveryPlacementRuleSilently)
{
    struct Case
    {
        const char* designation;
        const char* size;
        const char* shown;
    };
    const Case cases[] = {
        {"P7", "25", "-0.0140 -0.0350"}, // P to ZC: fundamental deviation plus delta
        {"K7", "5", "0.0030 -0.0090"}, // K up to IT8: delta
        {"M6", "300", "-0.0090 -0.0410"}, // an upper deviation apart from the rule
        {"H7", "25", "0.0210 0.0000"}, // zone above the fundamental deviation
        {"f7", "25", "-0.0200 -0.0410"}, // zone below it
        {"js7", "5", "0.0060 -0.0060"}, // symmetric
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.designation) + " at " + c.size + " mm");
        std::vector<std::string> messages;
        EXPECT_EQ(ComputeFromShippedTables(c.designation, c.size, &messages), c.shown);
        EXPECT_EQ(messages, std::vector<std::string> {});
    }
}

TEST(ShippedTables, LettersWithoutAValueForASizeEndInTheFailureMessage)
{
    for (const auto& [designation, size] : std::vector<std::pair<std::string, std::string>> {
             {"cd7", "20"}, {"t6", "20"}, {"v6", "12"}, {"y6", "16"}, {"j8", "20"}, {"EF7", "50"}, {"fg5", "100"}}) {
        SCOPED_TRACE(designation + " at " + size + " mm");
        std::vector<std::string> messages;
        EXPECT_EQ(ComputeFromShippedTables(designation, size, &messages), " ");
        EXPECT_EQ(messages, std::vector<std::string> {"没有对应的基本偏差数值，请重新选择"});
    }
}

} // namespace

#include "core/scales.h"
#include "core/table_id.h"
#include "dialog/calculations.h"
#include "dialog/deviation_rules.h"
#include "dialog/messages.h"
#include "test_support.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

using test::Choices;

const std::string kFailure(kMsgNoFundamentalDeviation);
const std::string kSizeWarning(kMsgSizeOutsideRange);
const std::string kEnterSize(kMsgEnterValidSize);
const std::string kFileMessage(kMsgTableFileUnreadable);

TEST(SizeBandForCalculation, SizesUpToFiveHundredTakeTheirOwnBand)
{
    struct Case
    {
        double size;
        int sizeRange;
        std::optional<int> band;
    };
    const Case cases[] = {
        {0.5, 12, 0},  {3, 5, 0},       {3.001, 0, 1},
        {10, 0, 2},    {10, 12, 2},     {10.001, 2, 3},
        {14, 2, 3},    {14.001, 2, 4},  {25, 4, 6},
        {8, 5, 2},     {300, 10, 20},   {500, 12, 24},
        {500.5, 1, 1}, {500.5, 12, {}}, {600, 12, {}},
        {-5, 2, 2},    {-5, 4, {}},     {0, 0, 0},
        {0, 3, {}},    {0, -1, {}},     {std::numeric_limits<double>::infinity(), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("size " + std::to_string(c.size) + ", range " + std::to_string(c.sizeRange));
        EXPECT_EQ(SizeBandForCalculation(c.size, c.sizeRange), c.band);
    }
}

// The deviation command over tables whose cells hold the values each case needs.
class DeviationCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ResetCalcState();
        // Band 6 (over 24 up to 30 mm) and band 1 (3 to 6 mm), with the standard's numbers for the letters used.
        m_tables.holes.Set(6, 7, "20").Set(6, kLetterP, "-22");
        m_tables.shafts.Set(6, 7, "-20");
        m_tables.shaftJK.Set(6, 3, "2");
        m_tables.holeJKMN.Set(6, 3, "-2")
            .Set(6, 4, "0")
            .Set(6, 5, "-8")
            .Set(6, 6, "-8")
            .Set(6, 7, "-15")
            .Set(6, 8, "0");
        m_tables.holeJKMN.Set(1, 3, "-1").Set(20, 5, "-20");
        m_tables.deltas.Set(6, 4, "8").Set(1, 4, "4").Set(1, 3, "3").Set(20, 3, "9").Set(20, 4, "20");
        m_tables.WriteTo(m_folder);
    }

    // Fills the dialog's lists, makes the choices and presses the deviation button.
    void Calculate(const Choices& choices)
    {
        test::FillAndChoose(m_view, choices);
        CalcDeviations(m_view, m_folder.Path());
    }
    std::string Shown() const
    {
        return m_view.BoxText(Control::UpperDeviationBox) + " " + m_view.BoxText(Control::LowerDeviationBox);
    }
    const std::vector<std::string>& Messages() const { return m_view.Messages(); }

    test::TempFolder m_folder;
    test::TableSet m_tables;
    MemoryDialogView m_view;
};

struct RuleCase
{
    const char* name;
    Choices choices;
    const char* shown;
};

TEST_F(DeviationCommand, RulesPlaceTheToleranceFromTheFundamentalDeviation)
{
    const RuleCase cases[] = {
        {"hole H: lower is the fundamental deviation", {">18-30", "IT7", "25", kBasisHole, "H"}, "0.0210 0.0000"},
        {"hole F", {">18-30", "IT8", "25", kBasisHole, "F"}, "0.0530 0.0200"},
        {"shaft f: upper is the fundamental deviation", {">18-30", "IT7", "25", kBasisShaft, "f"}, "-0.0200 -0.0410"},
        {"shaft k", {">18-30", "IT6", "25", kBasisShaft, "k"}, "0.0150 0.0020"},
        {"hole JS", {">18-30", "IT7", "25", kBasisHole, "JS"}, "0.0105 -0.0105"},
        {"shaft js, small size", {">3-6", "IT7", "5", kBasisShaft, "js"}, "0.0060 -0.0060"},
        {"hole P at IT7 adds delta", {">18-30", "IT7", "25", kBasisHole, "P"}, "-0.0140 -0.0350"},
        {"hole P at IT8 has no delta", {">18-30", "IT8", "25", kBasisHole, "P"}, "-0.0220 -0.0550"},
        {"hole M at IT7 adds delta", {">18-30", "IT7", "25", kBasisHole, "M"}, "0.0000 -0.0210"},
        {"hole M at IT9", {">18-30", "IT9", "25", kBasisHole, "M"}, "-0.0080 -0.0600"},
        {"hole N at IT9", {">18-30", "IT9", "25", kBasisHole, "N"}, "0.0000 -0.0520"},
        {"hole K at IT7 adds delta", {">18-30", "IT7", "25", kBasisHole, "K"}, "0.0060 -0.0150"},
        {"hole K at IT9", {">18-30", "IT9", "25", kBasisHole, "K"}, "0.0000 -0.0520"},
        {"hole K7 at 5 mm, whose table value is -1", {">3-6", "IT7", "5", kBasisHole, "K"}, "0.0030 -0.0090"},
        {"hole K6 at 5 mm", {">3-6", "IT6", "5", kBasisHole, "K"}, "0.0020 -0.0060"},
        {"hole M6 at 300 mm is the standard's special case",
         {">250-315", "IT6", "300", kBasisHole, "M"},
         "-0.0090 -0.0410"},
        {"hole M7 at 300 mm follows the general rule", {">250-315", "IT7", "300", kBasisHole, "M"}, "0.0000 -0.0520"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ResetCalcState();
        MemoryDialogView view;
        test::FillAndChoose(view, c.choices);
        CalcDeviations(view, m_folder.Path());
        EXPECT_EQ(view.BoxText(Control::UpperDeviationBox) + " " + view.BoxText(Control::LowerDeviationBox), c.shown);
        EXPECT_TRUE(view.Messages().empty()) << view.Messages().front();
    }
}

TEST_F(DeviationCommand, CombinationsWithoutAResultShowTheFailureAndEmptyBoxes)
{
    const RuleCase cases[] = {
        {"hole P at IT2", {">18-30", "IT2", "25", kBasisHole, "P"}, " "},
        {"hole P at IT01", {">18-30", "IT01", "25", kBasisHole, "P"}, " "},
        {"hole K at IT12", {">18-30", "IT12", "25", kBasisHole, "K"}, " "},
        {"no basis chosen yet", {">18-30", "IT7", "25", -1, ""}, " "},
        {"no letter chosen", {">18-30", "IT7", "25", kBasisHole, ""}, " "},
        {"no grade chosen", {">18-30", "", "25", kBasisHole, "JS"}, " "},
        {"no size range chosen", {"", "IT7", "25", kBasisHole, "H"}, " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ResetCalcState();
        MemoryDialogView view;
        test::FillAndChoose(view, c.choices);
        view.SetBoxText(Control::UpperDeviationBox, "0.1234");
        view.SetBoxText(Control::LowerDeviationBox, "0.1234");
        CalcDeviations(view, m_folder.Path());
        EXPECT_EQ(view.BoxText(Control::UpperDeviationBox) + " " + view.BoxText(Control::LowerDeviationBox), c.shown);
        EXPECT_EQ(view.Messages(), std::vector<std::string> {kFailure});
    }
}

TEST_F(DeviationCommand, SizeOutsideTheChosenRangeTakesTheBandOfTheSize)
{
    m_tables.holes.Set(2, kLetterH, "1000"); // band 2, 6 to 10 mm: marks where the value came from
    m_tables.holes.Set(5, kLetterH, "2000"); // band 5, 18 to 24 mm: the size range's index
    m_tables.WriteTo(m_folder);
    Calculate({">30-50", "IT7", "8", kBasisHole, "H"});
    EXPECT_EQ(Shown(), "1.0250 1.0000");
    EXPECT_EQ(Messages(), std::vector<std::string> {kSizeWarning});
}

TEST_F(DeviationCommand, SizeThatNoBandHoldsFallsBackOnlyOnTheFirstThreeRanges)
{
    Calculate({">400-500", "IT7", "600", kBasisHole, "H"});
    EXPECT_EQ(Shown(), " ");
    EXPECT_EQ(Messages(), (std::vector<std::string> {kSizeWarning, kFailure}));

    test::ResetCalcState();
    MemoryDialogView small;
    test::FillAndChoose(small, {">3-6", "IT7", "-5", kBasisShaft, "js"});
    CalcDeviations(small, m_folder.Path());
    EXPECT_EQ(small.BoxText(Control::UpperDeviationBox), "0.0060");
    EXPECT_EQ(small.Messages(), std::vector<std::string> {kSizeWarning});
}

TEST_F(DeviationCommand, ZeroSizeAsksForASizeAndGoesOn)
{
    Calculate({"<=3", "IT7", "abc", kBasisHole, "H"});
    EXPECT_EQ(Shown(), "0.0100 0.0000");
    EXPECT_EQ(Messages(), std::vector<std::string> {kEnterSize});

    test::ResetCalcState();
    MemoryDialogView wrongRange;
    test::FillAndChoose(wrongRange, {">18-30", "IT7", "", kBasisHole, "H"});
    CalcDeviations(wrongRange, m_folder.Path());
    EXPECT_EQ(wrongRange.Messages(), (std::vector<std::string> {kSizeWarning, kEnterSize, kFailure}));
}

TEST_F(DeviationCommand, FailedDeltaReadIsAFailureNotAValue)
{
    m_folder.Remove(std::string(TableFileName(TableId::Delta)));
    Calculate({">18-30", "IT7", "25", kBasisHole, "P"});
    EXPECT_EQ(Shown(), " ");
    EXPECT_EQ(Messages(), (std::vector<std::string> {kFileMessage, kFailure}));
}

TEST_F(DeviationCommand, CellWithoutAValueEndsInTheFailureMessageOnly)
{
    m_tables.shafts.Set(6, 3, "-");
    m_tables.WriteTo(m_folder);
    Calculate({">18-30", "IT7", "25", kBasisShaft, "cd"});
    EXPECT_EQ(Shown(), " ");
    EXPECT_EQ(Messages(), std::vector<std::string> {kFailure});
}

TEST_F(DeviationCommand, FailureClearsTheResultsOfTheCalculationBefore)
{
    Calculate({">18-30", "IT7", "25", kBasisHole, "P"});
    EXPECT_EQ(Shown(), "-0.0140 -0.0350");
    m_view.ChooseEntry(Control::GradeList, "IT2");
    CalcDeviations(m_view, m_folder.Path());
    EXPECT_EQ(Shown(), " ");
    EXPECT_EQ(m_view.BoxText(Control::ToleranceBox), "0.0025"); // the tolerance was refreshed first
}

TEST_F(DeviationCommand, ReadFailureKeepsTheStoredDeviations)
{
    g_calcState.dUpper = 0.5;
    g_calcState.dLower = 0.25;
    m_folder.Remove(std::string(TableFileName(TableId::Hole)));
    Calculate({">18-30", "IT7", "25", kBasisHole, "H"});
    EXPECT_EQ(g_calcState.dUpper, 0.5);
    EXPECT_EQ(g_calcState.dLower, 0.25);
    EXPECT_EQ(Messages(), (std::vector<std::string> {kFileMessage, kFailure}));
}

TEST_F(DeviationCommand, SizeBoxIsReadAgainWhenTheButtonIsPressed)
{
    test::FillAndChoose(m_view, {">18-30", "IT7", "25", kBasisHole, "P"});
    g_calcState.dNominal = 0.0; // as if the change handler had not run
    CalcDeviations(m_view, m_folder.Path());
    EXPECT_EQ(Shown(), "-0.0140 -0.0350");
    EXPECT_EQ(g_calcState.nLetter, kLetterP);
}

} // namespace

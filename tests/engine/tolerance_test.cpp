#include "core/scales.h"
#include "dialog/calculations.h"
#include "dialog/messages.h"
#include "dialog/tolerance_table.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using test::Choices;

class ToleranceCommand : public ::testing::Test
{
protected:
    void SetUp() override { test::ResetCalcState(); }

    // Fills the lists as the dialog does at start, makes the choices and presses the tolerance button.
    void Calculate(const Choices& choices)
    {
        test::FillAndChoose(m_view, choices);
        CalcTolerance(m_view);
    }
    std::string Shown() const { return m_view.BoxText(Control::ToleranceBox); }
    const std::vector<std::string>& Messages() const { return m_view.Messages(); }

    MemoryDialogView m_view;
};

const std::vector<std::string> kNoMessage;
const std::vector<std::string> kSizeWarning {std::string(kMsgSizeOutsideRange)};

TEST_F(ToleranceCommand, ShowsTheTableValueForTheChosenRangeAndGrade)
{
    Calculate({">18-30", "IT7", "25"});
    EXPECT_EQ(Shown(), "0.0210");
    EXPECT_EQ(g_calcState.dTolerance, 21 * 0.001);
    EXPECT_EQ(g_calcState.nSizeRange, 4);
    EXPECT_EQ(g_calcState.nGrade, 8);
    EXPECT_EQ(Messages(), kNoMessage);
}

TEST_F(ToleranceCommand, LowerBoundOfARangeIsExcludedAndTheUpperIncluded)
{
    Calculate({">18-30", "IT7", "18"});
    EXPECT_EQ(Messages(), kSizeWarning);
    EXPECT_EQ(Shown(), "0.0210"); // warned, not stopped

    m_view.SetBoxText(Control::SizeBox, "30");
    CalcTolerance(m_view);
    EXPECT_EQ(Messages().size(), 1U);
}

TEST_F(ToleranceCommand, SmallestRangeAcceptsEverySizeUpToThreeIncludingZero)
{
    Calculate({"<=3", "IT01", ""});
    EXPECT_EQ(Shown(), "0.0003");
    EXPECT_EQ(Messages(), kNoMessage);

    m_view.SetBoxText(Control::SizeBox, "-4");
    CalcTolerance(m_view);
    EXPECT_EQ(Messages(), kNoMessage);

    m_view.SetBoxText(Control::SizeBox, "3.0001");
    CalcTolerance(m_view);
    EXPECT_EQ(Messages(), kSizeWarning);
}

TEST_F(ToleranceCommand, MissingChoicesGiveZeroAndOnlyARangeChecksTheSize)
{
    Calculate({"", "IT7", "700"});
    EXPECT_EQ(Shown(), "0.0000");
    EXPECT_EQ(Messages(), kNoMessage);
    EXPECT_EQ(g_calcState.nSizeRange, -1);

    test::ResetCalcState();
    MemoryDialogView rangeOnly;
    test::FillAndChoose(rangeOnly, {">6-10", "", "20"});
    CalcTolerance(rangeOnly);
    EXPECT_EQ(rangeOnly.Messages(), kSizeWarning);
    EXPECT_EQ(rangeOnly.BoxText(Control::ToleranceBox), "0.0000");
}

TEST_F(ToleranceCommand, NothingChosenLeavesTheBoxAloneButZeroesTheTolerance)
{
    m_view.SetBoxText(Control::ToleranceBox, "typed by the user");
    g_calcState.dTolerance = 0.5;
    Calculate({});
    EXPECT_EQ(Shown(), "typed by the user");
    EXPECT_EQ(g_calcState.dTolerance, 0.0);
}

TEST_F(ToleranceCommand, TypedRangeTextWithoutChoosingCountsAsNoChoice)
{
    test::FillAndChoose(m_view, {">18-30", "IT7", "25"});
    m_view.TypeIntoList(Control::SizeRangeList, ">30-50");
    CalcTolerance(m_view);
    EXPECT_EQ(g_calcState.nSizeRange, -1);
    EXPECT_EQ(Shown(), "0.0000");
}

TEST(StandardToleranceTable, HoldsTheStandardsValuesAsMicrometresTimesAThousandth)
{
    EXPECT_EQ(StandardToleranceMm(3, 8), 18 * 0.001); // not the decimal constant 0.018
    EXPECT_EQ(StandardToleranceMm(9, 2), 4.5 * 0.001);
    EXPECT_EQ(StandardToleranceMm(12, 13), 630 * 0.001);
    EXPECT_EQ(StandardToleranceMm(0, 0), 0.3 * 0.001);
    EXPECT_EQ(StandardToleranceMm(10, 9), 81 * 0.001);
    EXPECT_EQ(StandardToleranceMm(7, 10), 87 * 0.001);
}

TEST(StandardToleranceTable, HasNoValueOffItsScales)
{
    EXPECT_FALSE(StandardToleranceMm(-1, 0));
    EXPECT_FALSE(StandardToleranceMm(13, 0));
    EXPECT_FALSE(StandardToleranceMm(0, -1));
    EXPECT_FALSE(StandardToleranceMm(0, 14));
}

// The standard's tolerances grow with the grade and with the size: a typing slip in the table breaks this.
TEST(StandardToleranceTable, GrowsWithGradeAndSize)
{
    for (int range = 0; range < kSizeRangeCount; ++range) {
        for (int grade = 0; grade < kGradeCount; ++grade) {
            SCOPED_TRACE("range " + std::to_string(range) + ", grade " + std::to_string(grade));
            const double value = *StandardToleranceMm(range, grade);
            if (grade > 0) {
                EXPECT_GT(value, *StandardToleranceMm(range, grade - 1));
            }
            if (range > 0) {
                EXPECT_GE(value, *StandardToleranceMm(range - 1, grade));
            }
            // From IT6 on, each grade is about 1.6 times the one before (the R5 series, rounded).
            if (grade >= 8) {
                const double ratio = value / *StandardToleranceMm(range, grade - 1);
                EXPECT_GT(ratio, 1.35);
                EXPECT_LT(ratio, 1.8);
            }
        }
    }
}

} // namespace

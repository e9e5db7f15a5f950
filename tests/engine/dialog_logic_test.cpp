#include "core/preferred_fit_lists.h"
#include "core/scales.h"
#include "dialog/dialog_logic.h"
#include "dialog/preferred_fits.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class DialogLogic : public ::testing::Test
{
protected:
    void SetUp() override { test::ResetCalcState(); }
    MemoryDialogView m_view;
};

TEST_F(DialogLogic, ListsOpenInScaleOrderNotAlphabetically)
{
    FillGradeList(m_view);
    FillSizeRangeList(m_view);
    const Texts& grades = m_view.Entries(Control::GradeList);
    ASSERT_EQ(grades.size(), 14U);
    EXPECT_EQ(grades.front(), "IT01");
    EXPECT_EQ(grades[1], "IT0");
    EXPECT_EQ(grades[2], "IT1");
    EXPECT_EQ(grades[11], "IT10");
    EXPECT_EQ(grades.back(), "IT12");
    const Texts& ranges = m_view.Entries(Control::SizeRangeList);
    ASSERT_EQ(ranges.size(), 13U);
    EXPECT_EQ(ranges.front(), "<=3");
    EXPECT_EQ(ranges.back(), ">400-500");
    EXPECT_EQ(m_view.SelectedPosition(Control::GradeList), -1);
    EXPECT_EQ(m_view.SelectedPosition(Control::SizeRangeList), -1);
}

TEST_F(DialogLogic, BasisButtonsSwapTheLetterCaseAtTheSamePositionsAndDropTheChoice)
{
    SelectBasis(m_view, kBasisHole);
    EXPECT_EQ(g_calcState.nBasis, kBasisHole);
    const Texts holes = m_view.Entries(Control::LetterList);
    ASSERT_EQ(holes.size(), 28U);
    EXPECT_EQ(holes[11], "JS");
    EXPECT_EQ(holes[12], "J");
    ASSERT_TRUE(m_view.ChooseEntry(Control::LetterList, "P"));

    SelectBasis(m_view, kBasisShaft);
    EXPECT_EQ(g_calcState.nBasis, kBasisShaft);
    const Texts& shafts = m_view.Entries(Control::LetterList);
    ASSERT_EQ(shafts.size(), 28U);
    EXPECT_EQ(shafts[16], "p");
    EXPECT_EQ(shafts.back(), "zc");
    EXPECT_EQ(m_view.SelectedPosition(Control::LetterList), -1);
    EXPECT_EQ(g_calcState.nLetter, -1); // refreshed only when a deviation is calculated

    ASSERT_TRUE(m_view.ChooseEntry(Control::LetterList, "h"));
    SelectBasis(m_view, kBasisShaft); // the same button again rebuilds the list
    EXPECT_EQ(m_view.Entries(Control::LetterList).size(), 28U);
    EXPECT_EQ(m_view.SelectedPosition(Control::LetterList), -1);
}

TEST_F(DialogLogic, SizeBoxChangesSetTheNominalSizeAsTyped)
{
    const std::pair<const char*, double> keystrokes[]
        = {{"1", 1.0}, {"12", 12.0}, {"12.", 12.0}, {"12.5", 12.5}, {"12.5mm", 12.5}, {"abc", 0.0}, {"", 0.0}};
    for (const auto& [text, size] : keystrokes) {
        m_view.SetBoxText(Control::SizeBox, text);
        EXPECT_EQ(g_calcState.dNominal, size) << text;
    }
}

TEST_F(DialogLogic, ToleranceClearEmptiesItsSideOnly)
{
    test::FillAndChoose(m_view, {">18-30", "IT7", "25", kBasisHole, "P"});
    m_view.SetBoxText(Control::ToleranceBox, "0.0210");
    m_view.SetBoxText(Control::UpperDeviationBox, "-0.0140");
    g_calcState.nSizeRange = 4;

    ClearToleranceSide(m_view);
    EXPECT_EQ(m_view.BoxText(Control::ToleranceBox), "");
    EXPECT_EQ(m_view.BoxText(Control::SizeBox), "");
    EXPECT_EQ(g_calcState.dNominal, 0.0);
    EXPECT_EQ(m_view.SelectedPosition(Control::SizeRangeList), -1);
    EXPECT_EQ(m_view.SelectedPosition(Control::GradeList), -1);
    EXPECT_EQ(m_view.ListText(Control::GradeList), "");
    EXPECT_EQ(g_calcState.nSizeRange, 4); // until the next calculation reads the lists
    EXPECT_EQ(m_view.BoxText(Control::UpperDeviationBox), "-0.0140");
    EXPECT_EQ(m_view.SelectedPosition(Control::LetterList), kLetterP);
}

TEST_F(DialogLogic, DeviationClearEmptiesItsSideOnly)
{
    test::FillAndChoose(m_view, {">18-30", "IT7", "25", kBasisHole, "P"});
    m_view.SetBoxText(Control::ToleranceBox, "0.0210");
    m_view.SetBoxText(Control::UpperDeviationBox, "-0.0140");
    m_view.SetBoxText(Control::LowerDeviationBox, "-0.0350");

    ClearDeviationSide(m_view);
    EXPECT_EQ(m_view.BoxText(Control::UpperDeviationBox), "");
    EXPECT_EQ(m_view.BoxText(Control::LowerDeviationBox), "");
    EXPECT_EQ(m_view.SelectedPosition(Control::LetterList), -1);
    EXPECT_EQ(m_view.Entries(Control::LetterList).size(), 28U);
    EXPECT_EQ(g_calcState.nBasis, kBasisHole);
    EXPECT_EQ(m_view.BoxText(Control::ToleranceBox), "0.0210");
    EXPECT_EQ(m_view.BoxText(Control::SizeBox), "25");
    EXPECT_EQ(m_view.SelectedPosition(Control::GradeList), 8);
}

TEST_F(DialogLogic, FitsListFollowsTheBasisOfTheLastFitClassClick)
{
    ListPreferredFits(m_view, FitType::Transition);
    EXPECT_TRUE(m_view.Entries(Control::FitsList).empty()); // no basis yet
    EXPECT_EQ(g_calcState.nFitClass, static_cast<int>(FitType::Transition));

    SelectBasis(m_view, kBasisHole);
    ListPreferredFits(m_view, FitType::Clearance);
    EXPECT_EQ(m_view.Entries(Control::FitsList),
              (Texts {"G7/h6", "H7/h6", "F8/h7", "H8/h7", "D9/h9", "H9/h9", "C11/h11", "H11/h11"}));

    ListPreferredFits(m_view, FitType::Transition);
    SelectBasis(m_view, kBasisShaft);
    EXPECT_EQ(m_view.Entries(Control::FitsList), (Texts {"K7/h6", "N7/h6"})); // not rebuilt by the basis

    ListPreferredFits(m_view, FitType::Interference);
    EXPECT_EQ(m_view.Entries(Control::FitsList), (Texts {"H7/p6", "H7/s6", "H7/k6", "H7/u6"}));
    EXPECT_EQ(m_view.SelectedPosition(Control::FitsList), -1);
    EXPECT_TRUE(PreferredFits(kBasisHole, static_cast<FitType>(3)).empty());
    EXPECT_TRUE(PreferredFits(-1, FitType::Clearance).empty());
}

TEST(MemoryDialogView, InsertsAtThePositionGivenAndKeepsTheChoiceOnItsEntry)
{
    test::ResetCalcState();
    MemoryDialogView view;
    view.InsertListEntry(Control::FitsList, 0, "b");
    view.InsertListEntry(Control::FitsList, 0, "a");
    view.InsertListEntry(Control::FitsList, 9, "c");
    ASSERT_TRUE(view.ChooseEntry(Control::FitsList, "b"));
    view.InsertListEntry(Control::FitsList, 1, "ab");
    EXPECT_EQ(view.Entries(Control::FitsList), (Texts {"a", "ab", "b", "c"}));
    EXPECT_EQ(view.SelectedPosition(Control::FitsList), 2);
    view.TypeIntoList(Control::FitsList, "b");
    EXPECT_EQ(view.SelectedPosition(Control::FitsList), -1);
    EXPECT_FALSE(view.ChooseEntry(Control::FitsList, "zz"));
}

} // namespace

#include "core/scales.h"
#include "core/table_id.h"
#include "dialog/deviation_tables.h"
#include "dialog/messages.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using test::TableText;

class DeviationTables : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::ResetCalcState();
        m_tables.shafts = TableText::Coded(28);
        m_tables.holes = TableText::Coded(28);
        m_tables.shaftJK = TableText::Coded(5);
        m_tables.holeJKMN = TableText::Coded(9);
        m_tables.deltas = TableText::Coded(6);
        m_tables.WriteTo(m_folder);
    }

    std::optional<double> Fundamental(int band, int letter, int basis, int grade)
    {
        return ReadFundamentalDeviation(m_view, m_folder.Path(), band, letter, basis, grade);
    }
    std::optional<double> Delta(int band, int grade) { return ReadDeltaValue(m_view, m_folder.Path(), band, grade); }
    const std::vector<std::string>& Messages() const { return m_view.Messages(); }

    test::TempFolder m_folder;
    test::TableSet m_tables;
    MemoryDialogView m_view;
};

const std::string kFileMessage(kMsgTableFileUnreadable);
const std::string kNoGradeMessage(kMsgNoDeviationForGrade);

TEST_F(DeviationTables, LettersReadTheirOwnColumnOfTheBasisFile)
{
    EXPECT_EQ(Fundamental(0, 0, kBasisShaft, 8), 0.0); // a, first line
    EXPECT_EQ(Fundamental(24, kLetterZC, kBasisShaft, 8), 2427.0); // zc, 25th line
    EXPECT_EQ(Fundamental(6, kLetterM, kBasisShaft, 3), 614.0); // m by letter at every grade
    EXPECT_EQ(Fundamental(6, kLetterP, kBasisHole, 8), 616.0); // P
    EXPECT_EQ(Fundamental(6, kLetterH, kBasisHole, 13), 610.0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DeviationTables, ShaftJAndKPickTheirColumnByGrade)
{
    struct Case
    {
        int letter;
        int grade;
        int column;
    };
    const Case cases[] = {
        {kLetterK, kGradeIT3, 4}, {kLetterK, kGradeIT4, 3},  {kLetterK, kGradeIT7, 3}, {kLetterK, kGradeIT8, 4},
        {kLetterK, -1, 4},        {kLetterK, kGradeIT12, 4}, {kLetterJ, kGradeIT5, 0}, {kLetterJ, kGradeIT6, 0},
        {kLetterJ, kGradeIT7, 1}, {kLetterJ, kGradeIT8, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("letter " + std::to_string(c.letter) + " grade " + std::to_string(c.grade));
        EXPECT_EQ(Fundamental(3, c.letter, kBasisShaft, c.grade), 300.0 + c.column);
    }
}

TEST_F(DeviationTables, HoleJKMNPickTheirColumnByGradeSplitAtIT8)
{
    struct Case
    {
        int letter;
        int grade;
        int column;
    };
    const Case cases[] = {
        {kLetterJ, kGradeIT6, 0}, {kLetterJ, kGradeIT7, 1}, {kLetterJ, kGradeIT8, 2}, {kLetterK, kGradeIT8, 3},
        {kLetterK, kGradeIT9, 4}, {kLetterM, kGradeIT8, 5}, {kLetterM, kGradeIT9, 6}, {kLetterN, kGradeIT8, 7},
        {kLetterN, kGradeIT9, 8}, {kLetterK, -1, 3},        {kLetterM, -1, 5},        {kLetterN, -1, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("letter " + std::to_string(c.letter) + " grade " + std::to_string(c.grade));
        EXPECT_EQ(Fundamental(5, c.letter, kBasisHole, c.grade), 500.0 + c.column);
    }
}

TEST_F(DeviationTables, JWithoutAColumnForTheGradeHasNoValue)
{
    EXPECT_FALSE(Fundamental(3, kLetterJ, kBasisShaft, kGradeIT4));
    EXPECT_FALSE(Fundamental(3, kLetterJ, kBasisShaft, kGradeIT9));
    EXPECT_FALSE(Fundamental(3, kLetterJ, kBasisHole, kGradeIT5));
    EXPECT_EQ(Messages(), std::vector<std::string>(3, kNoGradeMessage));
}

TEST_F(DeviationTables, MissingFileIsReportedBeforeTheMissingColumn)
{
    m_folder.Remove(std::string(TableFileName(TableId::HoleJKMN)));
    EXPECT_FALSE(Fundamental(3, kLetterJ, kBasisHole, kGradeIT5));
    EXPECT_EQ(Messages(), (std::vector<std::string> {kFileMessage, kNoGradeMessage}));
}

TEST_F(DeviationTables, JSIsHalfTheToleranceOnceItsCellIsThere)
{
    g_calcState.dTolerance = 0.025;
    EXPECT_EQ(Fundamental(6, kLetterJS, kBasisHole, 8), 0.0125);
    EXPECT_EQ(Fundamental(6, kLetterJS, kBasisShaft, 8), 0.0125);
    m_folder.Remove(std::string(TableFileName(TableId::Hole)));
    EXPECT_FALSE(Fundamental(6, kLetterJS, kBasisHole, 8));
    EXPECT_EQ(Messages(), std::vector<std::string> {kFileMessage});
}

TEST_F(DeviationTables, MinusOneIsAValueLikeAnyOther)
{
    m_tables.holeJKMN.Set(1, 3, "-1");
    m_tables.WriteTo(m_folder);
    EXPECT_EQ(Fundamental(1, kLetterK, kBasisHole, kGradeIT7), -1.0);
    m_tables.deltas.Set(1, 4, "-1");
    m_tables.WriteTo(m_folder);
    EXPECT_EQ(Delta(1, kGradeIT7), -1.0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DeviationTables, CellMarkedAsHavingNoValueFailsQuietly)
{
    m_tables.shafts.Set(4, 3, "-");
    m_tables.WriteTo(m_folder);
    EXPECT_FALSE(Fundamental(4, 3, kBasisShaft, kGradeIT7));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DeviationTables, MalformedFileShowsTheFileMessage)
{
    m_folder.Write(std::string(TableFileName(TableId::Shaft)), "1 2 3\n");
    EXPECT_FALSE(Fundamental(0, 5, kBasisShaft, kGradeIT7));
    EXPECT_FALSE(Fundamental(3, 0, kBasisShaft, kGradeIT7));
    EXPECT_EQ(Messages(), std::vector<std::string>(2, kFileMessage));
}

TEST_F(DeviationTables, InputsOffTheirScalesReadNothingAndSayNothing)
{
    EXPECT_FALSE(Fundamental(-1, 0, kBasisShaft, 8));
    EXPECT_FALSE(Fundamental(25, 0, kBasisShaft, 8));
    EXPECT_FALSE(Fundamental(3, -1, kBasisShaft, 8));
    EXPECT_FALSE(Fundamental(3, 28, kBasisHole, 8));
    EXPECT_FALSE(Fundamental(3, 0, -1, 8));
    EXPECT_FALSE(Fundamental(3, 0, 2, 8));
    EXPECT_FALSE(Delta(-1, 8));
    EXPECT_FALSE(Delta(25, 8));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DeviationTables, DeltaColumnFollowsTheGradeAlone)
{
    struct Case
    {
        int grade;
        int column;
    };
    const Case cases[] = {{kGradeIT3, 0}, {kGradeIT4, 1}, {kGradeIT5, 2},  {kGradeIT6, 3}, {kGradeIT7, 4},
                          {kGradeIT8, 5}, {kGradeIT9, 0}, {kGradeIT01, 0}, {-1, 0},        {99, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE("grade " + std::to_string(c.grade));
        EXPECT_EQ(Delta(7, c.grade), 700.0 + c.column);
    }
}

TEST_F(DeviationTables, EveryReadOfAMissingDeltaFileSaysSo)
{
    m_folder.Remove(std::string(TableFileName(TableId::Delta)));
    EXPECT_FALSE(Delta(6, kGradeIT7));
    EXPECT_FALSE(Delta(6, kGradeIT7));
    EXPECT_EQ(Messages(), std::vector<std::string>(2, kFileMessage));
}

TEST_F(DeviationTables, AFolderWhereAFileShouldBeIsUnreadable)
{
    m_folder.Remove(std::string(TableFileName(TableId::Delta)));
    std::filesystem::create_directory(m_folder.Path() / TableFileName(TableId::Delta));
    EXPECT_FALSE(Delta(6, kGradeIT7));
    EXPECT_EQ(Messages(), std::vector<std::string> {kFileMessage});
}

} // namespace

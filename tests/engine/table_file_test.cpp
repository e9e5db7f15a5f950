#include "table_file.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

using Status = TableCell::Status;

TableCell Read(const std::string& text, int band, int column)
{
    std::istringstream in(text);
    return ReadTableCell(in, band, column);
}

std::string Lines(int count, const std::string& line)
{
    std::string text;
    for (int index = 0; index < count; ++index)
        text += line + "\n";
    return text;
}

TEST(TableFile, BandIsTheLineAndColumnTheField)
{
    const std::string text = "1 2 3\n4 5 6\n7 8 9 10 11\n";
    EXPECT_EQ(Read(text, 0, 0).micrometres, 1.0);
    EXPECT_EQ(Read(text, 1, 2).micrometres, 6.0);
    EXPECT_EQ(Read(text, 2, 1).micrometres, 8.0);
    EXPECT_EQ(Read(text, 2, 4).micrometres, 11.0); // fields after the last one used are allowed
    EXPECT_EQ(Read(Lines(24, "0") + "-270 5\n" + "99 99\n", 24, 0).micrometres, -270.0);
}

TEST(TableFile, FieldsAreDecimalNumbersWithTheirSign)
{
    struct Case
    {
        const char* field;
        double expected;
    };
    const Case cases[] = {{"12.5", 12.5}, {"-9", -9.0}, {"+4", 4.0}, {"0", 0.0}, {"1e1", 10.0}, {"-1", -1.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const TableCell cell = Read(std::string("7 ") + c.field + " 7\n", 0, 1);
        EXPECT_EQ(cell.status, Status::Value);
        EXPECT_EQ(cell.micrometres, c.expected);
    }
}

TEST(TableFile, CellWithoutANumberHasNoValue)
{
    for (const char* field : {"-", "--", "word", "inf", "nan", "0x10" /* reads 0 */}) {
        SCOPED_TRACE(field);
        const TableCell cell = Read(std::string("1 ") + field + "\n", 0, 1);
        if (std::string(field) == "0x10") {
            EXPECT_EQ(cell.status, Status::Value);
            EXPECT_EQ(cell.micrometres, 0.0);
        } else {
            EXPECT_EQ(cell.status, Status::NoValue);
        }
    }
}

TEST(TableFile, LineEndingsAndByteOrderMarkAreNotPartOfAField)
{
    EXPECT_EQ(Read("1 2\r\n3 -4\r\n", 1, 1).micrometres, -4.0);
    EXPECT_EQ(Read("1 2\r\n3 -4\r\n", 0, 1).status, Status::Value);
    EXPECT_EQ(Read("\xEF\xBB\xBF-5 2\n", 0, 0).micrometres, -5.0);
    EXPECT_EQ(Read("\xEF\xBB\xBF-5 2\n3 4", 1, 1).micrometres, 4.0); // last line without an end
}

TEST(TableFile, MalformedLayoutIsReportedNotGuessed)
{
    struct Case
    {
        const char* name;
        std::string text;
        int band;
        int column;
    };
    const Case cases[] = {
        {"too few lines", "1 2\n3 4\n", 2, 0},
        {"empty file", "", 0, 0},
        {"too few fields", "1 2 3\n", 0, 3},
        {"empty line", "1 2\n\n5 6\n", 1, 0},
        {"two spaces in a row", "1  2 3\n", 0, 2},
        {"leading space", " 1 2\n", 0, 0},
        {"trailing space before the column", "1 \n", 0, 1},
        {"number too large", "1 1e999\n", 0, 1},
        {"NUL byte in the band's line", std::string("1 2\0 3\n", 7), 0, 1},
        {"NUL byte in an earlier line", std::string("\0\n1 2\n", 5), 1, 0},
        {"tab is no separator", "1\t2\n", 0, 1},
        {"negative band", "1\n", -1, 0},
        {"negative column", "1\n", 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Read(c.text, c.band, c.column).status, Status::Malformed);
    }
}

TEST(TableFile, VeryLongLinesCountAsOneLineEach)
{
    const std::string longLine = std::string(100'000, '7') + " 1";
    const std::string text = longLine + "\n" + longLine + "\n" + "-3 8\n";
    EXPECT_EQ(Read(text, 2, 1).micrometres, 8.0);
    EXPECT_EQ(Read(text, 1, 1).micrometres, 1.0);
}

} // namespace

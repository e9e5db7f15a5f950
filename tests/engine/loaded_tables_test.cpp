#include "core/loaded_tables.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using Kind = Failure::Kind;

// The cell of a parsed text, as micrometres; NAN-free: nothing for "-", a Failure for the rest.
Result<std::optional<ExactLength>, Failure> Read(const std::string& text, int line, int column)
{
    return CellAt(ParseTable(text, TableId::Shaft), TableId::Shaft, line, column);
}

ExactLength Um(double um)
{
    return ExactLength {static_cast<std::int64_t>(um * 1000)};
}

TEST(LoadedTables, LineIsTheBandAndColumnTheField)
{
    const std::string text = "1 2 3\n4 5 6\n7 8 9 10 11\n";
    EXPECT_EQ(**Read(text, 0, 0), Um(1));
    EXPECT_EQ(**Read(text, 1, 2), Um(6));
    EXPECT_EQ(**Read(text, 2, 4), Um(11));
    EXPECT_EQ(**Read("1\r\n3 -4\r\n", 1, 1), Um(-4)); // CR LF
    EXPECT_EQ(**Read("\xEF\xBB\xBF-5 2\n3 4", 1, 1), Um(4)); // byte-order mark, last line without an end
}

TEST(LoadedTables, CellsAreDecimalsInFullOrALoneDash)
{
    struct Case
    {
        const char* field;
        std::optional<double> um; // nothing: no value
    };
    const Case values[] = {{"12.5", 12.5}, {"-9", -9}, {"+4", 4}, {"0", 0}, {"-0", 0}, {"0.15", 0.15}, {"-", {}}};
    for (const auto& c : values) {
        SCOPED_TRACE(c.field);
        const auto cell = Read(std::string("7 ") + c.field + " 7\n", 0, 1);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->has_value(), c.um.has_value());
        if (c.um) {
            EXPECT_EQ(**cell, Um(*c.um));
        }
    }
    // Trailing text, other words, exponents and numbers no table can hold are malformed, not guessed.
    for (const char* field : {"12x", "1O", "0x10", "word", "--", "inf", "nan", "1e1", "12,5", "1.001", "10000.01",
                              "-99999", "1e308", "99999999999999999999999"}) {
        SCOPED_TRACE(field);
        const auto cell = Read(std::string("7 ") + field + " 7\n", 0, 1);
        ASSERT_FALSE(cell);
        EXPECT_EQ(cell.reason().kind, Kind::TableMalformed);
        EXPECT_EQ(cell.reason().line, 1);
        EXPECT_EQ(cell.reason().field, 2);
    }
}

TEST(LoadedTables, MalformedLayoutSpoilsOnlyWhatItShifts)
{
    struct Case
    {
        const char* name;
        std::string text;
        int line;
        int column;
    };
    const Case malformed[] = {
        {"too few lines", "1 2\n3 4\n", 2, 0},
        {"too few fields", "1 2 3\n", 0, 3},
        {"empty line", "1 2\n\n5 6\n", 1, 0},
        {"two spaces in a row", "1  2 3\n", 0, 2},
        {"leading space", " 1 2\n", 0, 0},
        {"NUL byte in the line", std::string("1 2\0 3\n", 7), 0, 0},
        {"line after a NUL byte", std::string("1\n\0\n1 2\n", 7), 2, 0},
        {"tab is no separator", "1\t2\n", 0, 0},
        {"overlong line", std::string(kLongestTableLineBytes, '1') + " 1\n", 0, 1},
        {"negative line", "1\n", -1, 0},
        {"column beyond the table", "1\n", 0, 28},
    };
    for (const auto& c : malformed) {
        SCOPED_TRACE(c.name);
        const auto cell = Read(c.text, c.line, c.column);
        ASSERT_FALSE(cell);
        EXPECT_EQ(cell.reason().kind, Kind::TableMalformed);
    }
    // Cells before the fault keep their values, and so do other lines.
    EXPECT_EQ(**Read("1  2 3\n", 0, 0), Um(1));
    EXPECT_EQ(**Read("1 x\n4 5\n", 1, 1), Um(5));
    EXPECT_EQ(**Read(std::string("1 2\n3\0", 6), 0, 1), Um(2));
    // A file of nothing but white space is empty, not malformed at some line.
    for (const std::string blank : {"", "\xEF\xBB\xBF", " \r\n\n"})
        EXPECT_EQ(Read(blank, 6, 10).reason().kind, Kind::TableEmpty);
}

} // namespace

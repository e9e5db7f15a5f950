#include "number_text.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

// Runs the test body in a locale whose decimal separator is a comma, as Qt sets it for a German user.
class InGermanLocale : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            GTEST_SKIP() << "de_DE.UTF-8 locale not installed (scripts/setup.sh generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_previous.c_str()); }

private:
    std::string m_previous;
};

struct ParseCase
{
    const char* text;
    double expected;
};

TEST_F(InGermanLocale, SizeTextIsReadAsTheCLocalesAtofReadsIt)
{
    const ParseCase cases[] = {
        {"12.5", 12.5},     {"12.5mm", 12.5}, {" 7", 7.0},   {"\t-3.25x", -3.25}, {"+8", 8.0},   {"1e2", 100.0},
        {"1e", 1.0},        {"1e+", 1.0},     {"2.", 2.0},   {".5", 0.5},         {"-.5", -0.5}, {"12,5", 12.0},
        {"", 0.0},          {"abc", 0.0},     {".", 0.0},    {"-", 0.0},          {"+-1", 0.0},  {"inf", 0.0},
        {"-infinity", 0.0}, {"nan", 0.0},     {"0x10", 0.0}, {"1e-400", 0.0},     {"  ", 0.0},   {"３", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(ParseLeadingDecimal(c.text), c.expected);
    }
}

TEST_F(InGermanLocale, TooLargeANumberIsInfiniteWithItsSign)
{
    EXPECT_EQ(ParseLeadingDecimal("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingDecimal("-123456789e400mm"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingDecimal(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingDecimal("0.000e999"), 0.0);
}

TEST(ScanLeadingDecimal, TellsNoNumberAndOutOfRangeApart)
{
    EXPECT_FALSE(ScanLeadingDecimal("-").has_value());
    EXPECT_FALSE(ScanLeadingDecimal("").has_value());
    ASSERT_TRUE(ScanLeadingDecimal("-270").has_value());
    EXPECT_EQ(ScanLeadingDecimal("-270")->value, -270.0);
    EXPECT_FALSE(ScanLeadingDecimal("-270")->outOfRange);
    EXPECT_TRUE(ScanLeadingDecimal("1e400")->outOfRange);
    EXPECT_TRUE(ScanLeadingDecimal("1e-400")->outOfRange);
}

TEST_F(InGermanLocale, ResultsPrintAsPercent04fPrintsThemInTheCLocale)
{
    EXPECT_EQ(FormatFixed4(0.021), "0.0210");
    EXPECT_EQ(FormatFixed4(-0.014), "-0.0140");
    EXPECT_EQ(FormatFixed4(-22 * 0.001 + 8 * 0.001 - 21 * 0.001), "-0.0350");
    EXPECT_EQ(FormatFixed4(0.0), "0.0000");
    EXPECT_EQ(FormatFixed4(-0.0), "-0.0000");
    EXPECT_EQ(FormatFixed4(7.5 * 0.001), "0.0075");
    EXPECT_EQ(FormatFixed4(0.3 * 0.001), "0.0003");
    // Ties of the binary value round as printf rounds them, not as decimal text would.
    EXPECT_EQ(FormatFixed4(0.00005), "0.0001");
    EXPECT_EQ(FormatFixed4(0.00015), "0.0001");
    EXPECT_EQ(FormatFixed4(std::numeric_limits<double>::max()).size(), 314U);
}

} // namespace

#include "dialog/number_text.h"

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

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

// More than 2^31 integer digits, without holding them: one page-aligned block of nines mapped again
// and again into one stretch of address space.
class LongerThanAnIntCounts : public ::testing::Test
{
protected:
    static constexpr std::size_t kBlockBytes = std::size_t {1} << 20;
    static constexpr std::size_t kBlocks = 2049; // 2^31 + 2^20 digits

    void SetUp() override
    {
        const int block = ::memfd_create("nines", 0);
        ASSERT_GE(block, 0);
        ASSERT_EQ(::ftruncate(block, kBlockBytes), 0);
        void* nines = ::mmap(nullptr, kBlockBytes, PROT_READ | PROT_WRITE, MAP_SHARED, block, 0);
        ASSERT_NE(nines, MAP_FAILED);
        std::memset(nines, '9', kBlockBytes);
        ::munmap(nines, kBlockBytes);
        void* stretch
            = ::mmap(nullptr, kBlockBytes * kBlocks, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (stretch == MAP_FAILED) {
            ::close(block);
            GTEST_SKIP() << "no 2 GiB of address space here (a limit on it is set)";
        }
        m_digits = static_cast<char*>(stretch);
        for (std::size_t index = 0; index < kBlocks; ++index)
            ASSERT_NE(::mmap(m_digits + index * kBlockBytes, kBlockBytes, PROT_READ,
                             MAP_SHARED | MAP_FIXED | MAP_POPULATE, block, 0),
                      MAP_FAILED);
        ::close(block);
    }
    void TearDown() override
    {
        if (m_digits)
            ::munmap(m_digits, kBlockBytes * kBlocks);
    }
    std::string_view Digits() const { return {m_digits, kBlockBytes * kBlocks}; }

private:
    char* m_digits = nullptr;
};

TEST_F(LongerThanAnIntCounts, IntegerDigitsBeyondTwoToThe31AreStillInfinite)
{
    EXPECT_EQ(ParseLeadingDecimal(Digits()), std::numeric_limits<double>::infinity());
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
    // Zero has no sign: a cell "-0" or a deviation under half a unit of the last decimal is 0.
    EXPECT_EQ(FormatFixed4(-0.0), "0.0000");
    EXPECT_EQ(FormatFixed4(-0.00004), "0.0000");
    EXPECT_EQ(FormatFixed4(-0.00006), "-0.0001");
    EXPECT_EQ(FormatFixed4(7.5 * 0.001), "0.0075");
    EXPECT_EQ(FormatFixed4(0.3 * 0.001), "0.0003");
    // Ties of the binary value round as printf rounds them, not as decimal text would.
    EXPECT_EQ(FormatFixed4(0.00005), "0.0001");
    EXPECT_EQ(FormatFixed4(0.00015), "0.0001");
    EXPECT_EQ(FormatFixed4(std::numeric_limits<double>::max()).size(), 314U);
}

} // namespace

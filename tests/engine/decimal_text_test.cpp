// The strict reader of numbers with exponents: one sign at most, and a reason for each refusal.

#include "core/decimal_text.h"

#include <string>
#include <variant>

#include <gtest/gtest.h>

namespace {

TEST(DecimalNumber, IsReadWholeOrRefusedWithItsReason)
{
    struct Case
    {
        std::string text;
        std::variant<double, NumberProblem> read;
    };
    const Case cases[] = {
        {"+1.5", 1.5},
        {"-.5", -0.5},
        {"1.15e-5", 1.15e-5},
        {"+-1", NumberProblem::NotANumber},
        {"-+1", NumberProblem::NotANumber},
        {"--1", NumberProblem::NotANumber},
        {"++1", NumberProblem::NotANumber},
        {"+", NumberProblem::NotANumber},
        {"1e400", NumberProblem::TooLarge},
        {"-1e400", NumberProblem::TooLarge},
        {std::string(400, '9'), NumberProblem::TooLarge},
        {"1e-400", NumberProblem::TooPrecise},
        {"0." + std::string(400, '0') + "1", NumberProblem::TooPrecise},
        {"1000e-402", NumberProblem::TooPrecise},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        const auto read = ParseDecimalNumber(c.text);
        if (const auto* value = std::get_if<double>(&c.read)) {
            ASSERT_TRUE(read);
            EXPECT_EQ(*read, *value);
        } else {
            ASSERT_FALSE(read);
            EXPECT_EQ(read.reason(), std::get<NumberProblem>(c.read));
        }
    }
}

} // namespace

#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// For a number that from_chars found out of range: does its magnitude lie above 1 (an overflow)
// or below it (an underflow)? Decided from the decimal exponent of its leading non-zero digit.
bool IsOverflow(std::string_view number)
{
    std::int64_t leadingExponent = 0;
    std::size_t pos = 0;
    int integerDigits = 0;
    bool seenNonZero = false;
    for (; pos < number.size() && IsDigit(number[pos]); ++pos) {
        seenNonZero = seenNonZero || number[pos] != '0';
        if (seenNonZero)
            ++integerDigits;
    }
    if (seenNonZero) {
        leadingExponent = integerDigits - 1;
    } else if (pos < number.size() && number[pos] == '.') {
        ++pos;
        std::int64_t zeros = 0;
        for (; pos < number.size() && number[pos] == '0'; ++pos)
            ++zeros;
        leadingExponent = -zeros - 1;
    }
    std::int64_t exponent = 0;
    const auto e = number.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < number.size()) {
        std::size_t at = e + 1;
        const bool negative = number[at] == '-';
        if (number[at] == '-' || number[at] == '+')
            ++at;
        for (; at < number.size() && IsDigit(number[at]); ++at)
            exponent = std::min<std::int64_t>(exponent * 10 + (number[at] - '0'), 1'000'000'000);
        if (negative)
            exponent = -exponent;
    }
    return leadingExponent + exponent > 0;
}

} // namespace

std::optional<LeadingDecimal> ScanLeadingDecimal(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    // Only a digit, or a point followed by a digit, begins a decimal number: this keeps out the
    // "inf", "nan" and hexadecimal forms that from_chars would otherwise accept.
    const bool startsNumber
        = !rest.empty() && (IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1])));
    if (!startsNumber)
        return std::nullopt;

    LeadingDecimal result;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), result.value);
    if (error == std::errc::result_out_of_range) {
        result.outOfRange = true;
        const std::string_view number(rest.data(), static_cast<std::size_t>(end - rest.data()));
        result.value = IsOverflow(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc {}) {
        return std::nullopt;
    }
    if (negative)
        result.value = -result.value;
    return result;
}

double ParseLeadingDecimal(std::string_view text)
{
    const auto number = ScanLeadingDecimal(text);
    return number ? number->value : 0.0;
}

std::string FormatFixed4(double value)
{
    // Room for the largest double in fixed notation: 309 digits, sign, point and four decimals.
    std::array<char, 330> buffer {};
    const auto [end, error]
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 4);
    if (error != std::errc {})
        return {};
    return std::string(buffer.data(), end);
}

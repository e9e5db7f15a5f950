#include "dialog/number_text.h"

#include "core/number_format.h"

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
// or below it (an underflow)? Decided from the decimal exponent of its leading non-zero digit. The
// number is what from_chars took (digits, maybe a point and digits, maybe an exponent), so the first
// point or exponent mark ends the integer digits, and memchr finds it fast in any length. Positions
// are sizes, never an int: a size box may hold more than 2^31 digits.
bool IsOverflow(std::string_view number)
{
    const auto first = [&number](char c) {
        return std::min(number.find(c), number.size());
    };
    const std::size_t mark = std::min(first('e'), first('E'));
    const std::size_t point = std::min(first('.'), mark);
    const std::size_t significant = std::min(number.find_first_not_of('0'), point);
    std::int64_t leadingExponent = 0;
    if (significant < point) {
        leadingExponent = static_cast<std::int64_t>(point - significant) - 1;
    } else if (point < mark) {
        const std::size_t fraction = point + 1;
        const std::size_t nonZero = std::min(number.find_first_not_of('0', fraction), mark);
        leadingExponent = -static_cast<std::int64_t>(nonZero - fraction) - 1;
    }
    std::int64_t exponent = 0;
    if (mark + 1 < number.size()) {
        std::size_t at = mark + 1;
        const bool negative = number[at] == '-';
        if (number[at] == '-' || number[at] == '+')
            ++at;
        for (; at < number.size() && IsDigit(number[at]); ++at)
            exponent = std::min<std::int64_t>(exponent * 10 + (number[at] - '0'), 1'000'000'000'000);
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
    return FixedDecimalsInFull(value, 4);
}

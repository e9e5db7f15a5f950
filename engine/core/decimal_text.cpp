#include "core/decimal_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Beyond this magnitude no ISO 286 length is meaningful, and int64 nanometres stay far from overflow.
constexpr std::int64_t kLargestScaled = 1'000'000'000'000'000; // 1e15

// For a number out of a double's range (digits, maybe a point and digits, maybe an exponent; no
// sign): whether its magnitude lies above 1, else it is too small, from the decimal exponent of its
// first significant digit.
bool IsAboveOne(std::string_view number)
{
    const std::size_t mark = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, mark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = std::min(mantissa.find_first_not_of("0."), mantissa.size());
    std::int64_t exponent
        = first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
    std::size_t at = mark + 1;
    const bool negative = at < number.size() && number[at] == '-';
    if (at < number.size() && (number[at] == '-' || number[at] == '+'))
        ++at;
    std::int64_t written = 0;
    for (; at < number.size() && IsDigit(number[at]); ++at)
        written = std::min<std::int64_t>(written * 10 + (number[at] - '0'), kLargestScaled);
    exponent += negative ? -written : written;
    return exponent > 0;
}

} // namespace

Result<std::int64_t, NumberProblem> ParseFixedPoint(std::string_view text, int decimals)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    bool tooLarge = false;
    bool anyDigit = false;
    const auto addDigit = [&](char c) {
        if (value > kLargestScaled / 10)
            tooLarge = true;
        else
            value = value * 10 + (c - '0');
    };
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        anyDigit = true;
        addDigit(text[pos]);
    }
    int kept = 0;
    bool tooPrecise = false;
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            anyDigit = true;
            if (kept < decimals) {
                addDigit(text[pos]);
                ++kept;
            } else if (text[pos] != '0') {
                tooPrecise = true;
            }
        }
    }
    if (!anyDigit || pos != text.size())
        return NumberProblem::NotANumber;
    for (; kept < decimals; ++kept)
        addDigit('0');
    if (tooLarge || value > kLargestScaled)
        return NumberProblem::TooLarge;
    if (tooPrecise)
        return NumberProblem::TooPrecise;
    return negative ? -value : value;
}

Result<ExactLength, NumberProblem> ParseMillimetres(std::string_view text)
{
    const auto nm = ParseFixedPoint(text, 6);
    if (!nm)
        return nm.reason();
    return ExactLength {*nm};
}

Result<ExactLength, NumberProblem> ParseMicrometres(std::string_view text)
{
    const auto nm = ParseFixedPoint(text, 3);
    if (!nm)
        return nm.reason();
    return ExactLength {*nm};
}

Result<double, NumberProblem> ParseDecimalNumber(std::string_view text)
{
    // from_chars alone would take "inf", "nan" and "1e" prefixes; only these characters make a number.
    for (const char c : text) {
        if (!IsDigit(c) && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
            return NumberProblem::NotANumber;
    }
    // One sign at most. from_chars takes a minus but no plus: a plus is removed first, and then the
    // number itself must follow ("+-1" is no number).
    const bool plus = text.starts_with('+');
    if (plus)
        text.remove_prefix(1);
    const std::string_view magnitude = !plus && text.starts_with('-') ? text.substr(1) : text;
    if (magnitude.empty() || !(IsDigit(magnitude.front()) || magnitude.front() == '.'))
        return NumberProblem::NotANumber;
    double value = 0.0;
#ifdef __EMSCRIPTEN__
    // Its C++ library has no floating-point from_chars; its strtod knows only the "C" locale.
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        return NumberProblem::NotANumber;
    if (errno == ERANGE)
        return IsAboveOne(magnitude) ? NumberProblem::TooLarge : NumberProblem::TooPrecise;
#else
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range && end == text.data() + text.size())
        return IsAboveOne(magnitude) ? NumberProblem::TooLarge : NumberProblem::TooPrecise;
    if (error != std::errc() || end != text.data() + text.size())
        return NumberProblem::NotANumber;
#endif
    if (!std::isfinite(value))
        return NumberProblem::TooLarge;
    return value;
}

std::string QuotePrefix(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    // Cut before a UTF-8 continuation byte never splits a character.
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

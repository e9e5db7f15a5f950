#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Room for the largest double in fixed notation: 309 digits, sign, point and the decimals asked for.
constexpr int kMostDecimals = 60;
constexpr std::size_t kBufferBytes = 320 + kMostDecimals;

// The fewest significant digits that read back as the same number, with an exponent: "1e+300".
std::string ScientificNumber(double value)
{
    char buffer[64];
#ifdef __EMSCRIPTEN__
    for (int decimals = 0; decimals <= 16; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
#else
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return error == std::errc() ? std::string(buffer, end) : std::string();
#endif
}

} // namespace

std::string FixedDecimals(double value, int decimals)
{
    if (std::isfinite(value) && std::fabs(value) >= kLargestFixedNumber)
        return ScientificNumber(value);
    return FixedDecimalsInFull(value, decimals);
}

std::string FixedDecimalsInFull(double value, int decimals)
{
    decimals = decimals < 0 ? 0 : (decimals > kMostDecimals ? kMostDecimals : decimals);
    char buffer[kBufferBytes];
#ifdef __EMSCRIPTEN__
    // Its C++ library has no floating-point to_chars; its printf knows only the "C" locale.
    const int written = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer, written > 0 && written < static_cast<int>(sizeof buffer) ? written : 0);
#else
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, error == std::errc() ? end : buffer);
#endif
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string ShortestNumber(double value)
{
    char buffer[64];
#ifdef __EMSCRIPTEN__
    // The fewest significant digits that read back as the same number.
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
#else
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
#endif
}

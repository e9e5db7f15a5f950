#include "core/exact_length.h"

#include <charconv>
#include <cstdlib>

namespace {

// value / 10^decimals as exact decimal text, trailing zeros dropped, appended without a string of
// its own (the deviation table writes some 46,000 rows).
void AppendScaled(std::string& text, std::int64_t value, int decimals)
{
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const std::uint64_t magnitude
        = value < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char buffer[48];
    char* end = buffer;
    if (value < 0)
        *end++ = '-';
    end = std::to_chars(end, buffer + sizeof buffer, magnitude / scale).ptr;
    std::uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        *end++ = '.';
        for (std::uint64_t digit = scale / 10; fraction != 0; digit /= 10) {
            *end++ = static_cast<char>('0' + fraction / digit);
            fraction %= digit;
        }
    }
    text.append(buffer, end);
}

std::string FormatScaled(std::int64_t value, int decimals)
{
    std::string text;
    AppendScaled(text, value, decimals);
    return text;
}

} // namespace

double ToUm(ExactLength length)
{
    // One correctly rounded division: the nearest double to the exact decimal, so that a shortest
    // round-trip printer (JSON) writes the exact decimal back.
    return static_cast<double>(length.nm) / 1e3;
}

double ToMm(ExactLength length)
{
    return static_cast<double>(length.nm) / 1e6;
}

std::string FormatUm(ExactLength length)
{
    return FormatScaled(length.nm, 3);
}

void AppendUm(std::string& text, ExactLength length)
{
    AppendScaled(text, length.nm, 3);
}

std::string FormatMm(ExactLength length)
{
    return FormatScaled(length.nm, 6);
}

std::string SignedUm(ExactLength length)
{
    return (length.nm > 0 ? "+" : "") + FormatUm(length);
}

std::string DrawingMm(ExactLength length)
{
    std::string text = FormatMm(length);
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point == std::string::npos)
        text += '.';
    if (decimals < 3)
        text.append(3 - decimals, '0');
    return text;
}

std::string FixedMm4(ExactLength length)
{
    // Ten-thousandths of a millimetre (ISO 286 values need no rounding).
    const std::uint64_t magnitudeNm = length.nm < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(length.nm)
                                                    : static_cast<std::uint64_t>(length.nm);
    const std::uint64_t units = (magnitudeNm + 50) / 100;
    std::string fraction = std::to_string(units % 10'000);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (length.nm < 0 && units != 0 ? "-" : "") + std::to_string(units / 10'000) + "." + fraction;
}

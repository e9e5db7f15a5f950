#pragma once

#include <compare>
#include <cstdint>
#include <string>

// A length kept exact as a whole number of nanometres. ISO 286 values go down to hundredths of a
// micrometre (js01 at 3 mm is ±0.15 µm), and sizes are read to six decimals of a millimetre, so
// every sum, difference and half of them stays exact: no answer depends on binary noise.
struct ExactLength
{
    std::int64_t nm = 0;

    static constexpr ExactLength FromUm(std::int64_t um) { return {um * 1000}; }
    static constexpr ExactLength FromMm(std::int64_t mm) { return {mm * 1'000'000}; }

    friend constexpr auto operator<=>(ExactLength, ExactLength) = default;
    friend constexpr ExactLength operator+(ExactLength a, ExactLength b) { return {a.nm + b.nm}; }
    friend constexpr ExactLength operator-(ExactLength a, ExactLength b) { return {a.nm - b.nm}; }
    friend constexpr ExactLength operator-(ExactLength a) { return {-a.nm}; }
};

// Half a length; exact for every ISO 286 value (their nanometres are even).
constexpr ExactLength Half(ExactLength length)
{
    return {length.nm / 2};
}

// The nearest double, in micrometres or millimetres: for output only, after the arithmetic.
double ToUm(ExactLength length);
double ToMm(ExactLength length);

// Exact decimal text with no trailing zeros and never "-0": "21", "-10.5", "0.15"; "40.025".
std::string FormatUm(ExactLength length);
std::string FormatMm(ExactLength length);
// FormatUm's text appended to text: no string of its own for each of a table's many values.
void AppendUm(std::string& text, ExactLength length);

// Micrometres with their sign, for people: "+25", "0", "-10.5".
std::string SignedUm(ExactLength length);

// Millimetres to at least three decimals, as drawings write them: "0.050", "25.000", "0.0003".
std::string DrawingMm(ExactLength length);

// Millimetres with four decimals, as the main dialog shows them ("0.0210", "-0.0525"), rounded half
// away from zero; never "-0.0000".
std::string FixedMm4(ExactLength length);

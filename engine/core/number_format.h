#pragma once

#include <string>

// Numbers for people, the same in every locale and on every platform.

// Fixed decimals ("12.50"); a value that rounds to zero is "0.00", never "-0.00", which would read
// as a sign that is not there. From kLargestFixedNumber on, where a double no longer holds a number
// to the unit and decimals mean nothing, the shortest text with an exponent ("-4.803e+303"): never
// hundreds of digits no one can read or fit on a line.
std::string FixedDecimals(double value, int decimals);

// The same in full however large, as printf's "%.*f" prints it in the C locale ("-0" aside): for
// the main dialog, which prints its results that way.
std::string FixedDecimalsInFull(double value, int decimals);

inline constexpr double kLargestFixedNumber = 1e15;

// The shortest text that reads back as the same number: "210000", "0.3", "1.15e-05".
std::string ShortestNumber(double value);
